// The colour history: its order rules with the row edits a list follows, the [History] section
// read (hostile lines, repeats, too many) and written whole, and the coalesced save.
#include "color/ColorHistory.h"
#include "settings/IniDocument.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace huex {
namespace {

using Entries = std::vector<HistoryEntry>;

HistoryEntry u(ColorRef c) {
    return {c, false};
}
HistoryEntry p(ColorRef c) {
    return {c, true};
}

ColorHistory from(int size, const Entries& entries) {
    std::vector<std::optional<HistoryEntry>> stored(entries.begin(), entries.end());
    return ColorHistory::restored(size, stored);
}

struct Op {
    enum Kind { add, pin, remove, clear } kind;
    int value = 0; // the colour added, or the row
};

// Applies an edit list to the rows a list showed before it.
Entries applied(Entries rows, const RowEdits& edits) {
    for (const RowEdit& e : edits) {
        if (e.insert)
            rows.insert(rows.begin() + e.row, e.entry);
        else
            rows.erase(rows.begin() + e.row);
    }
    return rows;
}

TEST(ColorHistory, OrderRulesAndTheRowEditsThatFollowThem) {
    Entries thirtyPinned;
    for (ColorRef c = 1; c <= 30; ++c) thirtyPinned.push_back(p(c));
    Entries thirtyAndOne = thirtyPinned;
    thirtyAndOne.push_back(u(99));
    struct Case {
        const char* name;
        int size;
        Entries start;
        std::vector<Op> ops;
        Entries expected;
    };
    const std::vector<Case> cases{
        {"new colours go first", 30, {}, {{Op::add, 1}, {Op::add, 2}, {Op::add, 3}}, {u(3), u(2), u(1)}},
        {"a repeat moves to the front", 30, {u(3), u(2), u(1)}, {{Op::add, 1}}, {u(1), u(3), u(2)}},
        {"a repeat at the front stays", 30, {u(3), u(2)}, {{Op::add, 3}}, {u(3), u(2)}},
        {"only the colour's bytes count", 30, {u(1)}, {{Op::add, static_cast<int>(0xFF000001)}}, {u(1)}},
        {"pinned go first, in pin order",
         30,
         {u(3), u(2), u(1)},
         {{Op::pin, 2}, {Op::pin, 2}},
         {p(1), p(2), u(3)}},
        {"a pinned repeat stays where it is",
         30,
         {p(1), p(2), u(3)},
         {{Op::add, 2}, {Op::add, 1}},
         {p(1), p(2), u(3)}},
        {"unpinned goes to the front of the others",
         30,
         {p(1), p(2), u(3)},
         {{Op::pin, 0}},
         {p(2), u(1), u(3)}},
        {"the oldest falls off", 2, {}, {{Op::add, 1}, {Op::add, 2}, {Op::add, 3}}, {u(3), u(2)}},
        {"pinned don't count against the size",
         2,
         {p(1)},
         {{Op::add, 2}, {Op::add, 3}, {Op::add, 4}},
         {p(1), u(4), u(3)}},
        {"unpinning beyond the size drops the oldest", 1, {p(1), u(2)}, {{Op::pin, 0}}, {u(1)}},
        {"size 0 keeps only the pinned", 0, {p(1)}, {{Op::add, 2}}, {p(1)}},
        {"no 31st pin", 30, thirtyAndOne, {{Op::pin, 30}}, thirtyAndOne},
        {"delete, then clear the unpinned", 30, {p(1), u(2), u(3)}, {{Op::remove, 1}, {Op::clear}}, {p(1)}},
        {"rows that aren't there change nothing",
         30,
         {u(1)},
         {{Op::pin, 1}, {Op::remove, -1}, {Op::pin, -1}},
         {u(1)}},
    };
    for (const Case& c : cases) {
        ColorHistory h = from(c.size, c.start);
        for (const Op& op : c.ops) {
            const Entries before = h.entries();
            const RowEdits edits = op.kind == Op::add      ? h.add(static_cast<ColorRef>(op.value))
                                   : op.kind == Op::pin    ? h.togglePin(op.value)
                                   : op.kind == Op::remove ? h.remove(op.value)
                                                           : h.clearUnpinned();
            EXPECT_EQ(applied(before, edits), h.entries()) << c.name << ": the edits tell the change";
            EXPECT_LE(edits.size(), op.kind == Op::clear ? before.size() : 3U) << c.name;
        }
        EXPECT_EQ(h.entries(), c.expected) << c.name;
        int pinned = 0;
        while (pinned < static_cast<int>(h.entries().size()) && h.entries()[pinned].pinned) ++pinned;
        EXPECT_EQ(h.pinnedCount(), pinned) << c.name;
    }
    EXPECT_FALSE(from(30, thirtyPinned).canPin());
}

const Rect kScreen{0, 0, 1024, 768};

std::vector<std::string> loadedHistory(const std::string& section) {
    const Settings s = loadSettings(IniDocument::parse("[History]\n" + section), kScreen);
    std::vector<std::string> texts;
    for (const HistoryEntry& e : s.history.history.entries()) texts.push_back(historyEntryText(e));
    texts.push_back("size " + std::to_string(s.history.history.size()));
    return texts;
}

std::string keys(int from, int to, const char* suffix) {
    std::string text;
    for (int k = from; k < to; ++k) {
        char value[16];
        std::snprintf(value, sizeof value, "#%06X", k);
        text += std::to_string(k - from) + "=" + value + suffix + "\n";
    }
    return text;
}

TEST(HistorySection, ReadsWhatItCanInKeyOrder) {
    using Texts = std::vector<std::string>;
    Texts hundred, thirty;
    for (int k = 0; k < 100; ++k) {
        char value[16];
        std::snprintf(value, sizeof value, "#%06X", k);
        hundred.push_back(value);
    }
    for (const std::string& t : Texts(hundred.begin(), hundred.begin() + 30)) thirty.push_back(t + " pinned");
    const auto with = [](Texts t, const std::string& last) {
        t.push_back(last);
        return t;
    };
    struct Case {
        const char* name;
        std::string section;
        Texts expected;
    };
    const std::vector<Case> cases{
        {"no section", "", {"size 30"}},
        {"pinned first in file order",
         "count=4\n0=#112233\n1=#445566 pinned\n2=#778899\n3=#0A0B0C pinned\n",
         {"#445566 pinned", "#0A0B0C pinned", "#112233", "#778899", "size 30"}},
        {"unreadable values left out",
         "count=9\n0=#12345\n1=112233\n2=#GG0000\n3=#112233 pin\n4=#112233pinned\n5=\n6=#aabbcc  pinned\n"
         "7=#010203 pinned x\n8=#0000FF\n",
         {"#AABBCC pinned", "#0000FF", "size 30"}},
        {"repeats left out, pinned or not",
         "count=5\n0=#111111\n1=#111111\n2=#111111 pinned\n3=#222222 pinned\n4=#222222\n",
         {"#222222 pinned", "#111111", "size 30"}},
        {"missing keys skipped, keys from count on ignored",
         "count=3\n0=#000001\n2=#000003\n3=#000004\n",
         {"#000001", "#000003", "size 30"}},
        {"a count that isn't a number reads the keys there are",
         "count=x\n0=#000001\n1=#000002\n3=#000004\n",
         {"#000001", "#000002", "size 30"}},
        {"130 keys at most, 100 unpinned", "size=500\ncount=9999\n" + keys(0, 140, ""),
         with(hundred, "size 100")},
        {"30 pinned at most", "count=35\n" + keys(0, 35, " pinned"), with(thirty, "size 30")},
        {"the oldest beyond size dropped",
         "size=2\ncount=3\n0=#000001\n1=#000002\n2=#000003\n",
         {"#000001", "#000002", "size 2"}},
        {"size below 0 keeps only pinned",
         "size=-4\ncount=2\n0=#000001\n1=#000002 pinned\n",
         {"#000002 pinned", "size 0"}},
        {"a size that isn't a number is the default",
         "size=lots\ncount=1\n0=#000001\n",
         {"#000001", "size 30"}},
    };
    for (const Case& c : cases) EXPECT_EQ(loadedHistory(c.section), c.expected) << c.name;
}

HistorySettings withWindow(ColorHistory history, int posX, int posY, bool open) {
    HistorySettings h;
    h.history = std::move(history);
    h.posX = posX;
    h.posY = posY;
    h.open = open;
    return h;
}

std::string saved(const std::string& file, const HistorySettings& history) {
    IniDocument doc = IniDocument::parse(file);
    Settings s = loadSettings(doc, kScreen);
    s.history = history;
    writeSettings(doc, s);
    return doc.text();
}

std::string historySection(const std::string& text) {
    const std::size_t at = text.find("[History]");
    if (at == std::string::npos) return "";
    const std::size_t end = text.find('[', at + 1);
    return text.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

TEST(HistorySection, WrittenWholeOnlyWhenThereIsSomethingToKeep) {
    const std::string today = saved("", HistorySettings{});
    ASSERT_EQ(historySection(today), "") << "a file of today gets no section";
    EXPECT_EQ(saved(today, HistorySettings{}), today) << "and saves byte for byte";

    const HistorySettings two = withWindow(from(30, {p(0x332211), u(0xCCBBAA)}), 5, 6, true);
    struct Case {
        const char* name;
        std::string file;
        HistorySettings history;
        std::string expected;
    };
    const std::vector<Case> cases{
        {"a new section at the end", today, two,
         "[History]\r\ncount=2\r\n0=#112233 pinned\r\n1=#AABBCC\r\nposX=5\r\nposY=6\r\nopen=1\r\n"},
        {"rewritten in order, stale keys gone, the comment kept",
         today +
             "[History]\r\n; mine\r\n7=#FFFFFF\r\nopen=0\r\nsize=30\r\n1=#000000\r\ncount=8\r\nextra=1\r\n"
             "[Later]\r\nkept=1\r\n",
         two,
         "[History]\r\nsize=30\r\ncount=2\r\n0=#112233 "
         "pinned\r\n1=#AABBCC\r\nposX=5\r\nposY=6\r\nopen=1\r\n; mine\r\n"},
        {"emptied: the keys it had, no entries", today + "[History]\r\ncount=1\r\n0=#000000\r\n",
         HistorySettings{}, "[History]\r\ncount=0\r\n"},
        {"another size is kept", today + "[History]\r\nsize=7\r\n",
         withWindow(from(7, {}), useLiveWindowRect, useLiveWindowRect, false), "[History]\r\nsize=7\r\n"},
        {"a window that was shown keeps its place", today, withWindow(from(30, {}), 40, 50, false),
         "[History]\r\ncount=0\r\nposX=40\r\nposY=50\r\nopen=0\r\n"},
    };
    for (const Case& c : cases) {
        const std::string text = saved(c.file, c.history);
        EXPECT_EQ(historySection(text), c.expected) << c.name;
        EXPECT_EQ(text.find("[Later]") == std::string::npos, c.file.find("[Later]") == std::string::npos)
            << c.name;
        EXPECT_EQ(saved(text, loadSettings(IniDocument::parse(text), kScreen).history), text)
            << c.name << ": read back and saved again, nothing changes";
    }
}

TEST(HistorySaveSchedule, OneTimerTakesEveryChangeUntilASaveWritesThem) {
    // c: a change (S when it starts the timer); f: the timer fires (D when a save is due);
    // s: a save wrote the file (the timed one, or one at exit).
    struct Case {
        const char* events;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"cccfs", "S--D-"},                   // changes of one period, one save
        {"cfscfs", "SD-SD-"}, {"cf", "SD"},   // a failed save leaves the timer for another try
        {"cfcf", "SD-D"},     {"csf", "S--"}, // an exit save took the changes: nothing due
        {"f", "-"},
    };
    for (const Case& c : cases) {
        HistorySaveSchedule schedule;
        std::string got;
        for (const char* e = c.events; *e; ++e) {
            if (*e == 'c') got += schedule.changed() ? 'S' : '-';
            if (*e == 'f') got += schedule.due() ? 'D' : '-';
            if (*e == 's') {
                schedule.saved();
                got += '-';
            }
        }
        EXPECT_EQ(got, c.expected) << c.events;
    }
}

} // namespace
} // namespace huex
