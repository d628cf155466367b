lumarest_benchmark(bench_print_sheet SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/print_sheet.cpp DEPENDS printing objects)
target_compile_definitions(bench_print_sheet PRIVATE LUMAREST_BINARY_DIR="${PROJECT_BINARY_DIR}")
add_dependencies(bench_print_sheet system_paper_catalogue)
