#!/usr/bin/env bash
# Configures and builds one tree: build.sh win32|win64|native|fuzz [extra cmake arguments]
#   fuzz  the byte parsers' libFuzzer targets, built natively with clang
set -euo pipefail
cd "$(dirname "$0")/.."
tree=$1
shift
case "$tree" in
    win32) args=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release) ;;
    win64) args=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release) ;;
    native) args=(-DCMAKE_BUILD_TYPE=Debug) ;;
    fuzz) args=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DORVANE_FUZZ=ON) ;;
    *) echo "unknown tree $tree" >&2; exit 2 ;;
esac
if [ ! -f "build/$tree/CMakeCache.txt" ] || [ $# -gt 0 ]; then
    cmake -S . -B "build/$tree" "${args[@]}" "$@" >/dev/null
fi
cmake --build "build/$tree" -j"$(nproc)"
