# The reader and the copy it relies on, over core alone, so that the target stays small.
lumarest_fuzz_target(fuzz_clipboard_object_list SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/clipboard_object_list.cpp
  ${PROJECT_SOURCE_DIR}/src/editing/clipboard/object_list.cpp ${PROJECT_SOURCE_DIR}/src/editing/actions/object_clone.cpp
  DEPENDS core)
