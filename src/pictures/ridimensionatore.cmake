target_sources(vibrana_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RidimensionatoreImmagini.h
  ${CMAKE_CURRENT_LIST_DIR}/RidimensionatoreImmagini.cpp)
