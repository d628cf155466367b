# Helpers that keep the per-folder build files to one call each.

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

# lumarest_room_tests(<room> [QTEST] [DEPENDS <targets>...])
# One test program per room from every .cpp below tests/<room>; each GoogleTest
# case becomes a CTest test, run on Qt's offscreen platform. QTEST links Qt Test for
# simulated widget input (its per-folder definitions rule out the shared precompiled header).
function(lumarest_room_tests room)
  cmake_parse_arguments(ARG "QTEST" "" "DEPENDS" ${ARGN})
  set(dir "${PROJECT_SOURCE_DIR}/tests/${room}")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp")
  if(NOT sources)
    return()
  endif()
  set(target test_${room})
  # The room's fixtures folder, for testsupport::FixturePath.
  set(fixtures_source "${CMAKE_CURRENT_BINARY_DIR}/fixtures_dir.cpp")
  file(CONFIGURE OUTPUT "${fixtures_source}"
    CONTENT "namespace testsupport { extern const char* const kFixturesDir = \"${dir}/fixtures\"; }\n")
  add_executable(${target} ${sources} "${fixtures_source}")
  target_link_libraries(${target} PRIVATE lumarest_test_support ${room} ${ARG_DEPENDS})
  target_compile_definitions(${target} PRIVATE
    LUMAREST_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    LUMAREST_BINARY_DIR="${PROJECT_BINARY_DIR}")
  if(ARG_QTEST)
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
