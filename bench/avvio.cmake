# Start-up timing: a bare Qt program that opens one empty window, the yardstick for bench/avvio.sh.
add_executable(vibrana-avvio-vuoto ${CMAKE_CURRENT_LIST_DIR}/avvio_vuoto.cpp)
target_link_libraries(vibrana-avvio-vuoto PRIVATE Qt6::Widgets vibrana_avvisi)
