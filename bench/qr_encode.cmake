find_package(PkgConfig REQUIRED)
pkg_check_modules(QRENCODE REQUIRED IMPORTED_TARGET libqrencode)
lumarest_benchmark(bench_qr_encode SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/qr_encode.cpp DEPENDS objects PkgConfig::QRENCODE)
