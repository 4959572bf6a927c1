# Installation of the web build: the folder a teacher puts on a static host.
# `cmake --install build/web --prefix DIR` copies into DIR the page, the
# program's versioned files, the page's assets and the help documents the help
# panel shows; calorvia-batch.js (for node) stays in the build tree.
set(web_program calorvia-${PROJECT_VERSION})
install(FILES
  ${PROJECT_BINARY_DIR}/calorvia.html
  ${PROJECT_BINARY_DIR}/${web_program}.js
  ${PROJECT_BINARY_DIR}/${web_program}.wasm
  ${PROJECT_BINARY_DIR}/${web_program}.data
  ${PROJECT_BINARY_DIR}/calorvia-page.js
  ${PROJECT_BINARY_DIR}/calorvia.css
  DESTINATION .)
# The zip maker of the results' download, when the build found it.
install(FILES ${PROJECT_BINARY_DIR}/fflate.js DESTINATION . OPTIONAL)
install(DIRECTORY ${PROJECT_BINARY_DIR}/help DESTINATION .)
