# Native build: host unit tests, fuzz corpus replays, benchmarks, the artwork generator,
# and the Windows build as an external project whose tests run under Wine.
find_package(GTest REQUIRED)
include(GoogleTest)

option(HUEX_FUZZ "Build libFuzzer targets (clang)" OFF)
option(HUEX_WINDOWS "Cross-build huex.exe and its Windows tests" ON)

# Host unit tests: every tests/host/*.cpp in one executable.
file(GLOB HUEX_HOST_TESTS CONFIGURE_DEPENDS tests/host/*.cpp)
if(HUEX_HOST_TESTS)
  add_executable(huex_host_tests ${HUEX_HOST_TESTS})
  target_link_libraries(huex_host_tests PRIVATE huex_core GTest::gtest_main)
  gtest_discover_tests(huex_host_tests PROPERTIES LABELS host DISCOVERY_TIMEOUT 60)
  # A locale with a decimal comma, built here when the system has the sources, so that the number
  # tests can show the user's locale changes nothing.
  find_program(HUEX_LOCALEDEF localedef)
  if(HUEX_LOCALEDEF AND EXISTS /usr/share/i18n/locales/ru_RU)
    set(HUEX_TEST_LOCALES ${CMAKE_BINARY_DIR}/locale)
    add_custom_command(OUTPUT ${HUEX_TEST_LOCALES}/ru_RU.UTF-8/LC_NUMERIC
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${HUEX_TEST_LOCALES}
                       COMMAND ${HUEX_LOCALEDEF} -i ru_RU -f UTF-8 ${HUEX_TEST_LOCALES}/ru_RU.UTF-8
                       COMMENT "Building the ru_RU.UTF-8 locale for the tests")
    add_custom_target(huex_test_locales ALL DEPENDS ${HUEX_TEST_LOCALES}/ru_RU.UTF-8/LC_NUMERIC)
    target_compile_definitions(huex_host_tests PRIVATE HUEX_TEST_LOCALES="${HUEX_TEST_LOCALES}")
  endif()
endif()

# Fuzz targets: replayed over their checked-in corpora by every test run.
file(GLOB HUEX_FUZZ_TARGETS CONFIGURE_DEPENDS tests/fuzz/*_fuzz.cpp)
if(HUEX_FUZZ)
  # Address checks cover what the object-size check would; that check stops the inlining of every
  # small accessor and so doubled the time of each run.
  set(HUEX_FUZZ_SANITIZE -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize=object-size -g)
  target_compile_options(huex_core PRIVATE ${HUEX_FUZZ_SANITIZE})
  # The settings file is looked up by hashed names, which comparison tracing cannot guide (its
  # dictionary names the keys instead): that target gets a core without it, twice as fast.
  set(HUEX_FUZZ_WITHOUT_CMP settings_file_fuzz)
  add_library(huex_core_without_cmp STATIC ${HUEX_CORE_SOURCES} ${HUEX_PURE_SOURCES})
  target_include_directories(huex_core_without_cmp PUBLIC src)
  target_compile_options(huex_core_without_cmp PRIVATE ${HUEX_FUZZ_SANITIZE} -fno-sanitize-coverage=trace-cmp)
  # Everything linking an instrumented core needs the sanitizer runtimes.
  foreach(core huex_core huex_core_without_cmp)
    target_link_options(${core} INTERFACE -fsanitize=address,undefined)
  endforeach()
endif()
foreach(src IN LISTS HUEX_FUZZ_TARGETS)
  get_filename_component(name ${src} NAME_WE)
  if(HUEX_FUZZ)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE ${HUEX_FUZZ_SANITIZE} -fsanitize=fuzzer -fno-sanitize-recover=all)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    if(name IN_LIST HUEX_FUZZ_WITHOUT_CMP)
      target_compile_options(${name} PRIVATE -fno-sanitize-coverage=trace-cmp)
      target_link_libraries(${name} PRIVATE huex_core_without_cmp)
    else()
      target_link_libraries(${name} PRIVATE huex_core)
    endif()
  else()
    add_executable(${name}_replay ${src} tests/fuzz/replay_main.cpp)
    target_link_libraries(${name}_replay PRIVATE huex_core)
    add_test(NAME host.fuzz_replay.${name}
             COMMAND ${name}_replay ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
    set_tests_properties(host.fuzz_replay.${name} PROPERTIES LABELS host)
  endif()
endforeach()

# Outside checks: the core against libraries no one here wrote, fetched from the npm registry.
# Each tests/outside/NAME.cpp is a small program the script NAME.mjs beside it drives.
file(GLOB HUEX_OUTSIDE_CHECKS CONFIGURE_DEPENDS tests/outside/*.cpp)
foreach(src IN LISTS HUEX_OUTSIDE_CHECKS)
  get_filename_component(name ${src} NAME_WE)
  add_executable(outside_${name} ${src})
  target_link_libraries(outside_${name} PRIVATE huex_core)
  add_test(NAME outside.${name}
           COMMAND ${CMAKE_SOURCE_DIR}/tools/outside-check.sh ${CMAKE_SOURCE_DIR}/tests/outside/${name}.mjs
                   $<TARGET_FILE:outside_${name}> ${CMAKE_BINARY_DIR}/outside)
  set_tests_properties(outside.${name} PROPERTIES LABELS outside SKIP_RETURN_CODE 77)
endforeach()

# Benchmarks (make bench).
find_package(benchmark QUIET)
file(GLOB HUEX_BENCH_SOURCES CONFIGURE_DEPENDS bench/*_bench.cpp)
if(benchmark_FOUND AND HUEX_BENCH_SOURCES)
  add_executable(huex_bench ${HUEX_BENCH_SOURCES})
  target_link_libraries(huex_bench PRIVATE huex_core benchmark::benchmark_main)
endif()

if(HUEX_WINDOWS AND NOT HUEX_FUZZ)
  include(cmake/WindowsExternal.cmake)
endif()
