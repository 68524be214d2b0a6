#!/usr/bin/env bash
# Builds the two exes a Windows user downloads and writes them, with their SHA-256 checksums, into dist/:
#   dist/orvane-<version>-win32.exe  32-bit: every system Orvane supports, 32-bit and 64-bit Windows alike
#   dist/orvane-<version>-win64.exe  64-bit: for 64-bit Windows (Vista and later, today's Windows 10 and 11)
#   dist/SHA256SUMS                  both checksums, as `sha256sum -c dist/SHA256SUMS` checks them
# Both are statically linked, with their version resource and manifest: one file each, nothing to install.
#   tools/release.sh [folder]   another folder than dist/ (made if missing; only these three files change)
set -euo pipefail
out=${1:+$(realpath -m "$1")}
cd "$(dirname "$0")/.."
tools/install_deps.sh

version=$(sed -n 's/^project(orvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "no version in CMakeLists.txt" >&2; exit 1; }

declare -A toolchain=([win32]=cmake/mingw-i686.cmake [win64]=cmake/mingw-x86_64.cmake)
declare -A objdump=([win32]=i686-w64-mingw32-objdump [win64]=x86_64-w64-mingw32-objdump)
if [ -z "$out" ]; then
    out=$PWD/dist
    rm -rf "$out"
fi
mkdir -p "$out"
for tree in win32 win64; do
    # The same trees as ./test builds; only the exe is built here.
    if [ ! -f "build/$tree/CMakeCache.txt" ]; then
        e2e=OFF
        [ "$tree" = win64 ] && e2e=ON
        cmake -S . -B "build/$tree" -DCMAKE_TOOLCHAIN_FILE="${toolchain[$tree]}" -DCMAKE_BUILD_TYPE=Release \
              -DORVANE_BUILD_E2E=$e2e >/dev/null
    fi
    cmake --build "build/$tree" --target orvane -j"$(nproc)"
    exe="build/$tree/orvane.exe"
    # Static means no runtime DLL of the compiler beside the system's own.
    if "${objdump[$tree]}" -p "$exe" | grep -iE 'DLL Name: (libstdc|libgcc|libwinpthread)'; then
        echo "$exe needs a compiler runtime DLL" >&2
        exit 1
    fi
    grep -q supportedOS "$exe" || { echo "$exe carries no manifest" >&2; exit 1; }
    grep -qa "F.i.l.e.V.e.r.s.i.o.n" "$exe" || { echo "$exe carries no version resource" >&2; exit 1; }
    cp "$exe" "$out/orvane-$version-$tree.exe"
done
(cd "$out" && sha256sum -- "orvane-$version-win32.exe" "orvane-$version-win64.exe" >SHA256SUMS)
echo "$out/:"
cat "$out/SHA256SUMS"
