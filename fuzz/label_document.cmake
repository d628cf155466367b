lumarest_fuzz_target(fuzz_label_document SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/label_document.cpp DEPENDS document)
