# Grid, property evaluation, assembly of the finite volume equations, the
# direct and the Gauss-Seidel solvers, and the tolerance file.
add_library(calorvia_numerics STATIC
  ${CMAKE_CURRENT_LIST_DIR}/control_volume_grid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/property_evaluation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/source_linearisation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scheme_choice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/discrete_system.cpp
  ${CMAKE_CURRENT_LIST_DIR}/assembly.cpp
  ${CMAKE_CURRENT_LIST_DIR}/boundary_condition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/direct_solver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gauss_seidel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tolerance_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exact_solution.cpp
  ${CMAKE_CURRENT_LIST_DIR}/energy_balance.cpp)
target_link_libraries(calorvia_numerics PUBLIC calorvia_case)
calorvia_warnings(calorvia_numerics)
