#include "shell/SystemVersion.h"

namespace huex {

SystemTraits decodeSystemVersion(std::uint32_t packedVersion) {
    const bool nt = (packedVersion & 0x80000000u) == 0;
    const unsigned major = packedVersion & 0xFFu;
    const unsigned minor = (packedVersion >> 8) & 0xFFu;
    SystemTraits traits;
    traits.layeredWindowsAvailable = nt && major >= 5;
    traits.preXpSystem = nt ? (major < 5 || (major == 5 && minor == 0)) : major <= 4;
    return traits;
}

} // namespace huex
