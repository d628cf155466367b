lumarest_benchmark(bench_arranged_image SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/arranged_image.cpp DEPENDS objects)
