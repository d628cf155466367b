lumarest_fuzz_target(fuzz_code_objects SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/code_objects.cpp DEPENDS objects)
