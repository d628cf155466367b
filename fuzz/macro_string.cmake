# The application frame alone supplies the program's macro table, without the rest of the shell.
lumarest_fuzz_target(fuzz_macro_string
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/macro_string.cpp ${PROJECT_SOURCE_DIR}/src/shell/app_frame.cpp
  DEPENDS core)
