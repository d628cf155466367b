lumarest_fuzz_target(fuzz_paper_catalogue SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/paper_catalogue.cpp DEPENDS catalogue)
