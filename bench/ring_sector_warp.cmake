lumarest_benchmark(bench_ring_sector_warp SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ring_sector_warp.cpp DEPENDS objects)
