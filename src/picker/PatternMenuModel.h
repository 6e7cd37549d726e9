#pragma once
// The per-slot pattern menu, as entries the window turns into a popup: one item per pattern
// (command kPatternCommandFirst + index), a separator between the four built-in patterns and the
// user's, then a separator and the entry that opens the settings.
#include "pattern/ColorPattern.h"

#include <string>
#include <vector>

namespace huex {

inline constexpr int kPatternCommandFirst = 1034;
inline constexpr int kBuiltInPatternCount = 4;

struct PatternMenuEntry {
    bool separator = false;
    int command = 0;
    std::string text; // UTF-8
    friend bool operator==(const PatternMenuEntry&, const PatternMenuEntry&) = default;
};

std::vector<PatternMenuEntry> patternMenuEntries(const std::vector<ColorPattern>& patterns);

// Menu position of pattern `index` (the separator after the built-in patterns shifts the user's).
int patternMenuPosition(int index);

// Pattern index a pattern-menu command chooses; -1 for the settings entry and anything else.
int patternOfCommand(int command, int patternCount);
// True for the pattern menu's settings entry.
bool isPatternSettingsCommand(int command, int patternCount);

} // namespace huex
