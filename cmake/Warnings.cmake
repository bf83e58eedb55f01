# Warnings are errors for the project's own code, with GCC, Clang and MSVC alike.
function(zubolo_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /utf-8 /permissive-)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
      -finput-charset=UTF-8 -fexec-charset=UTF-8)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      # GCC 12 reports impossible overlaps inside std::basic_string when optimizing (GCC bug 105329).
      target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
  endif()
endfunction()
