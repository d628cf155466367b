find_package(PkgConfig REQUIRED)
pkg_check_modules(BLUR_PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
lumarest_benchmark(bench_gaussian_blur SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/gaussian_blur.cpp
  DEPENDS graphics PkgConfig::BLUR_PIXMAN)
