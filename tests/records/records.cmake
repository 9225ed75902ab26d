vibrana_test(test_records CORE
  ${CMAKE_CURRENT_LIST_DIR}/test_figure.cpp)
