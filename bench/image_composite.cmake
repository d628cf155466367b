lumarest_benchmark(bench_image_composite SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/image_composite.cpp DEPENDS objects)
