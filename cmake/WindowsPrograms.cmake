# The Windows deliverables and the ready-to-copy program folder.

set(VXL_TARGET_NAME "${CMAKE_SYSTEM_PROCESSOR}" CACHE STRING "Name of the zip's target")
set(VXL_DIST_DIR ${CMAKE_BINARY_DIR}/dist)

# Win32 layer shared by both programs: handles, text conversion, windows.
file(GLOB VXL_WIN_SHARED_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/common/*_win.cpp
  ${CMAKE_SOURCE_DIR}/src/ui/*_win.cpp)
add_library(vexilor_win STATIC ${VXL_WIN_SHARED_SOURCES})
target_link_libraries(vexilor_win PUBLIC vexilor_core user32 gdi32 shell32
                      advapi32 msimg32 ole32 oleaut32 oleacc comctl32)
vxl_strict_warnings(vexilor_win)

function(vxl_windows_program target folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*_win.cpp
       ${CMAKE_SOURCE_DIR}/src/${folder}/*.rc)
  add_executable(${target} WIN32 ${sources})
  target_link_libraries(${target} PRIVATE vexilor_win)
  if(MINGW)
    target_link_options(${target} PRIVATE -municode)
  endif()
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VXL_DIST_DIR})
  vxl_strict_warnings(${target})
endfunction()

vxl_windows_program(Vexilor2 service)

# ZARTHOOK.DLL is loaded into every process of the desktop: plain C without
# the C runtime, importing only kernel32 and user32, exports undecorated.
add_library(ZartHook SHARED ${CMAKE_SOURCE_DIR}/src/hook/ZartHook.c)
target_include_directories(ZartHook PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_options(ZartHook PRIVATE -O2 -fno-stack-protector -fno-asynchronous-unwind-tables)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(VXL_HOOK_ENTRY _DllEntryPoint@12)
else()
  set(VXL_HOOK_ENTRY DllEntryPoint)
endif()
target_link_options(ZartHook PRIVATE -nostdlib -nostartfiles -Wl,--kill-at
                    -Wl,--entry,${VXL_HOOK_ENTRY})
target_link_libraries(ZartHook PRIVATE kernel32 user32)
set_target_properties(ZartHook PROPERTIES PREFIX "" OUTPUT_NAME ZARTHOOK SUFFIX ".DLL"
                      RUNTIME_OUTPUT_DIRECTORY ${VXL_DIST_DIR})
vxl_strict_warnings(ZartHook)

# Lang\, Help\ and Templates\ as shipped, refreshed on every build.
add_custom_target(dist_data ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR}/data -DDEST=${VXL_DIST_DIR}
          -P ${CMAKE_SOURCE_DIR}/cmake/CopyData.cmake
  COMMENT "Copying the program folder's data")

set(VXL_PROGRAMS Vexilor2 ZartHook)
add_custom_target(dist_zip ALL
  COMMAND ${CMAKE_COMMAND} -E tar cf ${CMAKE_BINARY_DIR}/Vexilor2-${VXL_TARGET_NAME}.zip
          --format=zip -- dist
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS ${VXL_PROGRAMS} dist_data
  COMMENT "Zipping the program folder")
