# Files of src/app, src/picker and src/settings that include no platform header.
# They join the core library and are tested natively.
set(HUEX_PURE_SOURCES
)
