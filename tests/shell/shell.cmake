vibrana_test(test_shell_core CORE ${CMAKE_CURRENT_LIST_DIR}/test_testo_menu.cpp)

vibrana_test(test_shell_gui GUI
  ${CMAKE_CURRENT_LIST_DIR}/test_f_library.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_avanzamento.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_risoluzione.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_own_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_principale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_avvio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_finestre_info.cpp)

# The safety net lives in the application object, so this test builds its own.
add_executable(test_shell_rete ${CMAKE_CURRENT_LIST_DIR}/test_rete.cpp)
target_link_libraries(test_shell_rete PRIVATE vibrana_test_comune vibrana_gui vibrana_avvisi)
add_test(NAME test_shell_rete COMMAND test_shell_rete)
set_tests_properties(test_shell_rete PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 120)
