#pragma once
// The names that identify a running copy, and the request that brings it forward.
#include <windows.h>

namespace huex {

inline constexpr const wchar_t* instanceMutexName = L"HUEXColorPicker";
inline constexpr const wchar_t* instanceMarkerText = L"HUEXRavenApplication.ColorPicker";
inline constexpr WPARAM activationRequest = 333; // WM_SHOWWINDOW wParam

// Looks through every top-level window for one with our marker child; asks the first one found
// to show itself. Returns whether a running copy was found.
bool activateRunningCopy();

} // namespace huex
