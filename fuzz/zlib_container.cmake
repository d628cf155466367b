lumarest_fuzz_target(fuzz_zlib_container SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/zlib_container.cpp DEPENDS graphics)
