#include "picker/PatternMenuModel.h"

namespace huex {

std::vector<PatternMenuEntry> patternMenuEntries(const std::vector<ColorPattern>& patterns) {
    std::vector<PatternMenuEntry> entries;
    const int count = static_cast<int>(patterns.size());
    for (int i = 0; i < count; ++i) {
        if (i == kBuiltInPatternCount) entries.push_back({true, 0, {}});
        entries.push_back({false, kPatternCommandFirst + i, patterns[static_cast<std::size_t>(i)].name});
    }
    entries.push_back({true, 0, {}});
    entries.push_back({false, kPatternCommandFirst + count, "Добавить/Редактировать"});
    return entries;
}

int patternMenuPosition(int index) {
    return index >= kBuiltInPatternCount ? index + 1 : index;
}

int patternOfCommand(int command, int patternCount) {
    const int index = command - kPatternCommandFirst;
    return index >= 0 && index < patternCount ? index : -1;
}

bool isPatternSettingsCommand(int command, int patternCount) {
    return command == kPatternCommandFirst + patternCount;
}

} // namespace huex
