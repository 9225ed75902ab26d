# Picture tool: draws every delivered picture and the click sound into the build's program folder,
# and writes the figure catalogue SQL from the same exercise table.
# Drawing code in a library, so the tests can check the poses and the catalogue table directly.
add_library(vibrana_disegni_sorgenti STATIC
  ${CMAKE_CURRENT_LIST_DIR}/disegni/Vettore.h ${CMAKE_CURRENT_LIST_DIR}/disegni/Forme.h
  ${CMAKE_CURRENT_LIST_DIR}/disegni/Manichino.h ${CMAKE_CURRENT_LIST_DIR}/disegni/Manichino.cpp
  ${CMAKE_CURRENT_LIST_DIR}/disegni/Catalogo.h ${CMAKE_CURRENT_LIST_DIR}/disegni/Catalogo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/disegni/MappaCorpo.h ${CMAKE_CURRENT_LIST_DIR}/disegni/MappaCorpo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/disegni/Loghi.h ${CMAKE_CURRENT_LIST_DIR}/disegni/Loghi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/disegni/Suono.h ${CMAKE_CURRENT_LIST_DIR}/disegni/Suono.cpp
  ${PROJECT_SOURCE_DIR}/src/pictures/ZoneMappa.h ${PROJECT_SOURCE_DIR}/src/pictures/ZoneMappa.cpp
  ${PROJECT_SOURCE_DIR}/src/pictures/FileConsegnati.h)
target_include_directories(vibrana_disegni_sorgenti PUBLIC ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_LIST_DIR}/disegni)
target_link_libraries(vibrana_disegni_sorgenti PUBLIC Qt6::Gui PRIVATE vibrana_avvisi)
set_target_properties(vibrana_disegni_sorgenti PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

add_executable(vibrana-disegni ${CMAKE_CURRENT_LIST_DIR}/disegni/main.cpp)
target_link_libraries(vibrana-disegni PRIVATE vibrana_disegni_sorgenti vibrana_avvisi)
set_target_properties(vibrana-disegni PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

# The pictures are drawn again only when the tool changes; the stamp stands for all of them.
set(VIBRANA_DISEGNI_TIMBRO ${CMAKE_BINARY_DIR}/disegni.timbro)
add_custom_command(
  OUTPUT ${VIBRANA_DISEGNI_TIMBRO}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:vibrana-disegni> immagini ${VIBRANA_CARTELLA_BUILD}
  COMMAND ${CMAKE_COMMAND} -E touch ${VIBRANA_DISEGNI_TIMBRO}
  DEPENDS vibrana-disegni
  COMMENT "Disegno le immagini del programma"
  VERBATIM)
add_custom_target(vibrana_disegni ALL DEPENDS ${VIBRANA_DISEGNI_TIMBRO})

# Program icon for the desktop entry.
set(VIBRANA_ICONA ${CMAKE_BINARY_DIR}/icone/vibrana.png)
add_custom_command(
  OUTPUT ${VIBRANA_ICONA}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:vibrana-disegni> icona ${VIBRANA_ICONA}
  DEPENDS vibrana-disegni
  COMMENT "Disegno l'icona del programma"
  VERBATIM)
add_custom_target(vibrana_icona ALL DEPENDS ${VIBRANA_ICONA})
install(FILES ${VIBRANA_ICONA} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vibrana.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Rewrites the committed catalogue SQL after a change to the exercise table (not part of a plain build:
# the database is built from the committed files).
add_custom_target(vibrana_catalogo_sql
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:vibrana-disegni> sql
          ${PROJECT_SOURCE_DIR}/resources/database/10_figure.sql
  DEPENDS vibrana-disegni
  COMMENT "Riscrivo resources/database/10_figure.sql"
  VERBATIM)
