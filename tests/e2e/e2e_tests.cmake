# Registers the end-to-end suites with ctest. They run the exe of ${ORVANE_WINDOWS_BUILD_DIR} under
# Wine (with X from the caller: ./test starts Xvfb when there is no display).
#
# The suites are read from the driver's own sources, so a suite added there gets its ctest entry at the
# next build: every source file is a configure dependency. The entry e2e.registered then asks the built
# driver for its list and fails on any suite this file did not register.
set(ORVANE_E2E_ENV "ORVANE_WINDOWS_BUILD_DIR=${ORVANE_WINDOWS_BUILD_DIR}")
set(ORVANE_E2E_DIR ${CMAKE_SOURCE_DIR}/tests/e2e)

include(${ORVANE_E2E_DIR}/e2e_suites.cmake)
file(GLOB ORVANE_E2E_DRIVER_SOURCES CONFIGURE_DEPENDS ${ORVANE_E2E_DIR}/*.cpp)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ORVANE_E2E_DRIVER_SOURCES})
orvane_e2e_suites_of(ORVANE_E2E_SUITES ${ORVANE_E2E_DRIVER_SOURCES})

add_test(NAME e2e.prefix COMMAND ${ORVANE_E2E_DIR}/setup_prefix.sh)
set_tests_properties(e2e.prefix PROPERTIES ENVIRONMENT "${ORVANE_E2E_ENV}" FIXTURES_SETUP wine TIMEOUT 300)

# One ctest entry: a command run after the prefix is ready, alone on the Wine desktop.
function(orvane_e2e_test name)
    add_test(NAME e2e.${name} COMMAND ${ARGN})
    set_tests_properties(e2e.${name} PROPERTIES ENVIRONMENT "${ORVANE_E2E_ENV}" FIXTURES_REQUIRED wine
                         TIMEOUT 600 RESOURCE_LOCK wine_desktop)
endfunction()

# Suites with a fixture script around the driver, which runs the suite itself.
set(ORVANE_E2E_FIXTURE_SUITES "")
function(orvane_e2e_fixture suite)
    set(ORVANE_E2E_FIXTURE_${suite} ${ARGN} PARENT_SCOPE)
    set(ORVANE_E2E_FIXTURE_SUITES ${ORVANE_E2E_FIXTURE_SUITES} ${suite} PARENT_SCOPE)
endfunction()
# A CD-ROM drive and a serial port planted in the prefix,
orvane_e2e_fixture(HardwareDevices ${ORVANE_E2E_DIR}/hardware_fixture.sh "HardwareDevices.*")
# CUPS with its PDF printer, the printouts read back,
orvane_e2e_fixture(Printing ${ORVANE_E2E_DIR}/print_fixture.sh)
# the same windows on a 144-DPI screen,
orvane_e2e_fixture(HighDpi ${ORVANE_E2E_DIR}/dpi_fixture.sh)
# a CD-ROM drive without a medium,
orvane_e2e_fixture(DriveWindow ${ORVANE_E2E_DIR}/drive_fixture.sh "DriveWindow.*")
# the same printer for the inventory lists' printouts,
orvane_e2e_fixture(ListPrinting ${ORVANE_E2E_DIR}/list_print_fixture.sh)
# the sound window without a sound server (its tests with one run under SoundServer below),
orvane_e2e_fixture(SoundWindow ${ORVANE_E2E_DIR}/run_driver.sh "SoundWindow.*-SoundWindow.*WithASoundServer")
# a recorded EDID and firmware strings planted under a private /sys/class for the machine window,
orvane_e2e_fixture(MachineWindow ${ORVANE_E2E_DIR}/machine_fixture.sh)
# a 64 KB drive for the reports written onto a full disk,
orvane_e2e_fixture(FileFaults ${ORVANE_E2E_DIR}/full_disk_fixture.sh "FileFaults.*")
# a double-byte ANSI code page for the registry's long names,
orvane_e2e_fixture(LongNames ${ORVANE_E2E_DIR}/dbcs_fixture.sh "LongNames.*")
# and the inventory's documents checked against their schema and opened in a headless browser.
orvane_e2e_fixture(Inventory ${ORVANE_E2E_DIR}/inventory_fixture.sh "Inventory.*")
foreach(suite IN LISTS ORVANE_E2E_FIXTURE_SUITES)
    if(NOT suite IN_LIST ORVANE_E2E_SUITES)
        message(FATAL_ERROR "End-to-end suite ${suite} has a fixture script but no tests in ${ORVANE_E2E_DIR}")
    endif()
endforeach()

# Every suite of the driver, one entry each: its fixture script, or the driver alone.
foreach(suite IN LISTS ORVANE_E2E_SUITES)
    if(suite IN_LIST ORVANE_E2E_FIXTURE_SUITES)
        orvane_e2e_test(${suite} ${ORVANE_E2E_FIXTURE_${suite}})
    else()
        orvane_e2e_test(${suite} ${ORVANE_E2E_DIR}/run_driver.sh "${suite}.*")
    endif()
endforeach()

# The sound row and the sound window again, with a sound server running, as Wine then offers them.
orvane_e2e_test(SoundServer ${ORVANE_E2E_DIR}/sound_fixture.sh
                "HardwareRows.DisplayInputAndSoundAsWineOffersThem:SoundWindow.DeviceLines*:SoundWindow.*WithASoundServer")

# The driver's own list against the entries above.
orvane_e2e_test(registered ${ORVANE_E2E_DIR}/check_registered.sh ${ORVANE_E2E_SUITES})
# How the suites are read from the sources (no Wine needed).
add_test(NAME e2e.suites_read COMMAND ${CMAKE_COMMAND} -P ${ORVANE_E2E_DIR}/e2e_suites_test.cmake)
