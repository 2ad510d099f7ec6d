# Small helpers so every folder declares its tests, benchmarks and fuzz targets the same way.

# moyo_test(NAME [QT] SOURCES... LIBS ...): a GoogleTest program registered with CTest.
# QT programs share a main() that owns the application object; all tests get the
# offscreen platform so they run on headless machines.
function(moyo_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_QT)
    set(main moyo_qt_test_main)
  else()
    set(main GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock ${main})
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    # One variable per property: the discovery splits a property's value at every ";".
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      ENVIRONMENT_MODIFICATION "MOYO_SOURCE_DIR=set:${PROJECT_SOURCE_DIR}")
endfunction()

# moyo_bench(NAME SOURCES... LIBS ...): a Google Benchmark program (not run by CTest).
function(moyo_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(${name} PRIVATE MOYO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endfunction()

# moyo_fuzz(NAME SOURCES... LIBS ...): a libFuzzer target.
function(moyo_fuzz name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
endfunction()
