lumarest_fuzz_target(fuzz_component_stream SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/component_stream.cpp DEPENDS core)
