vibrana_test(test_tempi CORE ${CMAKE_CURRENT_LIST_DIR}/test_tempi.cpp)
