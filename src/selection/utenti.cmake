target_sources(vibrana_gui PRIVATE
  SelettoreData.h SelettoreData.cpp
  UtentiSelezione.h UtentiSelezione.cpp
  UtentiNuovo.h UtentiNuovo.cpp
  RegistraSelezione.h RegistraSelezione.cpp)
