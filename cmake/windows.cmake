# Windows build: orvane.exe (static, one file with its resources) and the end-to-end test driver.
enable_language(RC)

set(ORVANE_STATIC_LINK -static -static-libgcc -static-libstdc++)


# The icon is drawn from its shape description at build time by a tool that runs on the build machine.
set(ORVANE_ICON ${CMAKE_BINARY_DIR}/res/orvane.ico)
if(CMAKE_CROSSCOMPILING)
    find_program(ORVANE_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
    set(ORVANE_MAKE_ICON ${CMAKE_BINARY_DIR}/tools/make_icon_host)
    add_custom_command(OUTPUT ${ORVANE_MAKE_ICON}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tools
        COMMAND ${ORVANE_HOST_CXX} -std=c++20 -O2 -I${CMAKE_SOURCE_DIR}
                ${CMAKE_SOURCE_DIR}/tools/make_icon.cpp ${CMAKE_SOURCE_DIR}/res/picture.cpp -o ${ORVANE_MAKE_ICON}
        DEPENDS tools/make_icon.cpp res/picture.cpp res/picture.h
        COMMENT "Building the icon tool for the build machine")
    set(ORVANE_MAKE_ICON_COMMAND ${ORVANE_MAKE_ICON})
    set(ORVANE_MAKE_ICON_DEPENDS ${ORVANE_MAKE_ICON})
else()
    add_executable(make_icon tools/make_icon.cpp)
    target_link_libraries(make_icon PRIVATE orvane_core)
    set(ORVANE_MAKE_ICON_COMMAND $<TARGET_FILE:make_icon>)
    set(ORVANE_MAKE_ICON_DEPENDS make_icon)
endif()
add_custom_command(OUTPUT ${ORVANE_ICON}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/res
    COMMAND ${ORVANE_MAKE_ICON_COMMAND} ${ORVANE_ICON}
    DEPENDS ${ORVANE_MAKE_ICON_DEPENDS}
    COMMENT "Drawing orvane.ico")
add_custom_target(orvane_icon DEPENDS ${ORVANE_ICON})

add_library(orvane_win STATIC
    platform/win32/system_dlls.cpp
    platform/win32/win32_system.cpp
    platform/win32/win32_hardware.cpp
    platform/win32/win32_devices.cpp
    platform/win32/win32_network.cpp
    platform/win32/win32_identity.cpp
    platform/win32/win32_wmi.cpp
    platform/win32/win32_power.cpp
    platform/win32/win32_screen.cpp
    platform/win32/win32_volumes.cpp
    platform/win32/win32_programs.cpp
    platform/win32/win32_shell.cpp
    platform/win32/win32_sound.cpp
    platform/win32/win32_machine.cpp
    ui/print_image_win.cpp
    ui/clipboard_win.cpp
    screens/detail/detail_form_win.cpp
    screens/personal/personal_window_win.cpp
    ui/form_win.cpp
    ui/dpi_win.cpp
    ui/bitmap_win.cpp
    ui/colour_win.cpp
    ui/error_box_win.cpp
    ui/message_pump_win.cpp
    ui/control_kinds_win.cpp
    ui/label_win.cpp
    ui/button_win.cpp
    ui/paint_box_win.cpp
    ui/scroll_box_win.cpp
    ui/list_view_win.cpp
    ui/combo_box_win.cpp
    ui/check_list_win.cpp
    ui/group_box_win.cpp
    ui/gauge_win.cpp
    ui/status_bar_win.cpp
    ui/tool_bar_win.cpp
    ui/image_win.cpp
    ui/menu_win.cpp
    ui/locale_win.cpp
    ui/file_dialog_win.cpp
    ui/common_dialogs_win.cpp
    report/gdi_surface_win.cpp
    report/print_job_win.cpp
    screens/preview/print_preview_win.cpp
    app/main_window_win.cpp
    screens/about/about_box_win.cpp
    screens/help/help_window_win.cpp
    screens/memory/memory_window_win.cpp
    screens/cpu/cpu_window_win.cpp
    screens/display/display_window_win.cpp
    screens/drive/drive_window_win.cpp
    screens/lists/list_print_win.cpp
    screens/devices/device_window_win.cpp
    screens/uninstall/uninstall_window_win.cpp
    screens/sound/sound_window_win.cpp
    screens/startup/startup_window_win.cpp
    screens/machine/machine_window_win.cpp
    app/startup_trace_win.cpp
    machine/machine_records_win.cpp
    app/inventory_batch_win.cpp
)
# The system libraries the platform layer calls, for every program built on it. Those that are no known
# DLLs of the system are delay-loaded (platform/win32/system_dlls.cpp loads them from the system folder):
# Windows would otherwise load a file of their name from the exe's folder before the program starts.
find_program(ORVANE_DLLTOOL NAMES ${ORVANE_MINGW_PREFIX}-dlltool dlltool REQUIRED)
set(ORVANE_DELAY_LOADED winmm:winmm.dll iphlpapi:iphlpapi.dll mpr:mpr.dll netapi32:netapi32.dll
    uxtheme:uxtheme.dll winspool:winspool.drv)
set(ORVANE_DELAY_LIBS "")
foreach(entry IN LISTS ORVANE_DELAY_LOADED)
    string(REPLACE ":" ";" parts ${entry})
    list(GET parts 0 lib)
    list(GET parts 1 dll)
    find_library(ORVANE_IMPORT_${lib} NAMES ${lib} REQUIRED)
    set(delay_lib ${CMAKE_BINARY_DIR}/delay/lib${lib}_delay.a)
    add_custom_command(OUTPUT ${delay_lib}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay
        COMMAND ${CMAKE_COMMAND} -DNM=${CMAKE_NM} -DDLLTOOL=${ORVANE_DLLTOOL} -DIMPORT_LIB=${ORVANE_IMPORT_${lib}}
                -DDLL=${dll} -DDEF=${CMAKE_BINARY_DIR}/delay/${lib}.def -DOUT=${delay_lib}
                -DKILL_AT=$<IF:$<EQUAL:${CMAKE_SIZEOF_VOID_P},4>,ON,OFF> -P ${CMAKE_SOURCE_DIR}/cmake/delay_import.cmake
        DEPENDS ${CMAKE_SOURCE_DIR}/cmake/delay_import.cmake ${ORVANE_IMPORT_${lib}}
        COMMENT "Making the delay-import library of ${dll}")
    list(APPEND ORVANE_DELAY_LIBS ${delay_lib})
endforeach()
add_custom_target(orvane_delay_imports DEPENDS ${ORVANE_DELAY_LIBS})
add_dependencies(orvane_win orvane_delay_imports)
target_link_libraries(orvane_win PUBLIC orvane_core ws2_32 ole32 oleaut32 uuid comctl32 gdi32 user32
                      advapi32 ${ORVANE_DELAY_LIBS})
target_compile_options(orvane_win PRIVATE ${ORVANE_WARNINGS})
target_compile_definitions(orvane_win PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX WINVER=0x0601 _WIN32_WINNT=0x0601)
target_compile_definitions(orvane_core PUBLIC NOMINMAX)
# The 32-bit exe is built for size: it is the one that must stay small for the old systems and a download,
# and nothing it does waits on its own code's speed (the figures come from the system and the timed
# sleeps). The 64-bit exe keeps the release build's speed options.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    foreach(target IN ITEMS orvane_core orvane_win)
        target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Os>)
    endforeach()
endif()

add_executable(orvane WIN32 app/application_win.cpp res/orvane.rc)
add_dependencies(orvane orvane_icon)
set_source_files_properties(res/orvane.rc PROPERTIES OBJECT_DEPENDS "${ORVANE_ICON};${CMAKE_SOURCE_DIR}/res/orvane.manifest")
target_include_directories(orvane PRIVATE ${CMAKE_BINARY_DIR}/res ${CMAKE_SOURCE_DIR}/res)
target_compile_options(orvane PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${ORVANE_WARNINGS}>)
target_link_libraries(orvane PRIVATE orvane_win)
target_link_options(orvane PRIVATE ${ORVANE_STATIC_LINK} -s)

option(ORVANE_BUILD_E2E "Build the end-to-end test driver" ON)
if(ORVANE_BUILD_E2E)
    include(tests/e2e/driver.cmake)
endif()

# The benchmark of the probes on the real system (bench/probe_timings.sh): built with the exe, so that it
# never falls behind the code it measures, and run on demand.
add_executable(probe_timings bench/probe_timings.cpp)
target_compile_options(probe_timings PRIVATE ${ORVANE_WARNINGS})
target_link_libraries(probe_timings PRIVATE orvane_win)
target_link_options(probe_timings PRIVATE ${ORVANE_STATIC_LINK})

# The benchmark of the probes that can block (bench/probe_bounds.sh), built with the exe for the same reason.
add_executable(probe_bounds bench/probe_bounds.cpp)
target_compile_options(probe_bounds PRIVATE ${ORVANE_WARNINGS})
target_link_libraries(probe_bounds PRIVATE orvane_win)
target_link_options(probe_bounds PRIVATE ${ORVANE_STATIC_LINK})

# On-demand benchmark of the start-up (bench/startup_cost.sh): the floor program the batch report is
# measured against, the least program that does the report's required work, on the system's libraries
# alone; and the same work through the program's own WMI probes and Win32 layer. Built with the exe and
# run on demand.
add_executable(startup_floor WIN32 bench/startup_floor.cpp)
target_compile_options(startup_floor PRIVATE ${ORVANE_WARNINGS})
target_link_libraries(startup_floor PRIVATE ole32 oleaut32 wbemuuid comctl32 gdi32 user32)
target_link_options(startup_floor PRIVATE ${ORVANE_STATIC_LINK} -s)
add_executable(startup_floor_probes WIN32 bench/startup_floor_probes.cpp)
target_compile_options(startup_floor_probes PRIVATE ${ORVANE_WARNINGS})
target_link_libraries(startup_floor_probes PRIVATE orvane_win)
target_link_options(startup_floor_probes PRIVATE ${ORVANE_STATIC_LINK} -s)

# On-demand soak benchmark (bench/soak.sh): the program's own entry and windows in one process with a
# driver thread beside them, built with the exe for the same reason.
add_executable(orvane_soak bench/soak.cpp bench/soak_entry.cpp res/orvane.rc)
add_dependencies(orvane_soak orvane_icon)
target_include_directories(orvane_soak PRIVATE ${CMAKE_BINARY_DIR}/res ${CMAKE_SOURCE_DIR}/res)
target_compile_options(orvane_soak PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${ORVANE_WARNINGS}>)
target_link_libraries(orvane_soak PRIVATE orvane_win psapi)
target_link_options(orvane_soak PRIVATE ${ORVANE_STATIC_LINK})
