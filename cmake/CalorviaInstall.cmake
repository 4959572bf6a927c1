# Installation. Both programs go to bin/ and find their data from there, in
# ../share/calorvia (the pictures, help documents and README, installed by
# src/shell with the build tree's data folder); the desktop entry goes where
# desktop menus look for it. bin/ and share/ are fixed names, not
# GNUInstallDirs, because the programs find their data by that relative path.
install(TARGETS calorvia calorvia-batch RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/data/calorvia.desktop DESTINATION share/applications)
