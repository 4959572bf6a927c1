# Makes the Debian package of the build tree BUILD with that tree's own CPack
# configuration, into WORK (emptied first), checks it, and unpacks it into
# WORK/root for the install tests.
#   cmake -DBUILD=dir -DWORK=dir -DCPACK=cpack -DVERSION=x.y.z -P package_tree.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
                  ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "${command} failed (${status}):\n${output}${errors}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

run("${CPACK}" --config "${BUILD}/CPackConfig.cmake" -B "${WORK}")
set(made "${output}")

run(dpkg --print-architecture)
string(STRIP "${output}" architecture)
set(deb "${WORK}/calorvia_${VERSION}_${architecture}.deb")
if(NOT EXISTS "${deb}")
  file(GLOB packages "${WORK}/*.deb")
  message(FATAL_ERROR "no ${deb}; CPack made: ${packages}\n${made}")
endif()

# The control fields a package manager reads.
foreach(check
    "Package|^calorvia$"
    "Version|^${VERSION}$"
    "Architecture|^${architecture}$"
    "Section|^science$"
    "Maintainer|^[^<]+<[^>]+>$"
    "Description|^[a-z].*\n .+"
    # Found by dpkg-shlibdeps from what the programs link, with their versions.
    "Depends|libqt6widgets6 \\(>= [^)]+\\).*|libqt6core6 \\(>= [^)]+\\)"
    "Depends|libc6 \\(>= [^)]+\\)")
  string(FIND "${check}" "|" bar)
  string(SUBSTRING "${check}" 0 ${bar} field)
  math(EXPR start "${bar} + 1")
  string(SUBSTRING "${check}" ${start} -1 pattern)
  run(dpkg-deb --field "${deb}" ${field})
  string(STRIP "${output}" value)
  if(NOT value MATCHES "${pattern}")
    message(FATAL_ERROR "the package's ${field} is \"${value}\", which does not match ${pattern}")
  endif()
endforeach()

# What it holds: everything under /usr, the programs executable by all.
run(dpkg-deb --contents "${deb}")
set(listing "${output}")
string(REGEX MATCHALL "[^\n]+" entries "${listing}")
foreach(entry IN LISTS entries)
  if(NOT entry MATCHES " \\./(usr/.*)?$")
    message(FATAL_ERROR "the package puts a file outside /usr: ${entry}")
  endif()
endforeach()
foreach(program calorvia calorvia-batch)
  if(NOT listing MATCHES "\n-rwxr-xr-x root/root [^\n]* \\./usr/bin/${program}\n")
    message(FATAL_ERROR "no executable /usr/bin/${program} in the package:\n${listing}")
  endif()
endforeach()
foreach(file
    lib/calorvia/calorvia-batch-pictures.so
    share/man/man1/calorvia.1.gz
    share/man/man1/calorvia-batch.1.gz
    share/applications/calorvia.desktop
    share/calorvia/Bitmap/Cilindro.bmp
    share/calorvia/Bitmap/Parede.bmp
    share/calorvia/Bitmap/Esfera.bmp
    share/calorvia/Bitmap/Equation.bmp
    share/calorvia/help/Help.html
    share/calorvia/help/Ajuda.html
    share/calorvia/help/Syntax.html
    share/calorvia/help/Sintaxe.html
    share/calorvia/help/Home.html
    share/calorvia/help/Inicio.html
    share/calorvia/help/help.css
    share/calorvia/README.md)
  string(REPLACE "." "\\." pattern "${file}")
  if(NOT listing MATCHES "\n-rw-r--r-- root/root [^\n]* \\./usr/${pattern}\n")
    message(FATAL_ERROR "no /usr/${file} in the package:\n${listing}")
  endif()
endforeach()

run(dpkg-deb --extract "${deb}" "${WORK}/root")
