# Timings of the record classes; run by hand, not part of the test suite.
add_executable(bench_records ${CMAKE_CURRENT_LIST_DIR}/bench_records.cpp)
target_link_libraries(bench_records PRIVATE vibrana_core benchmark::benchmark vibrana_avvisi)
target_compile_definitions(bench_records PRIVATE VIBRANA_SQL_DIR="${PROJECT_SOURCE_DIR}/resources/database")
