target_sources(vibrana_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ContatoreTempi.h
  ${CMAKE_CURRENT_LIST_DIR}/ContatoreTempi.cpp)
