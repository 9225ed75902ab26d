vibrana_test(test_dati CORE
  test_traduttore.cpp
  test_letterali.cpp
  test_db.cpp
  test_schema.cpp
  test_archivio.cpp)
