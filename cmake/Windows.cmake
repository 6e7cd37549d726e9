# Windows build (MinGW-w64, cross or native): the platform layer, huex.exe and the Windows-side tests.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

# Everything under these folders that is not pure logic needs the platform.
file(GLOB HUEX_WIN_SOURCES CONFIGURE_DEPENDS
     src/win/*.cpp src/shell/*.cpp src/app/*.cpp src/picker/*.cpp src/settings/*.cpp src/controls/*.cpp
     src/dialogs/*.cpp)
foreach(pure IN LISTS HUEX_PURE_SOURCES)
  list(REMOVE_ITEM HUEX_WIN_SOURCES ${CMAKE_SOURCE_DIR}/${pure})
endforeach()
# The entry, the library's throw functions and the single-threaded run time belong to the program
# alone (LibraryThrows.cpp and SingleThreadRuntime.cpp say why).
list(REMOVE_ITEM HUEX_WIN_SOURCES ${CMAKE_SOURCE_DIR}/src/app/main.cpp ${CMAKE_SOURCE_DIR}/src/app/LibraryThrows.cpp
     ${CMAKE_SOURCE_DIR}/src/app/SingleThreadRuntime.cpp)

add_library(huex_win STATIC ${HUEX_WIN_SOURCES})
target_compile_definitions(huex_win PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                           _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0600)
target_include_directories(huex_win PUBLIC src resources)
target_link_libraries(huex_win PUBLIC huex_core comctl32 gdi32 user32 shell32 ole32 comdlg32 advapi32)

# Artwork: drawn by tools/artgen, natively (the host build passes HUEX_ART_DIR when cross-compiling).
if(NOT HUEX_ART_DIR)
  if(CMAKE_CROSSCOMPILING)
    message(FATAL_ERROR "Cross builds need HUEX_ART_DIR from the host build (use make)")
  endif()
  file(GLOB HUEX_ARTGEN_SOURCES CONFIGURE_DEPENDS tools/artgen/*.cpp)
  set(HUEX_ART_DIR ${CMAKE_BINARY_DIR}/art)
  add_executable(huex_artgen ${HUEX_ARTGEN_SOURCES})
  find_package(ZLIB REQUIRED)
  target_include_directories(huex_artgen PRIVATE src)
  target_link_libraries(huex_artgen PRIVATE ZLIB::ZLIB)
  add_custom_command(OUTPUT ${HUEX_ART_DIR}/art.stamp
                     COMMAND huex_artgen ${HUEX_ART_DIR}
                     COMMAND ${CMAKE_COMMAND} -E touch ${HUEX_ART_DIR}/art.stamp
                     DEPENDS huex_artgen)
  add_custom_target(huex_art ALL DEPENDS ${HUEX_ART_DIR}/art.stamp)
endif()

# Resources compiled once and linked into the program and its tests.
add_library(huex_resources OBJECT resources/huex.rc)
target_include_directories(huex_resources PRIVATE resources ${HUEX_ART_DIR})
set_source_files_properties(resources/huex.rc PROPERTIES OBJECT_DEPENDS
                            "${HUEX_ART_DIR}/art.stamp;${CMAKE_SOURCE_DIR}/resources/help/huex.htm;${CMAKE_SOURCE_DIR}/resources/huex.manifest")
if(TARGET huex_art)
  add_dependencies(huex_resources huex_art)
endif()

# Size: optimised for size (-Oz, 3 KB below -Os, which was 573,440 bytes against 689,664 at -O2
# and more at -O3): the program's time goes into the system's calls, not its own code. Every
# function and datum is in a section of its own, so that the linker keeps only what is reached.
string(REGEX REPLACE "-O[0-9]" "-Oz" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
target_compile_options(huex_core PRIVATE -ffunction-sections -fdata-sections)
target_compile_options(huex_win PRIVATE -ffunction-sections -fdata-sections)

add_executable(huex WIN32 src/app/main.cpp src/app/LibraryThrows.cpp src/app/SingleThreadRuntime.cpp
               $<TARGET_OBJECTS:huex_resources>)
target_link_libraries(huex PRIVATE huex_win)
target_link_options(huex PRIVATE -static -municode -mwindows -s -Wl,--gc-sections)

include(cmake/WindowsHarness.cmake)
include(cmake/WinBench.cmake)

# Windows-side tests: GoogleTest built from source for this target.
set(HUEX_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
file(GLOB HUEX_WIN_TEST_SOURCES CONFIGURE_DEPENDS tests/win/*.cpp)
if(EXISTS ${HUEX_GTEST_SOURCE}/CMakeLists.txt AND HUEX_WIN_TEST_SOURCES)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${HUEX_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_executable(huex_win_tests ${HUEX_WIN_TEST_SOURCES} src/app/LibraryThrows.cpp $<TARGET_OBJECTS:huex_resources>)
  target_link_libraries(huex_win_tests PRIVATE huex_win gtest)
  target_link_options(huex_win_tests PRIVATE -static)
  if(NOT CMAKE_CROSSCOMPILING)
    include(GoogleTest)
    gtest_discover_tests(huex_win_tests PROPERTIES LABELS win)
  endif()
endif()
