# cmake -P tests/e2e/e2e_suites_test.cmake: the suite names read from sources, over a table of texts.
cmake_minimum_required(VERSION 3.20)
include(${CMAKE_CURRENT_LIST_DIR}/e2e_suites.cmake)

set(failures 0)
function(expect_suites text expected)
    set(suites "")
    orvane_e2e_suites_in_text(suites "${text}")
    if(NOT "${suites}" STREQUAL "${expected}")
        message(SEND_ERROR "For:\n${text}\nexpected [${expected}], read [${suites}]")
    endif()
endfunction()

# Each row: a source text, then the suites it declares.
expect_suites("TEST(BatchMode, WritesLines) {\n}\n" "BatchMode")
expect_suites("TEST_F(Fixture, Case) {}\nTEST(Plain, Case) {}\n" "Fixture;Plain")
expect_suites("  TEST( Spaced ,Case) {}\n\tTEST(\n    Wrapped,\n    Case) {}\n" "Spaced;Wrapped")
expect_suites("TEST(Same, One) {}\nTEST(Same, Two) {}\nTEST(Other, One) {}\n" "Same;Other")
expect_suites("// TEST(Commented, Out)\nstatic void MY_TEST(Helper, X);\nint CONTEST(a, b);\n" "")
expect_suites("#include \"harness.h\"\nnamespace {\n}\nTEST(AfterCode, Case) {}" "AfterCode")

# And the driver's real sources declare the suites whose fixtures the registration keeps.
file(GLOB sources ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
orvane_e2e_suites_of(suites ${sources})
foreach(kept IN ITEMS HardwareDevices Printing HighDpi BatchMode MainWindow)
    if(NOT kept IN_LIST suites)
        message(SEND_ERROR "The driver's sources declare no suite ${kept}: read [${suites}]")
    endif()
endforeach()
