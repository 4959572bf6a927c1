# Installation. Both programs go to bin/ and find their data from there, in
# ../share/calorvia (the pictures, help documents and README, installed by
# src/shell with the build tree's data folder); the desktop entry goes where
# desktop menus look for it. bin/ and share/ are fixed names, not
# GNUInstallDirs, because the programs find their data by that relative path.
install(TARGETS calorvia calorvia-batch RUNTIME DESTINATION bin)
# The batch program's picture module, found from bin/ at ../lib/calorvia.
# Read-only like any shared library (dlopen needs no execute bit).
install(TARGETS calorvia-batch-pictures LIBRARY DESTINATION lib/calorvia
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES ${PROJECT_SOURCE_DIR}/data/calorvia.desktop DESTINATION share/applications)
