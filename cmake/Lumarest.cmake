# Helpers that keep the per-folder build files to one call each.

# The rooms in dependency order: a room's code uses only the rooms listed before it.
set(LUMAREST_ROOMS platform core graphics text catalogue document objects editing printing music wizard assets shell)
# The rooms whose code may use widgets outside a ui/ folder.
set(LUMAREST_WIDGET_ROOMS editing shell)

# lumarest_room(<room> [DEPENDS <targets>...])
# One static library per room from every .cpp below src/<room>, except its ui/ folder,
# which becomes the separate library <room>_ui (it may use any room's model code).
function(lumarest_room room)
  cmake_parse_arguments(ARG "" "" "DEPENDS;UI_DEPENDS" ${ARGN})
  set(dir "${PROJECT_SOURCE_DIR}/src/${room}")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp")
  list(FILTER sources EXCLUDE REGEX "/src/${room}/(ui|cli)/")
  list(FILTER sources EXCLUDE REGEX "/src/shell/main\\.cpp$")
  if(sources)
    add_library(${room} STATIC ${sources})
    target_include_directories(${room} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${room} PUBLIC ${ARG_DEPENDS})
  else()
    # A room without code yet still takes part in the dependency graph.
    add_library(${room} INTERFACE)
    target_include_directories(${room} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${room} INTERFACE ${ARG_DEPENDS})
  endif()

  file(GLOB_RECURSE ui_sources CONFIGURE_DEPENDS "${dir}/ui/*.cpp")
  if(ui_sources)
    add_library(${room}_ui STATIC ${ui_sources})
    set_target_properties(${room}_ui PROPERTIES AUTOMOC ON)
    target_link_libraries(${room}_ui PUBLIC ${room} Qt6::Widgets ${ARG_UI_DEPENDS})
  endif()
endfunction()

# lumarest_room_tests(<room> [QTEST] [UI_QTEST] [DEPENDS <targets>...])
# The test programs of a room: test_<room> from every .cpp below tests/<room> outside its
# ui/ folder, and test_<room>_ui from the ui/ folder, which also links the room's ui
# library. Each GoogleTest case becomes a CTest test, run on Qt's offscreen platform. A
# headless room's test_<room> runs on a QGuiApplication, so that a use of widgets fails
# there; the ui programs and those of the widget rooms run on a QApplication. QTEST links
# Qt Test for simulated widget input (its per-folder definitions rule out the shared
# precompiled header); UI_QTEST links it into the ui program only.
function(lumarest_room_tests room)
  cmake_parse_arguments(ARG "QTEST;UI_QTEST" "" "DEPENDS" ${ARGN})
  set(dir "${PROJECT_SOURCE_DIR}/tests/${room}")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp")
  set(ui_sources ${sources})
  list(FILTER ui_sources INCLUDE REGEX "/tests/${room}/ui/")
  list(FILTER sources EXCLUDE REGEX "/tests/${room}/ui/")
  if(NOT sources AND NOT ui_sources)
    return()
  endif()
  # The room's fixtures folder, for testsupport::FixturePath.
  set(fixtures_source "${CMAKE_CURRENT_BINARY_DIR}/fixtures_dir.cpp")
  file(CONFIGURE OUTPUT "${fixtures_source}"
    CONTENT "namespace testsupport { extern const char* const kFixturesDir = \"${dir}/fixtures\"; }\n")
  set(main lumarest_test_main_gui)
  if(room IN_LIST LUMAREST_WIDGET_ROOMS)
    set(main lumarest_test_main_widgets)
  endif()
  if(sources)
    lumarest_test_program(test_${room} ${main} "${ARG_QTEST}" ${sources} "${fixtures_source}")
    target_link_libraries(test_${room} PRIVATE ${room} ${ARG_DEPENDS})
  endif()
  if(ui_sources)
    # The room's test helpers (its sources that hold no tests) serve the ui program too.
    set(helpers ${sources})
    list(FILTER helpers EXCLUDE REGEX "_test\\.cpp$")
    set(ui_qtest ${ARG_QTEST})
    if(ARG_UI_QTEST)
      set(ui_qtest TRUE)
    endif()
    lumarest_test_program(test_${room}_ui lumarest_test_main_widgets "${ui_qtest}" ${ui_sources} ${helpers}
                          "${fixtures_source}")
    target_link_libraries(test_${room}_ui PRIVATE ${room}_ui ${ARG_DEPENDS})
  endif()
endfunction()

# lumarest_test_program(<target> <main library> <qtest> <sources>...): one GoogleTest
# program with the shared test support; with qtest true it links Qt Test.
function(lumarest_test_program target main qtest)
  add_executable(${target} ${ARGN})
  target_link_libraries(${target} PRIVATE lumarest_test_support ${main})
  target_compile_definitions(${target} PRIVATE
    LUMAREST_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    LUMAREST_BINARY_DIR="${PROJECT_BINARY_DIR}")
  if(qtest)
    target_link_libraries(${target} PRIVATE Qt6::Test)
  else()
    target_precompile_headers(${target} REUSE_FROM lumarest_test_support)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()

# lumarest_fuzz_target(<name> SOURCES <files> DEPENDS <targets>)
function(lumarest_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzz_all ${name})
endfunction()

# lumarest_benchmark(<name> SOURCES <files> DEPENDS <targets>)
function(lumarest_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} EXCLUDE_FROM_ALL ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE lumarest_bench_support ${ARG_DEPENDS})
  add_dependencies(bench_all ${name})
endfunction()
