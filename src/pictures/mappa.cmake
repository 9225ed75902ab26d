# Body-map zones and the names of the delivered picture files.
target_sources(vibrana_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ZoneMappa.h ${CMAKE_CURRENT_LIST_DIR}/ZoneMappa.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileConsegnati.h)
