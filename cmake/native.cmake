# Native build: the portable core and its unit tests under AddressSanitizer and UBSan, and the
# registration of the end-to-end suite, which runs the Windows build under Wine.
enable_testing()

option(ORVANE_SANITIZE "Build the unit tests with AddressSanitizer and UBSan" ON)
if(ORVANE_SANITIZE)
    set(ORVANE_SANITIZER_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_compile_options(orvane_core PUBLIC ${ORVANE_SANITIZER_FLAGS})
    target_link_options(orvane_core PUBLIC ${ORVANE_SANITIZER_FLAGS})
endif()

find_package(GTest QUIET)
if(NOT GTest_FOUND)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_library(GTest::gtest_main ALIAS gtest_main)
endif()

file(GLOB ORVANE_UNIT_TESTS CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/core/*_test.cpp
    ${CMAKE_SOURCE_DIR}/probes/*_test.cpp
    ${CMAKE_SOURCE_DIR}/app/*_test.cpp
    ${CMAKE_SOURCE_DIR}/cpu/*_test.cpp
    ${CMAKE_SOURCE_DIR}/ui/*_test.cpp
    ${CMAKE_SOURCE_DIR}/report/*_test.cpp
    ${CMAKE_SOURCE_DIR}/res/*_test.cpp
    ${CMAKE_SOURCE_DIR}/launcher/*_test.cpp
    ${CMAKE_SOURCE_DIR}/screens/*/*_test.cpp
    ${CMAKE_SOURCE_DIR}/machine/*_test.cpp)
# Tables that only the tests walk (every registry read the program makes, every window's layout) are
# built into the test program, not into the product's library.
add_executable(orvane_unit ${ORVANE_UNIT_TESTS} platform/testing/test_machine.cpp platform/testing/sample_machine.cpp
               probes/registry_catalog.cpp app/window_layouts.cpp)
target_compile_options(orvane_unit PRIVATE ${ORVANE_WARNINGS})
target_compile_definitions(orvane_unit PRIVATE ORVANE_SHARED_DIR="${CMAKE_SOURCE_DIR}/../shared"
                           ORVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
target_link_libraries(orvane_unit PRIVATE orvane_core GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(orvane_unit DISCOVERY_TIMEOUT 60)

# The toolkit's files reach the form only through its small interface (no Wine needed).
add_test(NAME ui.form_includes COMMAND ${CMAKE_COMMAND} -DORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR}
         -P ${CMAKE_SOURCE_DIR}/ui/form_includes_test.cmake)

# End-to-end: the driver and the exe come from the Windows build tree named here.
set(ORVANE_WINDOWS_BUILD_DIR "" CACHE PATH "Windows build tree whose orvane.exe the end-to-end suite runs")
if(ORVANE_WINDOWS_BUILD_DIR)
    include(${CMAKE_SOURCE_DIR}/tests/e2e/e2e_tests.cmake)
    # The README's commands, each run once on a tiny amount of work.
    include(${CMAKE_SOURCE_DIR}/tests/commands/commands.cmake)
endif()

# The layout's arrows (which folders may include which, the calls kept in one place), read off the sources.
add_test(NAME layout.rules COMMAND bash ${CMAKE_SOURCE_DIR}/tests/rules/layout_rules.sh)

# Both exes import statically only DLLs that Windows takes from its system folder (objdump reads them).
set(ORVANE_WIN32_BUILD_DIR "" CACHE PATH "32-bit Windows build tree whose orvane.exe the import check reads")
if(ORVANE_WINDOWS_BUILD_DIR OR ORVANE_WIN32_BUILD_DIR)
    find_program(ORVANE_OBJDUMP NAMES x86_64-w64-mingw32-objdump i686-w64-mingw32-objdump objdump REQUIRED)
    set(ORVANE_CHECKED_EXES "")
    foreach(tree IN ITEMS ${ORVANE_WINDOWS_BUILD_DIR} ${ORVANE_WIN32_BUILD_DIR})
        list(APPEND ORVANE_CHECKED_EXES ${tree}/orvane.exe)
    endforeach()
    add_test(NAME imports.known_dlls COMMAND ${CMAKE_SOURCE_DIR}/tests/check_imports.sh ${ORVANE_OBJDUMP}
                                             ${ORVANE_CHECKED_EXES})
endif()
