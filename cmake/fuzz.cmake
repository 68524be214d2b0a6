# The fuzz tree: one libFuzzer program per parser of outside bytes (fuzz/<name>_fuzz.cpp), the core
# instrumented for coverage and built under AddressSanitizer and UBSan, so that an over-read, a leak or
# undefined behaviour stops the run with the input that caused it. Each target is registered with ctest
# as a short smoke run from its seed corpus (fuzz/corpus/<name>); bench/fuzz.sh runs them for longer.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz tree needs clang: tools/build.sh fuzz")
endif()
enable_testing()

set(ORVANE_FUZZ_SANITIZERS address,undefined)
set(ORVANE_FUZZ_FLAGS -O1 -g -fno-omit-frame-pointer -fno-sanitize-recover=all)
target_compile_options(orvane_core PUBLIC -fsanitize=fuzzer-no-link,${ORVANE_FUZZ_SANITIZERS} ${ORVANE_FUZZ_FLAGS})

# The in-memory machine stands in for the system the probes ask.
add_library(orvane_fuzz_machine STATIC platform/testing/test_machine.cpp platform/testing/sample_machine.cpp)
target_link_libraries(orvane_fuzz_machine PUBLIC orvane_core)

set(ORVANE_FUZZ_SECONDS 2 CACHE STRING "How long ctest runs each fuzz target")
file(GLOB ORVANE_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzz.cpp)
foreach(source ${ORVANE_FUZZ_SOURCES})
    get_filename_component(target ${source} NAME_WE)
    string(REGEX REPLACE "_fuzz$" "" name ${target})
    add_executable(${target} ${source})
    target_compile_options(${target} PRIVATE ${ORVANE_WARNINGS})
    target_link_libraries(${target} PRIVATE orvane_fuzz_machine)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer,${ORVANE_FUZZ_SANITIZERS})
    add_test(NAME fuzz.${name}
             COMMAND ${CMAKE_SOURCE_DIR}/fuzz/run_target.sh $<TARGET_FILE:${target}>
                     ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name} ${CMAKE_BINARY_DIR}/fuzz_runs/${name}
                     -max_total_time=${ORVANE_FUZZ_SECONDS})
    set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 120 LABELS fuzz)
endforeach()
