lumarest_benchmark(bench_text_objects SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/text_objects.cpp DEPENDS document text)
target_compile_definitions(bench_text_objects PRIVATE LUMAREST_BINARY_DIR="${PROJECT_BINARY_DIR}")
add_dependencies(bench_text_objects distortion_pattern_file)
