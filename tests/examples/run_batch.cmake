# Runs calorvia-batch once in a fresh folder and checks what it did.
#   cmake -DBATCH=... -DCASE=... -DWORK=... [-DOPTIONS=a|b] [-DCOPY=f1|f2]
#         [-DSTATUS=0] [-DSTDERR=regex] [-DSTDOUT=regex] [-DGOLDEN=dir]
#         [-DFILES=n1|n2] [-DABSENT=n1|n2] [-DUNLISTED=n1|n2] [-DPNG=name] [-DSVG=name]
#         [-DBLOCK=n1|n2] [-DEMPTY=n1|n2] [-DKEEP=name] -P run_batch.cmake
# BLOCK puts a non-empty folder where the run wants to write each file; KEEP
# names a copied file that must come out of the run unchanged. EMPTY puts an
# empty folder of each name there, which the run must leave in place. UNLISTED names
# files standard output must not list as written.
# Lists are given with "|" so that they pass through add_test unchanged.
# The case file must come out of the run byte for byte as it went in.
cmake_minimum_required(VERSION 3.25)

foreach(list OPTIONS COPY FILES ABSENT UNLISTED BLOCK EMPTY)
  string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
if(NOT DEFINED STATUS)
  set(STATUS 0)
endif()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
foreach(extra IN LISTS COPY)
  file(COPY "${extra}" DESTINATION "${WORK}")
endforeach()
set(before missing)
if(EXISTS "${CASE}")
  file(SHA256 "${CASE}" before)
endif()
if(DEFINED KEEP)
  file(SHA256 "${WORK}/${KEEP}" kept_before)
endif()
foreach(blocked IN LISTS BLOCK)
  file(WRITE "${WORK}/${blocked}/keep" "")
endforeach()
foreach(folder IN LISTS EMPTY)
  file(MAKE_DIRECTORY "${WORK}/${folder}")
endforeach()

execute_process(COMMAND "${BATCH}" ${OPTIONS} "${CASE}"
                WORKING_DIRECTORY "${WORK}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err
                TIMEOUT 60)
set(report "status ${status}\n--- stdout\n${out}--- stderr\n${err}")

if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "expected exit status ${STATUS}\n${report}")
endif()
if(DEFINED STDERR AND NOT err MATCHES "${STDERR}")
  message(FATAL_ERROR "standard error does not match \"${STDERR}\"\n${report}")
endif()
if(DEFINED STDOUT AND NOT out MATCHES "${STDOUT}")
  message(FATAL_ERROR "standard output does not match \"${STDOUT}\"\n${report}")
endif()
set(after missing)
if(EXISTS "${CASE}")
  file(SHA256 "${CASE}" after)
endif()
if(NOT before STREQUAL after)
  message(FATAL_ERROR "the run changed the case file ${CASE}")
endif()

if(DEFINED KEEP)
  file(SHA256 "${WORK}/${KEEP}" kept_after)
  if(NOT kept_before STREQUAL kept_after)
    message(FATAL_ERROR "the run changed ${KEEP}\n${report}")
  endif()
endif()

foreach(name IN LISTS FILES)
  if(NOT EXISTS "${WORK}/${name}")
    message(FATAL_ERROR "the run did not write ${name}\n${report}")
  endif()
  if(NOT out MATCHES "(^|\n)${name}\n")
    message(FATAL_ERROR "standard output does not list ${name}\n${report}")
  endif()
endforeach()
foreach(name IN LISTS ABSENT)
  if(EXISTS "${WORK}/${name}")
    message(FATAL_ERROR "the run wrote ${name}, which it should not\n${report}")
  endif()
endforeach()
foreach(folder IN LISTS EMPTY)
  if(NOT IS_DIRECTORY "${WORK}/${folder}")
    message(FATAL_ERROR "the run removed the empty folder ${folder}\n${report}")
  endif()
endforeach()
foreach(name IN LISTS UNLISTED)
  if(out MATCHES "(^|\n)${name}\n")
    message(FATAL_ERROR "standard output lists ${name}, which was not written\n${report}")
  endif()
endforeach()

# Every stored result file must be written again exactly.
if(DEFINED GOLDEN)
  file(GLOB stored RELATIVE "${GOLDEN}" "${GOLDEN}/*")
  if(NOT stored)
    message(FATAL_ERROR "no stored result files in ${GOLDEN}")
  endif()
  foreach(name IN LISTS stored)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                            "${GOLDEN}/${name}" "${WORK}/${name}"
                    RESULT_VARIABLE differs)
    if(differs)
      message(FATAL_ERROR "${name} differs from the stored ${GOLDEN}/${name}\n${report}")
    endif()
  endforeach()
endif()

if(DEFINED PNG)
  file(READ "${WORK}/${PNG}" magic LIMIT 8 HEX)
  if(NOT magic STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${PNG} is not a PNG picture\n${report}")
  endif()
endif()
if(DEFINED SVG)
  file(READ "${WORK}/${SVG}" svg)
  if(NOT svg MATCHES "<svg[^>]*width=\"320\" height=\"240\"" OR
     NOT svg MATCHES "data:image/png;base64,")
    message(FATAL_ERROR "${SVG} is not the expected SVG picture\n${report}")
  endif()
endif()
