lumarest_fuzz_target(fuzz_album_csv SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/album_csv.cpp DEPENDS music)
