lumarest_fuzz_target(fuzz_arranged_layouts SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/arranged_layouts.cpp DEPENDS objects)
