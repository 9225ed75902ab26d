# Windows that must not reach into each other: the shell knows no editor header (the editor joins the
# program through the registry of windows), the editor does not bring the main window back itself,
# the editor's pages know the card they edit, not the editor, and the athlete form hands its result
# back instead of refilling the athlete list.
#   cmake -DSORGENTI=src -P confini.cmake
cmake_minimum_required(VERSION 3.25)

# cartella or file (relative to SORGENTI) | include it may not have (a regular expression)
set(regole
    "shell|^editor/"
    "editor|^shell/Principale\\.h$"
    "editor/SchedaIntestazione|^editor/mdiScheda\\.h$"
    "editor/SchedaIntestazioneMODELLO|^editor/mdiScheda\\.h$"
    "editor/SchedaCorpo|^editor/mdiScheda\\.h$"
    "editor/PannelloEsercizio|^editor/mdiScheda\\.h$"
    "selection/UtentiNuovo|^selection/UtentiSelezione\\.h$")

set(errori)
foreach(regola IN LISTS regole)
  string(REPLACE "|" ";" parti "${regola}")
  list(GET parti 0 dove)
  list(GET parti 1 vietato)
  if(IS_DIRECTORY "${SORGENTI}/${dove}")
    file(GLOB file_regola "${SORGENTI}/${dove}/*.h" "${SORGENTI}/${dove}/*.cpp")
  else()
    file(GLOB file_regola "${SORGENTI}/${dove}.h" "${SORGENTI}/${dove}.cpp")
  endif()
  if(NOT file_regola)
    list(APPEND errori "nessun file per ${dove}")
  endif()
  foreach(f IN LISTS file_regola)
    file(STRINGS "${f}" righe REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(riga IN LISTS righe)
      string(REGEX MATCH "\"([^\"]+)\"" _ "${riga}")
      set(incluso "${CMAKE_MATCH_1}")
      if(incluso MATCHES "${vietato}")
        file(RELATIVE_PATH relativo "${SORGENTI}" "${f}")
        list(APPEND errori "${relativo}: ${incluso}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(errori)
  list(JOIN errori "\n  " elenco)
  message(FATAL_ERROR "Finestre che si raggiungono a vicenda:\n  ${elenco}")
endif()
