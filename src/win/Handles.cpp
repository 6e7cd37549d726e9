#include "win/Handles.h"

namespace huex::win {

int liveGdiHandles() {
    return GdiObjectTraits<HBITMAP>::live + GdiObjectTraits<HFONT>::live + GdiObjectTraits<HPEN>::live +
           GdiObjectTraits<HBRUSH>::live + MemoryDcTraits::live;
}

int liveUserHandles() {
    return MenuTraits::live + IconTraits::live + CursorTraits::live;
}

} // namespace huex::win
