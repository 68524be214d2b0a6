# The end-to-end driver: a Windows program built with GoogleTest from the sources that Debian's
# googletest package (or the Windows user's own checkout, via ORVANE_GOOGLETEST_DIR) provides.
set(ORVANE_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the end-to-end driver")
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${ORVANE_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB ORVANE_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(orvane_e2e ${ORVANE_E2E_SOURCES})
target_include_directories(orvane_e2e PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(orvane_e2e PRIVATE ${ORVANE_WARNINGS})
target_compile_definitions(orvane_e2e PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
# The platform layer's archive too, for the suite that asks its calls directly (platform_calls_e2e.cpp),
# without the build settings it gives the program (the driver is built for today's Windows).
add_dependencies(orvane_e2e orvane_win)
target_link_libraries(orvane_e2e PRIVATE $<TARGET_FILE:orvane_win> orvane_core gtest_main comdlg32 ws2_32 ole32
                      oleaut32 uuid comctl32 wbemuuid advapi32 user32 gdi32 iphlpapi netapi32 uxtheme winspool winmm mpr)
target_link_options(orvane_e2e PRIVATE ${ORVANE_STATIC_LINK})
