lumarest_fuzz_target(fuzz_resource_file SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/resource_file.cpp DEPENDS graphics)
