target_sources(vibrana_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GGAllenHELPER.h
  ${CMAKE_CURRENT_LIST_DIR}/GGAllenHELPER.cpp)
