# Files of src/shell, src/picker, src/settings, src/controls and src/dialogs that include no platform header.
# They join the core library and are tested natively.
set(HUEX_PURE_SOURCES
  src/picker/Layout.cpp
  src/geometry/ZoomLevels.cpp
  src/picker/Magnifier.cpp
  src/picker/Marquee.cpp
  src/picker/Frames.cpp
  src/picker/PaintGeometry.cpp
  src/shell/SystemVersion.cpp
  src/picker/PaletteSelection.cpp
  src/picker/PointerRegions.cpp
  src/picker/PickerActions.cpp
  src/picker/PatternMenuModel.cpp
  src/picker/KeyboardRules.cpp
  src/picker/PickerPersistence.cpp
  src/settings/FileText.cpp
  src/settings/IniDocument.cpp
  src/settings/SettingsLoad.cpp
  src/settings/SettingsSave.cpp
  src/settings/ImageFile.cpp
  src/controls/TextSelection.cpp
  src/controls/LinkRules.cpp
  src/shell/OpenerRules.cpp
  src/dialogs/PatternListModel.cpp
  src/dialogs/SettingsChoices.cpp
)
