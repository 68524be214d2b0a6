#!/usr/bin/env bash
# On-demand benchmark (not part of ./test): the worst case of every probe that can block, under Wine,
# with the time the raw call takes (unbounded, watched for at most 60 s), the time the bounded probe
# takes, and its bound. Each situation is set up here and taken down whatever happens:
#   - a serial port that never answers: COM5 on a pseudo-terminal whose other end never reads or replies;
#   - a host-name lookup without a resolver: a private network and mount namespace (unshare) in which
#     resolv.conf names a resolver on this namespace's loopback that receives and never answers, and
#     /etc/hosts names only localhost; nothing leaves the machine;
#   - drives that do not answer: a drive whose share is gone (its target no longer exists) and an empty
#     CD-ROM drive;
#   - the WMI rows, cold and warm (Wine's WMI runs inside the process: a slow service cannot be staged,
#     so the bound is shown against the real queries' time).
#   bench/probe_bounds.sh [port|resolve|drive|wmi ...]   (default: all four)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/install_deps.sh" >&2
"$here/tools/build.sh" win64 >/dev/null
cmake --build "$here/build/win64" --target probe_bounds >/dev/null
export ORVANE_WINDOWS_BUILD_DIR="$here/build/win64"
"$here/tests/e2e/setup_prefix.sh" >/dev/null
source "$here/tests/e2e/wine_env.sh"
exe="$ORVANE_WINDOWS_BUILD_DIR/probe_bounds.exe"
dosdevices="$WINEPREFIX/dosdevices"
situations=("$@")
[ ${#situations[@]} -gt 0 ] || situations=(port resolve drive wmi)

work=$(mktemp -d)
planted=()
holders=()
cleanup() {
    set +e
    for pid in "${holders[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
    for path in "${planted[@]}"; do rm -f "$path"; done
    "$WINE" reg delete 'HKLM\Software\Wine\Drives' /v r: /reg:64 /f >/dev/null 2>&1
    wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

plant() {  # plant LINK TARGET: a dosdevices entry the benchmark owns
    if [ -e "$1" ] || [ -L "$1" ]; then
        echo "refusing to replace $1, which the benchmark did not plant" >&2
        exit 1
    fi
    ln -s "$2" "$1"
    planted+=("$1")
}

run() {
    "$WINE" "$exe" "$@" 2>/dev/null | tr -d '\r'
}

for situation in "${situations[@]}"; do
    case "$situation" in
    port)
        echo "== a serial port that never answers (COM5 on a silent pseudo-terminal)"
        python3 -c 'import os, pty, time
master, slave = pty.openpty()
print(os.ttyname(slave), flush=True)
time.sleep(10**9)' </dev/null >"$work/pty" 2>/dev/null &
        holders+=($!)
        until [ -s "$work/pty" ]; do sleep 0.1; done
        plant "$dosdevices/com5" "$(head -n1 "$work/pty")"
        run port COM5
        ;;
    resolve)
        echo "== a host-name lookup whose resolver never answers (private namespace)"
        printf 'nameserver 127.0.0.1\noptions timeout:5 attempts:2\n' >"$work/resolv.conf"
        printf '127.0.0.1 localhost\n' >"$work/hosts"
        # The whole run, the silent resolver included, lives in the namespace and ends with it.
        unshare -rmn bash -c '
            set -e
            ip link set lo up
            mount --bind "$1/resolv.conf" /etc/resolv.conf
            mount --bind "$1/hosts" /etc/hosts
            python3 -c "import socket, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind((\"127.0.0.1\", 53))
while True: s.recv(4096)" &
            silent=$!
            sleep 0.3
            "$2" "$3" resolve orvane-probe-bounds.example 2>/dev/null | tr -d "\r"
            kill $silent' _ "$work" "$WINE" "$exe"
        ;;
    drive)
        echo "== a drive whose share is gone (S:, its target removed)"
        mkdir "$work/share"
        plant "$dosdevices/s:" "$work/share"
        rmdir "$work/share"
        run drive 'S:\'
        echo "== an empty CD-ROM drive (R:)"
        mkdir "$work/cdrom"
        plant "$dosdevices/r:" "$work/cdrom"
        "$WINE" reg add 'HKLM\Software\Wine\Drives' /v r: /d cdrom /reg:64 /f >/dev/null 2>&1
        wineserver -k 2>/dev/null || true
        run drive 'R:\'
        ;;
    wmi)
        echo "== the WMI rows"
        run wmi
        ;;
    *)
        echo "unknown situation $situation" >&2
        exit 2
        ;;
    esac
done
