lumarest_fuzz_target(fuzz_xml_ini_file SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/xml_ini_file.cpp DEPENDS core)
