# Our own code builds with a strict set of warnings. They are errors where we
# develop (the CMake presets and CI turn CALORVIA_WARNINGS_AS_ERRORS on), but
# not in a plain build: another compiler version may warn where ours does
# not, and that must not stop someone building a release. Third-party
# headers come in as system includes and are not affected.
option(CALORVIA_WARNINGS_AS_ERRORS "Treat compiler warnings on Calorvia's own code as errors" OFF)

function(calorvia_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wold-style-cast
    -Wnon-virtual-dtor -Woverloaded-virtual)
  if(CALORVIA_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
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
