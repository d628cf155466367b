lumarest_benchmark(bench_document_save SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/document_save.cpp DEPENDS document)
