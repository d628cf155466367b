lumarest_benchmark(bench_editing SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/editing.cpp DEPENDS editing)
