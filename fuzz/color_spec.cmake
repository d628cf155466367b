lumarest_fuzz_target(fuzz_color_spec SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/color_spec.cpp DEPENDS graphics)
