find_library(ZINT_LIBRARY zint REQUIRED)
find_path(ZINT_INCLUDE_DIR zint.h REQUIRED)
lumarest_benchmark(bench_jan_code SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/jan_code.cpp DEPENDS objects ${ZINT_LIBRARY})
target_include_directories(bench_jan_code PRIVATE ${ZINT_INCLUDE_DIR})
