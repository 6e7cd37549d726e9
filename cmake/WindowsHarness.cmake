# Small Windows programs around huex.exe, built with it (included from Windows.cmake):
# huexctl.exe looks at and steers a running copy from outside (end-to-end tests, make run);
# huex_baseline.exe is a bare dialog program, the yardstick of bench/win/startup.sh, and
# huex_baseline_manifest.exe the same dialog with the program's manifest; huex_e2e_helper.exe is
# the other program of the end-to-end tests (below).
add_executable(huexctl tools/huexctl/huexctl.cpp tools/huexctl/Cycles.cpp tools/huexctl/Popups.cpp)
target_compile_definitions(huexctl PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_options(huexctl PRIVATE -static -municode -s)

add_executable(huex_baseline WIN32 bench/win/baseline.cpp bench/win/baseline.rc)
target_compile_definitions(huex_baseline PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN)
target_include_directories(huex_baseline PRIVATE bench/win)
target_link_options(huex_baseline PRIVATE -static -municode -mwindows -s)

add_executable(huex_baseline_manifest WIN32 bench/win/baseline.cpp bench/win/baseline_manifest.rc)
target_compile_definitions(huex_baseline_manifest PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN)
target_include_directories(huex_baseline_manifest PRIVATE bench/win resources)
target_link_options(huex_baseline_manifest PRIVATE -static -municode -mwindows -s)

# Another program for the end-to-end tests: a drop target for dragged text, and a link handler.
add_executable(huex_e2e_helper tests/e2e/helper/e2e_helper.cpp)
target_compile_definitions(huex_e2e_helper PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(huex_e2e_helper PRIVATE ole32)
target_link_options(huex_e2e_helper PRIVATE -static -municode -s)
