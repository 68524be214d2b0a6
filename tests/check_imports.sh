#!/usr/bin/env bash
# The exes load only system files: each imports statically only DLLs that Windows always takes from its
# system folder, and delay-loads the rest (which the program then loads from there by full path).
#   check_imports.sh OBJDUMP EXE...
# A DLL imported statically that is no known DLL is looked for in the exe's own folder first, before
# the program runs, so a file of its name beside a downloaded exe would be loaded instead.
set -euo pipefail
objdump=$1
shift

# The known DLLs of Windows 7 and of Windows 10 and 11 alike (the values of HKLM\SYSTEM\
# CurrentControlSet\Control\Session Manager\KnownDLLs), which the loader maps from the system folder only.
known=" advapi32 clbcatq comdlg32 difxapi gdi32 imagehlp imm32 kernel32 msctf msvcrt normaliz nsi ole32 oleaut32
        psapi rpcrt4 sechost setupapi shell32 shlwapi user32 wldap32 ws2_32 "
# The common controls are bound side by side by the application manifest: the loader takes them from the
# system's assembly store.
side_by_side=" comctl32 "
# What the program delay-loads. GNU ld does not enter the delay-import descriptors that dlltool makes in
# the PE header's directory, so objdump cannot list them: each DLL's name must be in the exe (its
# descriptor names it), and not among the static imports.
delayed=" winmm.dll iphlpapi.dll mpr.dll netapi32.dll uxtheme.dll winspool.drv "

allowed=" $(echo $known $side_by_side) "
failed=0
for exe in "$@"; do
    if [ ! -f "$exe" ]; then
        echo "FAIL $exe: no such file (build it first)"
        failed=1
        continue
    fi
    dump=$("$objdump" -p "$exe")
    # objdump lists the import tables' DLLs as "DLL Name: x.dll".
    static=$(awk '/^The Import Tables/ {t=1} /^The Export Tables|^The Function Table|^PE File Base Relocations/ {t=0}
                  t && /DLL Name:/ {print tolower($3)}' <<<"$dump")
    if [ -z "$static" ]; then
        echo "FAIL $exe: objdump shows no import table"
        failed=1
        continue
    fi
    for dll in $static; do
        base=${dll%.*}
        if [[ "$allowed" != *" $base "* ]]; then
            echo "FAIL $exe imports $dll statically, which Windows may load from the exe's folder"
            failed=1
        fi
    done
    for dll in $delayed; do
        if ! grep -aqi "$dll" "$exe"; then
            echo "FAIL $exe does not name $dll, which it delay-loads"
            failed=1
        fi
    done
    echo "$exe: static imports $(echo $static)"
done
exit $failed
