# Header-only libraries from Debian's packages, used by every build:
#   fmt (libfmt-dev)             writes the numbers of the files;
#   fast_float (libfast-float-dev) reads them;
#   Boost.Math (libboost-math-dev) gives the Bessel functions of the exact
#                                radial solutions.
# Each is reached through a folder of links to its own directory under the
# host's include folder, so that the web build, whose compiler must never see
# the host's C library headers, takes the very same headers.
set(CALORVIA_HOST_HEADERS ${PROJECT_BINARY_DIR}/host-headers)

function(calorvia_host_header_directory top probe)
  find_path(CALORVIA_${top}_PARENT ${probe} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  file(MAKE_DIRECTORY ${CALORVIA_HOST_HEADERS})
  file(CREATE_LINK ${CALORVIA_${top}_PARENT}/${top} ${CALORVIA_HOST_HEADERS}/${top} SYMBOLIC)
endfunction()

calorvia_host_header_directory(fmt fmt/format.h)
calorvia_host_header_directory(fast_float fast_float/fast_float.h)
calorvia_host_header_directory(boost boost/math/special_functions/bessel.hpp)

# Headers-only {fmt}: the same code in both builds, no library to link.
add_library(calorvia_fmt INTERFACE)
target_include_directories(calorvia_fmt SYSTEM INTERFACE ${CALORVIA_HOST_HEADERS})
target_compile_definitions(calorvia_fmt INTERFACE FMT_HEADER_ONLY=1)

add_library(calorvia_fast_float INTERFACE)
target_include_directories(calorvia_fast_float SYSTEM INTERFACE ${CALORVIA_HOST_HEADERS})

add_library(calorvia_boost_math INTERFACE)
target_include_directories(calorvia_boost_math SYSTEM INTERFACE ${CALORVIA_HOST_HEADERS})
