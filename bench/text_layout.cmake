find_package(PkgConfig REQUIRED)
pkg_check_modules(TEXT_CAIRO REQUIRED IMPORTED_TARGET cairo cairo-ft)
lumarest_benchmark(bench_text_layout SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/text_layout.cpp
  DEPENDS text PkgConfig::TEXT_CAIRO)
