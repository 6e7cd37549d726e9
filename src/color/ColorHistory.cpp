#include "color/ColorHistory.h"

#include "color/ByteColor.h"

#include <algorithm>

namespace huex {

namespace {
constexpr std::string_view kPinnedWord = "pinned";

ByteColor bytesOf(ColorRef c) {
    return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
            static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

ColorRef colorRefOf(const ByteColor& c) {
    return static_cast<ColorRef>(c.red) | static_cast<ColorRef>(c.green) << 8 |
           static_cast<ColorRef>(c.blue) << 16;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

std::string historyEntryText(const HistoryEntry& e) {
    std::string text = hexText(bytesOf(e.color));
    if (e.pinned) (text += ' ') += kPinnedWord;
    return text;
}

std::optional<HistoryEntry> parseHistoryEntry(std::string_view text) {
    const auto color = parseHexText(text.substr(0, 7));
    if (!color) return std::nullopt;
    std::string_view rest = text.substr(7);
    if (rest.empty()) return HistoryEntry{colorRefOf(*color), false};
    if (!isBlank(rest.front())) return std::nullopt;
    while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
    if (rest != kPinnedWord) return std::nullopt;
    return HistoryEntry{colorRefOf(*color), true};
}

ColorHistory::ColorHistory(int size) : size_(std::clamp(size, 0, maxSize)) {}

ColorHistory ColorHistory::restored(int size, std::span<const std::optional<HistoryEntry>> stored) {
    ColorHistory history(size);
    std::vector<HistoryEntry> pinned, others;
    std::vector<ColorRef> seen;
    for (const auto& e : stored) {
        if (!e || std::find(seen.begin(), seen.end(), e->color) != seen.end()) continue;
        seen.push_back(e->color);
        (e->pinned ? pinned : others).push_back(*e);
    }
    if (pinned.size() > maxPinned) pinned.resize(maxPinned);
    if (others.size() > static_cast<std::size_t>(history.size_)) others.resize(history.size_);
    history.pinned_ = static_cast<int>(pinned.size());
    history.entries_ = std::move(pinned);
    history.entries_.insert(history.entries_.end(), others.begin(), others.end());
    return history;
}

void ColorHistory::erase(int row, RowEdits& edits) {
    entries_.erase(entries_.begin() + row);
    if (row < pinned_) --pinned_;
    edits.push_back({false, row, {}});
}

void ColorHistory::insert(int row, HistoryEntry e, RowEdits& edits) {
    entries_.insert(entries_.begin() + row, e);
    if (e.pinned) ++pinned_;
    edits.push_back({true, row, e});
}

// At the front of the others; the oldest of them beyond the size bound go.
RowEdits ColorHistory::insertUnpinned(HistoryEntry e, RowEdits edits) {
    e.pinned = false;
    insert(pinned_, e, edits);
    while (static_cast<int>(entries_.size()) - pinned_ > size_)
        erase(static_cast<int>(entries_.size()) - 1, edits);
    return edits;
}

RowEdits ColorHistory::add(ColorRef color) {
    color &= 0xFFFFFF;
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [color](const HistoryEntry& e) { return e.color == color; });
    if (found == entries_.end()) return insertUnpinned({color, false}, {});
    const auto row = static_cast<int>(found - entries_.begin());
    if (found->pinned || row == pinned_) return {}; // pinned, or already the newest
    RowEdits edits;
    erase(row, edits);
    return insertUnpinned({color, false}, std::move(edits));
}

RowEdits ColorHistory::togglePin(int row) {
    if (row < 0 || row >= static_cast<int>(entries_.size())) return {};
    HistoryEntry e = entries_[static_cast<std::size_t>(row)];
    if (!e.pinned && !canPin()) return {};
    RowEdits edits;
    erase(row, edits);
    if (e.pinned) return insertUnpinned(e, std::move(edits));
    e.pinned = true;
    insert(pinned_, e, edits);
    return edits;
}

RowEdits ColorHistory::remove(int row) {
    if (row < 0 || row >= static_cast<int>(entries_.size())) return {};
    RowEdits edits;
    erase(row, edits);
    return edits;
}

RowEdits ColorHistory::clearUnpinned() {
    RowEdits edits;
    while (static_cast<int>(entries_.size()) > pinned_) erase(static_cast<int>(entries_.size()) - 1, edits);
    return edits;
}

} // namespace huex
