lumarest_fuzz_target(fuzz_cfb_reader SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/cfb_reader.cpp DEPENDS platform)
