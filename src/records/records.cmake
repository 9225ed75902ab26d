target_sources(vibrana_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Collezione.h
  ${CMAKE_CURRENT_LIST_DIR}/ValoreByte.h
  ${CMAKE_CURRENT_LIST_DIR}/Figure.h
  ${CMAKE_CURRENT_LIST_DIR}/Figure.cpp)
