lumarest_fuzz_target(fuzz_playlist SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/playlist.cpp DEPENDS music)
