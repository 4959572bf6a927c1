# Makes the served folder's page after each link of the program: calorvia.html
# from calorvia.html.in with the hash of every file it loads, so that a
# browser fetches each file again whenever its content changes, even when the
# version (and so the name) stays the same.
#   -D SOURCE=<page sources> -D OUTPUT=<served folder> -D PROGRAM=<name without .js>
#   -D HELP=<data folder's help documents>
function(short_hash file variable)
  file(SHA256 ${file} hash)
  string(SUBSTRING ${hash} 0 16 hash)
  set(${variable} ${hash} PARENT_SCOPE)
endfunction()

file(COPY ${SOURCE}/calorvia.css ${SOURCE}/calorvia-page.js DESTINATION ${OUTPUT})
file(REMOVE_RECURSE ${OUTPUT}/help)
file(COPY ${HELP}/ DESTINATION ${OUTPUT}/help)

short_hash(${OUTPUT}/calorvia.css CSS_HASH)
short_hash(${OUTPUT}/calorvia-page.js PAGE_HASH)
set(PROGRAM_JS ${PROGRAM}.js)
set(HASHES "{")
foreach(suffix js wasm data)
  short_hash(${OUTPUT}/${PROGRAM}.${suffix} hash)
  string(APPEND HASHES "\"${PROGRAM}.${suffix}\":\"${hash}\",")
endforeach()
string(REGEX REPLACE ",$" "}" HASHES "${HASHES}")
configure_file(${SOURCE}/calorvia.html.in ${OUTPUT}/calorvia.html @ONLY)
