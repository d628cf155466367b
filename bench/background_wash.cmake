find_package(PkgConfig REQUIRED)
pkg_check_modules(WASH_CAIRO REQUIRED IMPORTED_TARGET cairo)
lumarest_benchmark(bench_background_wash SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/background_wash.cpp
  DEPENDS objects PkgConfig::WASH_CAIRO)
