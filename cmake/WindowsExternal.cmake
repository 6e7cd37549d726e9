# Cross-builds the Windows side of this same project with MinGW-w64 and registers its tests,
# which run under Wine on a virtual X display (labels win and e2e).
find_program(HUEX_MINGW_CXX x86_64-w64-mingw32-g++-posix)
find_program(HUEX_WINE_PROGRAM wine)
if(NOT HUEX_MINGW_CXX)
  message(WARNING "x86_64-w64-mingw32-g++-posix not found: the Windows build and its tests are skipped (run make deps)")
  return()
endif()

# Artwork (icons, cursors, bitmaps) is drawn by a small native tool at build time.
file(GLOB HUEX_ARTGEN_SOURCES CONFIGURE_DEPENDS tools/artgen/*.cpp)
set(HUEX_ART_DIR ${CMAKE_BINARY_DIR}/art)
add_executable(huex_artgen ${HUEX_ARTGEN_SOURCES})
find_package(ZLIB REQUIRED)
target_include_directories(huex_artgen PRIVATE src)
target_link_libraries(huex_artgen PRIVATE ZLIB::ZLIB)
add_custom_command(OUTPUT ${HUEX_ART_DIR}/art.stamp
                   COMMAND huex_artgen ${HUEX_ART_DIR}
                   COMMAND ${CMAKE_COMMAND} -E touch ${HUEX_ART_DIR}/art.stamp
                   DEPENDS huex_artgen
                   COMMENT "Drawing icons, cursors and bitmaps")
add_custom_target(huex_art ALL DEPENDS ${HUEX_ART_DIR}/art.stamp)

include(ExternalProject)
set(HUEX_WIN_BIN ${CMAKE_BINARY_DIR}/win)
ExternalProject_Add(huex_win
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${HUEX_WIN_BIN}
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
             -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
             -DHUEX_ART_DIR=${HUEX_ART_DIR}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  DEPENDS huex_art)

set(HUEX_WINE_ENV_DIR ${CMAKE_BINARY_DIR}/wine-env)
set(HUEX_WINE_RUN ${CMAKE_SOURCE_DIR}/tools/wine-run.sh)

# The Wine environment (virtual display, prefix, persistent wineserver) is a CTest fixture.
add_test(NAME wine.env.start COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-env.sh start ${HUEX_WINE_ENV_DIR})
add_test(NAME wine.env.stop COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-env.sh stop ${HUEX_WINE_ENV_DIR})
set_tests_properties(wine.env.start PROPERTIES FIXTURES_SETUP wine_env LABELS "win;e2e" TIMEOUT 300)
set_tests_properties(wine.env.stop PROPERTIES FIXTURES_CLEANUP wine_env LABELS "win;e2e")

# Windows-side GoogleTest: one CTest test per suite found in tests/win.
file(GLOB HUEX_WIN_TEST_SOURCES CONFIGURE_DEPENDS tests/win/*.cpp)
set(suites "")
foreach(src IN LISTS HUEX_WIN_TEST_SOURCES)
  file(STRINGS ${src} lines REGEX "^[ \t]*TEST(_F|_P)?\\([A-Za-z0-9_]+,")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*TEST(_F|_P)?\\(([A-Za-z0-9_]+),.*" "\\2" suite "${line}")
    list(APPEND suites ${suite})
  endforeach()
endforeach()
list(REMOVE_DUPLICATES suites)
foreach(suite IN LISTS suites)
  add_test(NAME win.${suite}
           COMMAND ${HUEX_WINE_RUN} ${HUEX_WINE_ENV_DIR} ${HUEX_WIN_BIN}/huex_win_tests.exe
                   --gtest_filter=${suite}.*:*/${suite}.*)
  set_tests_properties(win.${suite} PROPERTIES LABELS win FIXTURES_REQUIRED wine_env
                       RESOURCE_LOCK wine_desktop TIMEOUT 600)
endforeach()

# End-to-end: the real huex.exe driven with real input (tests/e2e/*_test.sh).
file(GLOB HUEX_E2E_TESTS CONFIGURE_DEPENDS tests/e2e/*_test.sh)
foreach(script IN LISTS HUEX_E2E_TESTS)
  get_filename_component(name ${script} NAME_WE)
  string(REGEX REPLACE "_test$" "" name ${name})
  add_test(NAME e2e.${name} COMMAND bash ${script})
  set_tests_properties(e2e.${name} PROPERTIES LABELS e2e FIXTURES_REQUIRED wine_env
                       RESOURCE_LOCK wine_desktop TIMEOUT 600 SKIP_RETURN_CODE 77
                       ENVIRONMENT "HUEX_EXE=${HUEX_WIN_BIN}/huex.exe;HUEX_WINE_ENV_DIR=${HUEX_WINE_ENV_DIR};HUEX_SOURCE_DIR=${CMAKE_SOURCE_DIR};HUEX_WIN_BIN=${HUEX_WIN_BIN}")
endforeach()

# The program's size budget: 600 KB for huex.exe, checked on every test run so that it is kept.
add_test(NAME win.size_budget
         COMMAND ${CMAKE_COMMAND} -DFILE=${HUEX_WIN_BIN}/huex.exe -DLIMIT=614400 -P ${CMAKE_SOURCE_DIR}/cmake/SizeBudget.cmake)
set_tests_properties(win.size_budget PROPERTIES LABELS win)
