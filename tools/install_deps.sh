#!/usr/bin/env bash
# Installs what building and testing need, once, on a Debian machine (as root, or with sudo).
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || need+=(cmake)
have g++ || need+=(g++)
have x86_64-w64-mingw32-g++-posix || need+=(mingw-w64)
have i686-w64-mingw32-g++-posix || need+=(mingw-w64)
[ -x /usr/lib/wine/wine64 ] || have wine64 || need+=(wine wine64)
have Xvfb || need+=(xvfb)
have xvfb-run || need+=(xvfb xauth)
have xauth || need+=(xauth)
# The hardware suite holds a pseudo-terminal open for its serial port.
have python3 || need+=(python3)
# bench/probe_bounds.sh stages a silent resolver in a namespace of its own (unshare) with loopback up.
have unshare || need+=(util-linux)
have ip || need+=(iproute2)
[ -d /usr/src/googletest/googletest ] || need+=(googletest)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
# The windows name Arial, Arial Narrow and Times New Roman; the test prefix maps them to these.
[ -d /usr/share/fonts/truetype/liberation ] || need+=(fonts-liberation)
[ -d /usr/share/fonts/truetype/dejavu ] || need+=(fonts-dejavu-core)

# Printing tests: CUPS with a PDF printer, and pdftotext to read the printouts back.
have cupsd || need+=(cups)
have lpadmin || need+=(cups-client)
[ -f /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ] || need+=(cups-pdf)
have pdftotext || need+=(poppler-utils)
# tools/screenshot.sh types keys with xdotool and takes the picture with ImageMagick's import.
have xdotool || need+=(xdotool)
have import || need+=(imagemagick)
# The registry's long names in a double-byte code page: a Japanese locale compiled by the suite itself.
[ -f /usr/share/i18n/locales/ja_JP ] || need+=(locales)
# The sound row with a sound server: PulseAudio's null sink is enough for Wine to offer wave output.
have pulseaudio || need+=(pulseaudio)
# The inventory documents are checked against their JSON Schema by Debian's validator, under Debian's python3.
{ [ -x /usr/bin/python3 ] && /usr/bin/python3 -c 'import jsonschema' 2>/dev/null; } || need+=(python3-jsonschema)
# The inventory's HTML page is opened in a real browser engine, headless, and looked at.
have chromium || need+=(chromium)
# The fuzz targets: clang with its libFuzzer runtime, which the clang package only recommends.
have clang++ || need+=(clang)
compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null || need+=(libclang-rt-dev)

if [ ${#need[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    echo "Installing: ${need[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${need[@]}"
fi
