find_package(PkgConfig REQUIRED)
pkg_check_modules(FILTERS_PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
lumarest_benchmark(bench_image_filters SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/image_filters.cpp
  DEPENDS graphics PkgConfig::FILTERS_PIXMAN)
