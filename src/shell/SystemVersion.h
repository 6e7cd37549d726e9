#pragma once
// What the packed GetVersion() value says about window transparency and the tray icon style.
#include <cstdint>

namespace huex {

struct SystemTraits {
    bool layeredWindowsAvailable = false;
    bool preXpSystem = false;
};

SystemTraits decodeSystemVersion(std::uint32_t packedVersion);

} // namespace huex
