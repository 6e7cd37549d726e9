#pragma once
// The colour history: every colour picked, newest first, after the pinned favourites, which keep
// the order they were pinned in and never fall off the end. Each change says which rows it
// erased and inserted, so a list showing the history follows it row by row.
#include "color/Color.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace huex {

struct HistoryEntry {
    ColorRef color = 0;
    bool pinned = false;
    friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

// "#RRGGBB" (upper case), followed by " pinned" for a pinned entry.
std::string historyEntryText(const HistoryEntry& e);
// That form, the digits of either case, any blanks before "pinned"; nothing for anything else.
std::optional<HistoryEntry> parseHistoryEntry(std::string_view text);

// One step of a change, applied in order: the row erased, or the entry inserted at the row.
struct RowEdit {
    bool insert = false;
    int row = 0;
    HistoryEntry entry{};
    friend bool operator==(const RowEdit&, const RowEdit&) = default;
};
using RowEdits = std::vector<RowEdit>;

class ColorHistory {
  public:
    static constexpr int defaultSize = 30, maxSize = 100, maxPinned = 30;
    // Keys "0" to this - 1 of the settings file are read: room for a full history.
    static constexpr int maxStored = maxSize + maxPinned;

    ColorHistory() = default;
    // `size` bounds the unpinned entries (brought into 0..100).
    explicit ColorHistory(int size);
    // Entries as the settings file lists them: unreadable ones (nothing) and repeats of an earlier
    // colour are left out, the pinned go first in file order (the first 30 of them), then the
    // others, the oldest beyond `size` dropped.
    static ColorHistory restored(int size, std::span<const std::optional<HistoryEntry>> stored);

    // A pick: new colours go to the front of the unpinned, an unpinned repeat moves there, a pinned
    // one stays; the oldest unpinned beyond `size` falls off.
    RowEdits add(ColorRef color);
    // Pinning goes to the end of the pinned (refused at 30); unpinning to the front of the others.
    RowEdits togglePin(int row);
    RowEdits remove(int row);
    // Every unpinned entry goes.
    RowEdits clearUnpinned();

    [[nodiscard]] const std::vector<HistoryEntry>& entries() const { return entries_; }
    [[nodiscard]] int size() const { return size_; }
    [[nodiscard]] int pinnedCount() const { return pinned_; }
    [[nodiscard]] bool canPin() const { return pinned_ < maxPinned; }

  private:
    RowEdits insertUnpinned(HistoryEntry e, RowEdits edits);
    void erase(int row, RowEdits& edits);
    void insert(int row, HistoryEntry e, RowEdits& edits);

    std::vector<HistoryEntry> entries_;
    int size_ = defaultSize;
    int pinned_ = 0; // the first entries
};

// The coalesced save of a changed history: the first change starts one timer, changes after it
// ride along (never pushing the save back), and the save when the timer fires, or any save before
// it such as the one at exit, takes them all. A save that fails leaves the timer running, so it
// is tried again a period later.
class HistorySaveSchedule {
  public:
    static constexpr unsigned period = 2000; // milliseconds
    // A change: true when the timer must be started (none is running).
    bool changed() { return !std::exchange(pending_, true); }
    // The timer fired: true when there is something to save; false when a save before took it
    // (the caller stops the timer either way unless a save is due).
    [[nodiscard]] bool due() const { return pending_; }
    // A save ran and wrote every change so far: the timer is stopped.
    void saved() { pending_ = false; }
    [[nodiscard]] bool pending() const { return pending_; }

  private:
    bool pending_ = false;
};

} // namespace huex
