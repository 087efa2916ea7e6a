# Shared build settings of the project's own targets.

function(vxl_strict_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /utf-8)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  endif()
endfunction()

if(WIN32)
  # Unicode W functions everywhere; no min/max macros from windows.h.
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                          _WIN32_WINNT=0x0601 WINVER=0x0601)
  # The program folder must run without runtime DLLs next to it.
  if(MINGW)
    add_link_options(-static -static-libgcc -static-libstdc++)
  endif()
endif()
