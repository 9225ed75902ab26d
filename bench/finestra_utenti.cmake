# Opening the athlete list on a large register; run by hand (QT_QPA_PLATFORM=offscreen).
add_executable(bench_finestra_utenti ${CMAKE_CURRENT_LIST_DIR}/bench_finestra_utenti.cpp)
target_link_libraries(bench_finestra_utenti PRIVATE vibrana_gui benchmark::benchmark vibrana_avvisi)
target_compile_definitions(bench_finestra_utenti PRIVATE VIBRANA_SQL_DIR="${PROJECT_SOURCE_DIR}/resources/database")
