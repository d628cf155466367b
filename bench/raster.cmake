find_package(PkgConfig REQUIRED)
pkg_check_modules(RASTER_PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
pkg_check_modules(RASTER_CAIRO REQUIRED IMPORTED_TARGET cairo)
lumarest_benchmark(bench_raster SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/raster.cpp
  DEPENDS graphics PkgConfig::RASTER_PIXMAN PkgConfig::RASTER_CAIRO)
