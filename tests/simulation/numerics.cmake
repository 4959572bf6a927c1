calorvia_test(numerics_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/direct_solver_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gauss_seidel_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/assembly_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/discretisation_rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exact_solution_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tolerance_file_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exact_steady_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/energy_balance_test.cpp
  LIBRARIES calorvia_numerics)
