# The commands the README documents, each registered as a ctest entry that runs it the way a user
# types it, on a tiny amount of work, from a fresh empty folder (run_command.sh): it must end with
# status 0, write what it says it writes and print its result line. It checks that each command works,
# never how fast. A documented command gets its row here; command.listed fails on a script in bench/
# or one the README names that has no row.
#
#   orvane_command(name [WRITES file...] [PRINTS regex...] COMMAND command arguments...)
# Files are named relative to the fresh folder, which is the command's working folder.
set(ORVANE_COMMANDS_DIR ${CMAKE_SOURCE_DIR}/tests/commands)
set(ORVANE_COMMAND_LINES "")

function(orvane_command name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "WRITES;PRINTS;COMMAND")
    set(checks "")
    foreach(file IN LISTS arg_WRITES)
        list(APPEND checks --writes ${file})
    endforeach()
    foreach(pattern IN LISTS arg_PRINTS)
        list(APPEND checks --prints ${pattern})
    endforeach()
    add_test(NAME command.${name} COMMAND ${ORVANE_COMMANDS_DIR}/run_command.sh ${checks} -- ${arg_COMMAND})
    # They use the suite's Wine prefix and its desktop, and end its server: one at a time, alone.
    set_tests_properties(command.${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_desktop TIMEOUT 900
                         LABELS command)
    # Every row's command line, for command.listed.
    string(JOIN " " line ${arg_COMMAND})
    set(ORVANE_COMMAND_LINES ${ORVANE_COMMAND_LINES} "${line}" PARENT_SCOPE)
endfunction()

set(root ${CMAKE_SOURCE_DIR})
orvane_command(orvane WRITES report.txt COMMAND ${root}/orvane /AUTO report.txt)
orvane_command(install_deps COMMAND ${root}/tools/install_deps.sh)
orvane_command(release WRITES out/SHA256SUMS PRINTS "orvane-.*-win32\\.exe: OK" "orvane-.*-win64\\.exe: OK"
               COMMAND sh -c "'${root}/tools/release.sh' out && cd out && sha256sum -c SHA256SUMS")
orvane_command(screenshot WRITES shot.png COMMAND ${root}/tools/screenshot.sh shot.png F5)
orvane_command(batch_report PRINTS "^batch report: median [0-9]+ ms over 1 runs" "^orvane\\.exe size: "
               COMMAND ${root}/bench/batch_report.sh 1)
orvane_command(probe_timings PRINTS "^21 +Manufacturer +[0-9.]+" "^total +[0-9.]+ ms"
               COMMAND ${root}/bench/probe_timings.sh 1)
orvane_command(startup_cost PRINTS "^ratio: " "^load average"
               COMMAND ${root}/bench/startup_cost.sh 1)
# The soak on three rounds: that it runs to its end and samples; its verdict (exit 1 when a figure grew) is the
# benchmark's finding, not the command's failure.
orvane_command(soak PRINTS "^end: growth since round 1 " "^the program ended with code 0"
               COMMAND sh -c "'${root}/bench/soak.sh' 3 1; [ $? -le 1 ]")
orvane_command(inventory_cost PRINTS "^/JSON \\(every section\\): median [0-9]+ ms over 1 runs" "^document sizes: "
               COMMAND ${root}/bench/inventory_cost.sh 1)
# The situations that stage quickly; the silent resolver takes its full timeouts, and the WMI rows run in
# the other benchmarks.
orvane_command(probe_bounds PRINTS "^GetCOMPorts \\(256 ports\\) +[0-9.]+ ms" "^bounded readiness query +[0-9.]+ ms"
               COMMAND ${root}/bench/probe_bounds.sh port drive)
orvane_command(fuzz PRINTS "^firmware +[0-9]+ .* clean$" COMMAND env RUNS=1000 ${root}/bench/fuzz.sh)
# Fuzzing one target longer and rerunning one input, as the README spells them (shortened).
orvane_command(fuzz_target PRINTS "Done 1000 runs" "Executed .*firmware"
               COMMAND sh -c "'${root}/tools/build.sh' fuzz >/dev/null && \
'${root}/fuzz/run_target.sh' '${root}/build/fuzz/firmware_fuzz' '${root}/fuzz/corpus/firmware' work -runs=1000 && \
'${root}/build/fuzz/firmware_fuzz' \"$(ls -d '${root}/fuzz/corpus/firmware/'* | head -n 1)\"")

add_test(NAME command.listed COMMAND ${ORVANE_COMMANDS_DIR}/check_listed.sh ${CMAKE_SOURCE_DIR} ${ORVANE_COMMAND_LINES})
