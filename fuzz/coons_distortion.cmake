lumarest_fuzz_target(fuzz_coons_distortion SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/coons_distortion.cpp DEPENDS text)
