find_package(PkgConfig REQUIRED)
pkg_check_modules(GRADIENT_PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
lumarest_benchmark(bench_gradient SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/gradient.cpp
  DEPENDS graphics PkgConfig::GRADIENT_PIXMAN)
