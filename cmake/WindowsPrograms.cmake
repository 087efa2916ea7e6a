# The Windows deliverables and the ready-to-copy program folder.

set(VXL_TARGET_NAME "${CMAKE_SYSTEM_PROCESSOR}" CACHE STRING "Name of the zip's target")
set(VXL_DIST_DIR ${CMAKE_BINARY_DIR}/dist)

# Win32 layer shared by both programs: handles, text conversion, windows.
file(GLOB VXL_WIN_SHARED_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/common/*_win.cpp
  ${CMAKE_SOURCE_DIR}/src/ui/*_win.cpp)
add_library(vexilor_win STATIC ${VXL_WIN_SHARED_SOURCES})
target_link_libraries(vexilor_win PUBLIC vexilor_core user32 gdi32 shell32
                      advapi32 msimg32 ole32 oleaut32 oleacc comctl32 comdlg32)
vxl_strict_warnings(vexilor_win)

# Resources every program carries (src/ui/res): the icon, drawn at build
# time, the shared manifest and the version numbers of the project.
enable_language(RC)
set(VXL_RES_DIR ${CMAKE_BINARY_DIR}/res)
string(LENGTH "${PROJECT_VERSION_MINOR}" minor_digits)
if(minor_digits LESS 2)
  set(VXL_VERSION_MINOR_2 "0${PROJECT_VERSION_MINOR}")  # "2.00", as the programs write it
else()
  set(VXL_VERSION_MINOR_2 "${PROJECT_VERSION_MINOR}")
endif()
configure_file(${CMAKE_SOURCE_DIR}/src/ui/res/VexilorVersion.h.in ${VXL_RES_DIR}/VexilorVersion.h)
add_custom_command(OUTPUT ${VXL_RES_DIR}/Vexilor.ico
  COMMAND sh ${CMAKE_SOURCE_DIR}/src/ui/res/make-icon.sh ${VXL_RES_DIR}/Vexilor.ico
  DEPENDS ${CMAKE_SOURCE_DIR}/src/ui/res/make-icon.sh
  COMMENT "Drawing the program icon")
add_custom_target(vxl_icon DEPENDS ${VXL_RES_DIR}/Vexilor.ico)

# A program's .rc defines its file name and description and includes
# ui/res/Program.rc; this gives it what that file needs.
function(vxl_program_resources target)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src ${VXL_RES_DIR})
  get_target_property(sources ${target} SOURCES)
  foreach(source ${sources})
    if(source MATCHES "\\.rc$")
      set_source_files_properties(${source} PROPERTIES OBJECT_DEPENDS
        "${VXL_RES_DIR}/Vexilor.ico;${CMAKE_SOURCE_DIR}/src/ui/res/Program.rc;${CMAKE_SOURCE_DIR}/src/ui/res/Vexilor.manifest")
    endif()
  endforeach()
  add_dependencies(${target} vxl_icon)
endfunction()

function(vxl_windows_program target folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*_win.cpp
       ${CMAKE_SOURCE_DIR}/src/${folder}/*.rc)
  add_executable(${target} WIN32 ${sources})
  target_link_libraries(${target} PRIVATE vexilor_win)
  vxl_program_resources(${target})
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
