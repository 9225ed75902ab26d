# Body-map zones, and the delivered pictures, sound, help and catalogue as the build leaves them.
vibrana_test(test_contenuti CORE
  ${CMAKE_CURRENT_LIST_DIR}/test_zone_mappa.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_immagini_consegnate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_catalogo_consegnato.cpp)
# The files under test are produced by these targets.
add_dependencies(test_contenuti vibrana_disegni vibrana_guida)
