# cmake [-DORVANE_SOURCE_DIR=<tree>] -P ui/form_includes_test.cmake: no file of the toolkit but the form's
# own includes ui/form_win.h. The control kinds, the containers and the message pump reach the form
# through ui/form_host_win.h, so that a kind's file never depends on the form's.
cmake_minimum_required(VERSION 3.20)
if(NOT ORVANE_SOURCE_DIR)
    get_filename_component(ORVANE_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
endif()

file(GLOB files RELATIVE ${ORVANE_SOURCE_DIR} ${ORVANE_SOURCE_DIR}/ui/*.cpp ${ORVANE_SOURCE_DIR}/ui/*.h)
if(NOT files)
    message(FATAL_ERROR "No toolkit files under ${ORVANE_SOURCE_DIR}/ui")
endif()
set(offenders "")
foreach(file IN LISTS files)
    if(file MATCHES "^ui/form_win\\.(cpp|h)$")
        continue()
    endif()
    file(STRINGS ${ORVANE_SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](ui/)?form_win\\.h[\">]")
    if(includes)
        list(APPEND offenders ${file})
    endif()
endforeach()
if(offenders)
    list(JOIN offenders "\n  " shown)
    message(FATAL_ERROR "These include ui/form_win.h; take what they need from ui/form_host_win.h or the "
                        "toolkit's small headers instead:\n  ${shown}")
endif()
