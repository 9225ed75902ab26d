vibrana_test(test_base CORE test_logger.cpp test_cartella.cpp test_arrotonda.cpp)
