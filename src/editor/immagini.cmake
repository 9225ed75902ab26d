target_sources(vibrana_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ImmaginiScheda.h
  ${CMAKE_CURRENT_LIST_DIR}/ImmaginiScheda.cpp)
