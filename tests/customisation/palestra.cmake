vibrana_test(test_palestra CORE ${CMAKE_CURRENT_LIST_DIR}/test_palestra.cpp)
