#include "win/Handles.h"

#include <algorithm>
#include <array>

namespace huex::win {

int liveGdiHandles() {
    return GdiObjectTraits<HBITMAP>::live + GdiObjectTraits<HFONT>::live + GdiObjectTraits<HPEN>::live +
           GdiObjectTraits<HBRUSH>::live + MemoryDcTraits::live;
}

int liveUserHandles() {
    return MenuTraits::live + IconTraits::live + CursorTraits::live;
}

int heapKilobytesInUse(bool processHeap) {
    std::array<HANDLE, 64> heaps{};
    const DWORD count = std::min<DWORD>(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()),
                                        static_cast<DWORD>(heaps.size()));
    unsigned long long bytes = 0;
    for (DWORD i = 0; i < count; ++i) {
        if ((heaps[i] == GetProcessHeap()) != processHeap || !HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry))
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) bytes += entry.cbData;
        HeapUnlock(heaps[i]);
    }
    return static_cast<int>(bytes / 1024);
}

} // namespace huex::win
