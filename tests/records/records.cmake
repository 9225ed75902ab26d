vibrana_test(test_records CORE
  ${CMAKE_CURRENT_LIST_DIR}/ArchivioSchede.h
  ${CMAKE_CURRENT_LIST_DIR}/ArchivioSchede.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_collezione.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_ctime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_figure.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_categorie.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_utente.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_scheda.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_modello.cpp)
