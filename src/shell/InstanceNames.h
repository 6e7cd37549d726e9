#pragma once
// The names that identify a running copy, and the request that brings it forward.
#include <windows.h>

namespace huex {

inline constexpr const wchar_t* instanceMutexName = L"HUEXColorPicker";
inline constexpr const wchar_t* instanceMarkerText = L"HUEXRavenApplication.ColorPicker";
inline constexpr WPARAM activationRequest = 333; // WM_SHOWWINDOW wParam

} // namespace huex
