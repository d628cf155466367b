lumarest_fuzz_target(fuzz_collection_lists SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/collection_lists.cpp DEPENDS assets)
