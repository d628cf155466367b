lumarest_fuzz_target(fuzz_jpeg_header SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/jpeg_header.cpp DEPENDS graphics)
