lumarest_fuzz_target(fuzz_bmp_reader SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/bmp_reader.cpp DEPENDS graphics)
