#!/usr/bin/env bash
# The layout's arrows, checked on the sources: a window never reaches into the application, the platform
# layer stands on nothing but itself and core/, the control kinds do not lean on the form, and the calls
# that must go through one place do. Prints each breach and fails when there is one.
set -uo pipefail
cd "$(dirname "$0")/../.."
status=0
breach() {
    echo "$1"
    status=1
}
sources() { git ls-files -- "$@" 2>/dev/null || find "$@" -type f; }

# Only the application, its tests and the benchmarks that measure it include app/.
while IFS= read -r file; do
    case "$file" in app/* | tests/e2e/* | bench/*) continue ;; esac
    grep -Hn '#include "app/' "$file" | while IFS= read -r line; do echo "includes app/: $line"; done | grep . && status=1
done < <(sources '*.cpp' '*.h')

# The platform layer includes only platform/ and core/.
while IFS= read -r line; do
    breach "platform/ reaches outside platform/ and core/: $line"
done < <(grep -rHn '#include "' platform | grep -v '#include "\(platform\|core\)/')

# A control kind's file includes the form's header only where it is the form's own.
while IFS= read -r line; do
    breach "a control kind includes the form: $line"
done < <(grep -Hn '#include "ui/form_win.h"' ui/*_win.cpp ui/*_win.h 2>/dev/null | grep -v '^ui/form_win\.\(cpp\|h\):')

# The shell's execute call only on the platform seam; run-time imports only through the import helper.
while IFS= read -r line; do
    breach "ShellExecuteA outside platform/win32/: $line"
done < <(sources '*.cpp' '*.h' | grep -v '^platform/win32/' | xargs grep -Hn 'ShellExecuteA' 2>/dev/null)
while IFS= read -r line; do
    breach "GetProcAddress outside the import helper: $line"
done < <(sources '*.cpp' '*.h' | grep -v '^platform/win32/imports\.h$' | xargs grep -Hn 'GetProcAddress' 2>/dev/null)

# Every window's files live in its folder: no frame, layout or model of a window elsewhere.
while IFS= read -r file; do
    breach "a window's file outside screens/ and app/: $file"
done < <(sources '*_window_win.*' '*_window_layout.*' '*about_box*' '*print_preview*' '*_model.*' | grep -v '^\(screens\|app\)/')

[ "$status" -eq 0 ] && echo "layout rules hold"
exit "$status"
