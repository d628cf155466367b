lumarest_fuzz_target(fuzz_shift_jis SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/shift_jis.cpp DEPENDS platform)
