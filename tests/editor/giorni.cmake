vibrana_test(test_giorni CORE ${CMAKE_CURRENT_LIST_DIR}/test_giorni.cpp)
