# Benchmarks of the picker window's drawing on a real window (included from Windows.cmake);
# bench/win/run.sh runs them under Wine.
add_executable(huex_picker_bench bench/win/picker_bench.cpp $<TARGET_OBJECTS:huex_resources>)
target_link_libraries(huex_picker_bench PRIVATE huex_win)
target_link_options(huex_picker_bench PRIVATE -static)

# Times of reading and writing a full session's settings; also writes such files for
# bench/win/startup.sh.
add_executable(huex_settings_bench bench/win/settings_bench.cpp)
target_link_libraries(huex_settings_bench PRIVATE huex_win)
target_link_options(huex_settings_bench PRIVATE -static -municode)

# The settings dialog opening against the picker's own start-up.
add_executable(huex_settings_dialog_bench bench/win/settings_dialog_bench.cpp
               $<TARGET_OBJECTS:huex_resources>)
target_link_libraries(huex_settings_dialog_bench PRIVATE huex_win)
target_link_options(huex_settings_dialog_bench PRIVATE -static -municode)

# The colour history window: opening it over 100 entries, and a pick with it open.
add_executable(huex_history_bench bench/win/history_bench.cpp $<TARGET_OBJECTS:huex_resources>)
target_link_libraries(huex_history_bench PRIVATE huex_win)
target_link_options(huex_history_bench PRIVATE -static)
