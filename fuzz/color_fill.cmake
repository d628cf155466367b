lumarest_fuzz_target(fuzz_color_fill SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/color_fill.cpp DEPENDS graphics)
