# Runs calorvia-batch on CASE with --set SETTING and on EDITED (the case
# edited by hand to the same entry), each in a fresh folder, and checks that
# both write the same result files, byte for byte.
#   cmake -DBATCH=... -DWORK=... -DCASE=... -DEDITED=... -DSETTING=NAME=VALUE -P same_results.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
foreach(run set edited)
  file(MAKE_DIRECTORY "${WORK}/${run}")
endforeach()
execute_process(COMMAND "${BATCH}" --set "${SETTING}" "${CASE}" WORKING_DIRECTORY "${WORK}/set"
                RESULT_VARIABLE set_status OUTPUT_QUIET ERROR_VARIABLE set_err)
execute_process(COMMAND "${BATCH}" "${EDITED}" WORKING_DIRECTORY "${WORK}/edited"
                RESULT_VARIABLE edited_status OUTPUT_QUIET ERROR_VARIABLE edited_err)
if(NOT set_status EQUAL 0 OR NOT edited_status EQUAL 0)
  message(FATAL_ERROR "runs failed: ${set_status} ${set_err} / ${edited_status} ${edited_err}")
endif()
file(GLOB written RELATIVE "${WORK}/edited" "${WORK}/edited/*.txt")
file(GLOB set_written RELATIVE "${WORK}/set" "${WORK}/set/*.txt")
if(NOT written STREQUAL set_written OR written STREQUAL "")
  message(FATAL_ERROR "different files: ${written} / ${set_written}")
endif()
foreach(name IN LISTS written)
  file(SHA256 "${WORK}/set/${name}" a)
  file(SHA256 "${WORK}/edited/${name}" b)
  if(NOT a STREQUAL b)
    message(FATAL_ERROR "${name} differs between --set ${SETTING} and the edited case")
  endif()
endforeach()
