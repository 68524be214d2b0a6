#!/usr/bin/env bash
# Fails when the end-to-end driver has a suite that ctest does not run: compares the driver's own list
# (--gtest_list_tests) with the suites registered, given as arguments.
#   check_registered.sh SUITE...
set -euo pipefail
: "${ORVANE_WINDOWS_BUILD_DIR:?}"
source "$(dirname "$0")/wine_env.sh"
cd "$ORVANE_WINDOWS_BUILD_DIR"
listing=$("$WINE" "$ORVANE_WINDOWS_BUILD_DIR/orvane_e2e.exe" --gtest_list_tests 2>/dev/null | tr -d '\r')
# Suite lines are the unindented ones, "Suite." (a typed or parameterised suite adds "/..." parts).
mapfile -t suites < <(printf '%s\n' "$listing" | sed -n 's/^\([^ ].*\)\.$/\1/p' | sed 's#.*/\([^/]*\)$#\1#; s#/.*##')
if [ ${#suites[@]} -eq 0 ]; then
    echo "the driver listed no suites:"
    printf '%s\n' "$listing"
    exit 1
fi
missing=()
for suite in "${suites[@]}"; do
    found=no
    for registered in "$@"; do
        [ "$suite" = "$registered" ] && found=yes
    done
    [ $found = yes ] || missing+=("$suite")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "suites of the driver that ctest does not run: ${missing[*]}"
    echo "(declare them with TEST(Suite, Name) or TEST_F(Suite, Name) at the start of a line in tests/e2e/*.cpp)"
    exit 1
fi
echo "all ${#suites[@]} suites of the driver are registered"
