# Sourced by the end-to-end scripts: the Wine environment of the suite, kept inside the build tree.
# Needs ORVANE_WINDOWS_BUILD_DIR.
export WINEPREFIX="$ORVANE_WINDOWS_BUILD_DIR/wineprefix"
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
# The 64-bit loader; Debian names it only inside its library folder.
if [ -x /usr/lib/wine/wine64 ]; then WINE=/usr/lib/wine/wine64; else WINE=$(command -v wine64 || command -v wine); fi
export WINE
