lumarest_fuzz_target(fuzz_audio_tags SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/audio_tags.cpp DEPENDS music)
