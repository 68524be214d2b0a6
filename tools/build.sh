#!/usr/bin/env bash
# Configures and builds one tree: build.sh win32|win64|native [extra cmake arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
tree=$1
shift
case "$tree" in
    win32) args=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release) ;;
    win64) args=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release) ;;
    native) args=(-DCMAKE_BUILD_TYPE=Debug) ;;
    *) echo "unknown tree $tree" >&2; exit 2 ;;
esac
if [ ! -f "build/$tree/CMakeCache.txt" ] || [ $# -gt 0 ]; then
    cmake -S . -B "build/$tree" "${args[@]}" "$@" >/dev/null
fi
cmake --build "build/$tree" -j"$(nproc)"
