# Installs the build tree BUILD into PREFIX, replacing whatever an earlier
# run left there, so that the install test sees exactly one installation.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()

# Each program has one install rule: a second would install it again, which
# shows as a second line naming it.
foreach(program calorvia calorvia-batch)
  string(REGEX MATCHALL "[^\n]*/bin/${program}\n" lines "${output}")
  list(LENGTH lines count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "bin/${program} is installed ${count} times:\n${output}")
  endif()
endforeach()
