lumarest_benchmark(bench_audio_tags SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/audio_tags.cpp DEPENDS music)
