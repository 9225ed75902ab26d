vibrana_test(test_ridimensionatore GUI ${CMAKE_CURRENT_LIST_DIR}/ridimensionatore_test.cpp)
