lumarest_fuzz_target(fuzz_picture_data SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/picture_data.cpp DEPENDS graphics)
