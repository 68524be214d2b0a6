# Registers the end-to-end suites with ctest. They run the exe of ${ORVANE_WINDOWS_BUILD_DIR} under
# Wine (with X from the caller: ./test starts Xvfb when there is no display).
set(ORVANE_E2E_ENV "ORVANE_WINDOWS_BUILD_DIR=${ORVANE_WINDOWS_BUILD_DIR}")
set(ORVANE_E2E_DIR ${CMAKE_SOURCE_DIR}/tests/e2e)

add_test(NAME e2e.prefix COMMAND ${ORVANE_E2E_DIR}/setup_prefix.sh)
set_tests_properties(e2e.prefix PROPERTIES ENVIRONMENT "${ORVANE_E2E_ENV}" FIXTURES_SETUP wine TIMEOUT 300)

# One ctest entry: a command run after the prefix is ready, alone on the Wine desktop.
function(orvane_e2e_test name)
    add_test(NAME e2e.${name} COMMAND ${ARGN})
    set_tests_properties(e2e.${name} PROPERTIES ENVIRONMENT "${ORVANE_E2E_ENV}" FIXTURES_REQUIRED wine
                         TIMEOUT 600 RESOURCE_LOCK wine_desktop)
endfunction()

# Suites that need nothing around the driver, one entry each.
foreach(suite IN ITEMS BatchMode VersionModes VersionGate RefreshErrors Interactive MainWindow MemoryWindow AboutAndHelp
                       HardwareRows WmiRows FirmwareRows PersonalWindow ModemRow Outputs Launcher)
    orvane_e2e_test(${suite} ${ORVANE_E2E_DIR}/run_driver.sh "${suite}.*")
endforeach()

# Suites with a fixture script around the driver:
# a CD-ROM drive and a serial port planted in the prefix,
orvane_e2e_test(HardwareDevices ${ORVANE_E2E_DIR}/hardware_fixture.sh "HardwareDevices.*")
# CUPS with its PDF printer, the printouts read back,
orvane_e2e_test(Printing ${ORVANE_E2E_DIR}/print_fixture.sh)
# the same windows on a 144-DPI screen,
orvane_e2e_test(HighDpi ${ORVANE_E2E_DIR}/dpi_fixture.sh)
# and the sound row and the sound window with and without a sound server running.
orvane_e2e_test(SoundWindow ${ORVANE_E2E_DIR}/run_driver.sh "SoundWindow.*-SoundWindow.*WithASoundServer")
orvane_e2e_test(SoundServer ${ORVANE_E2E_DIR}/sound_fixture.sh
                "HardwareRows.DisplayInputAndSoundAsWineOffersThem:SoundWindow.DeviceLines*:SoundWindow.*WithASoundServer")
