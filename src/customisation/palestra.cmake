target_sources(vibrana_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/palestra.h
  ${CMAKE_CURRENT_LIST_DIR}/palestra.cpp)
