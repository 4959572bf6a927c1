# The manual pages and the Debian package.
#
# Each program's manual page is made at build time from its own --help and
# --version by help2man, so that it never disagrees with the program, and
# installed gzipped to share/man/man1.
#
#   cmake --build --preset release --target package
#
# then makes calorvia_<version>_<architecture>.deb (CPack's DEB generator)
# from the installation rules, for /usr. The libraries it needs (Qt, the C++
# runtime) are found by dpkg-shlibdeps and declared as its dependencies.

find_program(CALORVIA_HELP2MAN help2man)
if(CALORVIA_HELP2MAN)
  set(manual_folder ${PROJECT_BINARY_DIR}/man)
  set(manual_pages)
  foreach(entry
      "calorvia|learn 1-D heat conduction by the finite volume method, in a window"
      "calorvia-batch|run a saved Calorvia case without a window")
    string(REPLACE "|" ";" fields "${entry}")
    list(GET fields 0 program)
    list(GET fields 1 summary)
    set(page ${manual_folder}/${program}.1)
    # gzip -n leaves the time stamp and name out, as Debian's manual pages are.
    add_custom_command(OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${manual_folder}
      COMMAND ${CALORVIA_HELP2MAN} --no-info --section=1 --name=${summary}
              --output=${page} $<TARGET_FILE:${program}>
      COMMAND gzip -9nf ${page}
      DEPENDS ${program}
      COMMENT "Writing the manual page of ${program}"
      VERBATIM)
    list(APPEND manual_pages ${page}.gz)
  endforeach()
  add_custom_target(calorvia_manual_pages ALL DEPENDS ${manual_pages})
  install(FILES ${manual_pages} DESTINATION share/man/man1)
else()
  message(WARNING "help2man was not found (Debian package help2man): the installation and "
                  "the package will have no manual pages.")
endif()

# Who answers for the package; a computer lab that builds its own sets its own
# with -DCALORVIA_PACKAGE_MAINTAINER="Name <address>".
set(CALORVIA_PACKAGE_MAINTAINER "Calorvia developers <calorvia@invalid>"
    CACHE STRING "the Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME calorvia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "teaching program for 1-D heat conduction by the finite volume method")
# The summary above is the first line of the Debian description; CPack
# indents the rest and turns the empty line into a paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Calorvia is a program for learning one-dimensional heat conduction and
diffusion-convection by the finite volume method. A plane slab is described
by its length, number of control volumes, conductivity, source term, velocity
and the conditions at both ends; Calorvia solves it, steady or in time,
directly or by Gauss-Seidel iteration, draws the temperature profiles and
writes the results as plain-text files. Properties may be formulas of the
temperature. It speaks English and Portuguese.

The package holds the desktop program, calorvia, and calorvia-batch, which
runs a saved case without a window, for scripts, assignments and figures.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CALORVIA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
