# The run driver, the result files and the hand editing of the Gauss-Seidel
# estimate: one simulation from Begin Simulation to the result files.
add_library(calorvia_run STATIC
  ${CMAKE_CURRENT_LIST_DIR}/simulation_run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/result_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/initial_estimate.cpp)
target_link_libraries(calorvia_run
  PUBLIC calorvia_numerics calorvia_graphs calorvia_platform calorvia_catalogue calorvia_shell
         calorvia_text calorvia_interpreter)
calorvia_warnings(calorvia_run)
