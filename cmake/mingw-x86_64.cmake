# The same sources built as a 64-bit exe. Machines that cannot execute 32-bit x86 code at all (some
# virtual machines refuse it outright) run the end-to-end suite against this build under 64-bit Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORVANE_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
