# Registers the end-to-end suites with ctest. They run the exe of ${ORVANE_WINDOWS_BUILD_DIR} under
# Wine (with X from the caller: ./test starts Xvfb when there is no display).
set(ORVANE_E2E_ENV "ORVANE_WINDOWS_BUILD_DIR=${ORVANE_WINDOWS_BUILD_DIR}")

add_test(NAME e2e.prefix COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/setup_prefix.sh)
set_tests_properties(e2e.prefix PROPERTIES ENVIRONMENT "${ORVANE_E2E_ENV}" FIXTURES_SETUP wine TIMEOUT 300)

# One ctest entry per suite of the driver.
set(ORVANE_E2E_SUITES
    BatchMode
    VersionModes
    VersionGate
    RefreshErrors
    Interactive
    MainWindow
    AboutAndHelp
    HardwareRows
    WmiRows
    FirmwareRows
    PersonalWindow
    ModemRow
    Outputs
)
foreach(suite IN LISTS ORVANE_E2E_SUITES)
    add_test(NAME e2e.${suite} COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/run_driver.sh "${suite}.*")
    set_tests_properties(e2e.${suite} PROPERTIES ENVIRONMENT "${ORVANE_E2E_ENV}" FIXTURES_REQUIRED wine
                         TIMEOUT 600 RESOURCE_LOCK wine_desktop)
endforeach()

# Suites that need a CD-ROM drive and a serial port planted around the driver.
set(ORVANE_E2E_FIXTURE_SUITES
    HardwareDevices
)
foreach(suite IN LISTS ORVANE_E2E_FIXTURE_SUITES)
    add_test(NAME e2e.${suite} COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/hardware_fixture.sh "${suite}.*")
    set_tests_properties(e2e.${suite} PROPERTIES ENVIRONMENT "${ORVANE_E2E_ENV}" FIXTURES_REQUIRED wine
                         TIMEOUT 600 RESOURCE_LOCK wine_desktop)
endforeach()

# Printing needs CUPS with its PDF printer around the driver.
add_test(NAME e2e.Printing COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/print_fixture.sh)
set_tests_properties(e2e.Printing PROPERTIES ENVIRONMENT "${ORVANE_E2E_ENV}" FIXTURES_REQUIRED wine
                     TIMEOUT 600 RESOURCE_LOCK wine_desktop)

# The same windows on a 144-DPI screen.
add_test(NAME e2e.HighDpi COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/dpi_fixture.sh)
set_tests_properties(e2e.HighDpi PROPERTIES ENVIRONMENT "${ORVANE_E2E_ENV}" FIXTURES_REQUIRED wine
                     TIMEOUT 600 RESOURCE_LOCK wine_desktop)

# The sound row with a sound server running.
add_test(NAME e2e.SoundServer COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/sound_fixture.sh)
set_tests_properties(e2e.SoundServer PROPERTIES ENVIRONMENT "${ORVANE_E2E_ENV}" FIXTURES_REQUIRED wine
                     TIMEOUT 600 RESOURCE_LOCK wine_desktop)
