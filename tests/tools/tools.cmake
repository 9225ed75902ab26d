# The picture tool: its pose table against the committed catalogue SQL, and the poses themselves.
vibrana_test(test_disegni CORE ${CMAKE_CURRENT_LIST_DIR}/test_disegni.cpp)
target_link_libraries(test_disegni PRIVATE vibrana_disegni_sorgenti)
target_compile_definitions(test_disegni PRIVATE
  VIBRANA_DISEGNI_ESEGUIBILE="$<TARGET_FILE:vibrana-disegni>"
  VIBRANA_SQL_FIGURE="${PROJECT_SOURCE_DIR}/resources/database/10_figure.sql")
add_dependencies(test_disegni vibrana-disegni)
