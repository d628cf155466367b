lumarest_fuzz_target(fuzz_color_history SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/color_history.cpp DEPENDS graphics)
