lumarest_fuzz_target(fuzz_printer_settings SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/printer_settings.cpp DEPENDS printing)
