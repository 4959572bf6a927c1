# Whole runs through the scripted platform, the result files, the hand
# editing of the Gauss-Seidel estimate.
calorvia_test(run_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/run_story_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/status_box_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/result_files_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/initial_estimate_test.cpp
  LIBRARIES calorvia_run)
target_compile_definitions(run_tests PRIVATE CALORVIA_DATA_DIR="${CALORVIA_DATA_DIR}")
add_dependencies(run_tests calorvia_data)

# The same on the real Qt window, offscreen.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
calorvia_test(run_gui_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/run_gui_test.cpp
  LIBRARIES calorvia_run calorvia_platform_qt Qt6::Widgets)
target_compile_definitions(run_gui_tests PRIVATE CALORVIA_DATA_DIR="${CALORVIA_DATA_DIR}")
add_dependencies(run_gui_tests calorvia_data)

# A finished transient run put on screen by itself, for the documentation's
# picture: calorvia-run-demo FOLDER.
add_executable(calorvia-run-demo ${CMAKE_CURRENT_LIST_DIR}/run_demo_main.cpp)
target_link_libraries(calorvia-run-demo PRIVATE calorvia_run calorvia_platform_qt Qt6::Widgets)
target_compile_definitions(calorvia-run-demo PRIVATE CALORVIA_DATA_DIR="${CALORVIA_DATA_DIR}")
add_dependencies(calorvia-run-demo calorvia_data)
calorvia_warnings(calorvia-run-demo)
