# Warnings are errors on our own code only; third-party headers come in as
# system includes and are not affected.
function(calorvia_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wold-style-cast
    -Wnon-virtual-dtor -Woverloaded-virtual -Werror)
  # GCC 12 at -O3 reports false overlaps inside std::string concatenation
  # (" " + text); the warning finds nothing in our own code.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  # clang's -Wconversion also warns on every signed index into a container;
  # keep the same set of warnings as GCC's -Wconversion.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    target_compile_options(${target} PRIVATE -Wno-sign-conversion)
  endif()
endfunction()
