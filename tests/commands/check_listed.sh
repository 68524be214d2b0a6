#!/usr/bin/env bash
# Fails on a command that tests/commands/commands.cmake has no row for: every script in bench/, and
# every script of bench/, tools/ and fuzz/ the README names, with ./orvane, must appear in a row.
#   check_listed.sh SOURCE_DIR ROW_COMMAND_LINE...
set -euo pipefail
root=$1
shift
rows=$(printf '%s\n' "$@")
wanted=$( (cd "$root" && ls bench/*.sh; grep -oE '(bench|tools|fuzz)/[A-Za-z0-9_]+\.sh' README.md;
           grep -qE '(^|[ `])\./orvane( |`)' README.md && echo orvane) | sort -u)
missing=0
for script in $wanted; do
    if ! grep -qF "$root/$script" <<<"$rows"; then
        echo "no row in tests/commands/commands.cmake runs $script"
        missing=1
    fi
done
[ $missing -eq 0 ] && echo "every documented command has a row: $(echo $wanted)"
exit $missing
