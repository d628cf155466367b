find_package(PkgConfig REQUIRED)
pkg_check_modules(GSF REQUIRED IMPORTED_TARGET libgsf-1)
lumarest_benchmark(bench_cfb SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/cfb.cpp DEPENDS core PkgConfig::GSF)
# GLib names struct members "signals", which Qt's keywords would turn into a macro.
target_compile_definitions(bench_cfb PRIVATE QT_NO_KEYWORDS)
