lumarest_fuzz_target(fuzz_single_instance SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/single_instance.cpp DEPENDS platform)
