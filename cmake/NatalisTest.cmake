# natalis_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# One Qt Test executable per test file, run by CTest on Qt's offscreen platform with a
# private settings store and a private home, so tests never touch the user's own.
function(natalis_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests-bin)
  # tests/common: the helpers tests and benchmarks share (swetest, a full disk, birth data).
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)
  target_link_libraries(${name} PRIVATE natalis_flags Qt6::Test ${T_LIBS})
  target_compile_definitions(${name} PRIVATE
    NATALIS_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    NATALIS_PROGRAM_DIR="${NATALIS_PROGRAM_DIR}"
    NATALIS_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
  add_test(NAME ${name} COMMAND ${name})
  if(NOT T_LABELS)
    set(T_LABELS unit)
  endif()
  # The test's folder is a label too, so one folder's tests can be run alone (ctest -L chart).
  get_filename_component(pasta ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  list(APPEND T_LABELS ${pasta})
  set(home ${CMAKE_BINARY_DIR}/tests-home/${name})
  file(MAKE_DIRECTORY ${home})
  # The Windows build's tests run under Wine on a virtual display with the system's platform:
  # Qt's offscreen platform there knows no system fonts, so text would be measured in the wrong one.
  if(WIN32)
    set(plataforma windows)
  else()
    set(plataforma offscreen)
  endif()
  set_tests_properties(${name} PROPERTIES
    LABELS "${T_LABELS}"
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=${plataforma};HOME=${home};XDG_CONFIG_HOME=${home}/config;XDG_DATA_HOME=${home}/data;LC_ALL=C.UTF-8")
endfunction()

# natalis_add_benchmark(<name> SOURCES <files...> LIBS <targets...>)
# Built only by the "benchmarks" target; run by hand or by the scripts in bench/.
function(natalis_add_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} EXCLUDE_FROM_ALL ${B_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench-bin)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)
  target_link_libraries(${name} PRIVATE natalis_flags benchmark::benchmark ${B_LIBS})
  target_compile_definitions(${name} PRIVATE NATALIS_PROGRAM_DIR="${NATALIS_PROGRAM_DIR}")
  add_dependencies(benchmarks ${name})
endfunction()

# natalis_skip_test(<name> <reason>): a test program that needs what only Linux has (a tmpfs
# mounted, a process killed at a chosen write), listed on Windows as a skipped test.
function(natalis_skip_test name reason)
  add_test(NAME ${name} COMMAND ${CMAKE_COMMAND} -E echo "SKIP: ${reason}")
  set_tests_properties(${name} PROPERTIES SKIP_REGULAR_EXPRESSION "SKIP: " LABELS "skip")
endfunction()
