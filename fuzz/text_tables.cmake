lumarest_fuzz_target(fuzz_text_tables SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/text_tables.cpp DEPENDS catalogue)
