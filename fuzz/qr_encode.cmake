lumarest_fuzz_target(fuzz_qr_encode SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/qr_encode.cpp DEPENDS objects)
