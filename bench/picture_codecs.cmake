lumarest_benchmark(bench_picture_codecs SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/picture_codecs.cpp DEPENDS graphics)
