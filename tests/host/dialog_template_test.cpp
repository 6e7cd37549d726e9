// Dialog templates read as the dialog manager reads them, and cut down to some of their items.
#include "dialogs/DialogTemplate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

namespace huex {
namespace {

class Writer {
  public:
    template <class T> Writer& put(T value) {
        const auto* raw = reinterpret_cast<const std::byte*>(&value);
        bytes.insert(bytes.end(), raw, raw + sizeof value);
        return *this;
    }
    Writer& text(std::u16string_view s) {
        for (char16_t c : s) put(c);
        return put(char16_t{0});
    }
    Writer& align() {
        bytes.resize((bytes.size() + 3) & ~std::size_t{3});
        return *this;
    }
    std::vector<std::byte> bytes;
};

struct Item {
    std::uint32_t id, style;
    std::u16string className; // empty: the Button ordinal
    std::u16string title;
    std::vector<std::byte> extra;
};

const std::vector<Item> items{{7, 0x50000000, u"SysTabControl32", u"", {}},
                              {8, 0x50010009, u"", u"x15 — 5x5", {std::byte{1}, std::byte{2}, std::byte{3}}},
                              {1, 0x50010001, u"", u"OK", {}}};

std::vector<std::byte> sampleTemplate() {
    Writer w;
    w.put<std::uint16_t>(1).put<std::uint16_t>(0xFFFF).put<std::uint32_t>(0).put<std::uint32_t>(8);
    w.put<std::uint32_t>(0x80C800C8 | 0x40).put(static_cast<std::uint16_t>(items.size()));
    w.put<std::int16_t>(0).put<std::int16_t>(0).put<std::int16_t>(282).put<std::int16_t>(283);
    w.put<std::uint16_t>(0).put<std::uint16_t>(0).text(u"Настройки");
    w.put<std::uint16_t>(8).put<std::uint16_t>(400).put<std::uint8_t>(0).put<std::uint8_t>(1).text(
        u"MS Shell Dlg");
    for (const Item& item : items) {
        w.align().put<std::uint32_t>(0).put<std::uint32_t>(0x20).put(item.style);
        w.put<std::int16_t>(9).put<std::int16_t>(38).put<std::int16_t>(90).put<std::int16_t>(10).put(item.id);
        if (item.className.empty())
            w.put<std::uint16_t>(0xFFFF).put<std::uint16_t>(0x80);
        else
            w.text(item.className);
        w.text(item.title).put(static_cast<std::uint16_t>(item.extra.size()));
        for (std::byte b : item.extra) w.put(b);
    }
    return w.bytes;
}

void expectItems(const DialogTemplateView& view, const std::vector<Item>& want) {
    ASSERT_EQ(view.items.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        const TemplateItem& got = view.items[i];
        EXPECT_EQ(got.id, want[i].id);
        EXPECT_EQ(got.style, want[i].style);
        EXPECT_EQ(got.exStyle, 0x20u);
        EXPECT_EQ(itemClassName(got.className), want[i].className.empty() ? u"Button" : want[i].className);
        EXPECT_EQ(got.title.text, want[i].title);
        EXPECT_EQ(got.creationData, want[i].extra);
        EXPECT_EQ((std::array{got.x, got.y, got.cx, got.cy}), (std::array<std::int16_t, 4>{9, 38, 90, 10}));
        EXPECT_EQ(got.begin % 4, 0u) << "items start on a 4-byte boundary";
    }
}

TEST(DialogTemplate, ReadsTheHeaderAndEveryItem) {
    const auto bytes = sampleTemplate();
    const auto view = readDialogTemplate(bytes);
    ASSERT_TRUE(view);
    EXPECT_EQ(view->caption, u"Настройки");
    EXPECT_EQ(view->fontName, u"MS Shell Dlg");
    EXPECT_EQ(view->pointSize, 8);
    EXPECT_EQ(view->charset, 1);
    EXPECT_EQ(view->cx, 282);
    expectItems(*view, items);
    EXPECT_EQ(itemClassName({u"", 0x85}), u"ComboBox");
    EXPECT_EQ(itemClassName({u"", 0x1234}), u"#4660");
}

TEST(DialogTemplate, LeavesOutTheItemsNamedAndKeepsTheRestReadable) {
    const auto bytes = sampleTemplate();
    const auto view = readDialogTemplate(bytes);
    ASSERT_TRUE(view);
    for (const std::vector<int>& leaveOut : {std::vector<int>{8}, {7}, {1, 7}, {}, {7, 8, 1}}) {
        std::vector<Item> want;
        for (const Item& item : items) {
            if (std::find(leaveOut.begin(), leaveOut.end(), static_cast<int>(item.id)) == leaveOut.end())
                want.push_back(item);
        }
        const auto cut = templateWithout(bytes, *view, leaveOut);
        const auto reread = readDialogTemplate(cut);
        ASSERT_TRUE(reread) << leaveOut.size();
        EXPECT_EQ(reread->caption, view->caption);
        expectItems(*reread, want);
    }
}

TEST(DialogTemplate, ADamagedTemplateGivesNothing) {
    const auto bytes = sampleTemplate();
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(readDialogTemplate(std::span(bytes).first(size))) << "cut at " << size;
    auto plain = bytes;
    plain[2] = std::byte{0}; // an old-style DLGTEMPLATE, which this reader does not take
    EXPECT_FALSE(readDialogTemplate(plain));
    auto tooMany = bytes;
    tooMany[16] = std::byte{4};
    EXPECT_FALSE(readDialogTemplate(tooMany));
}

} // namespace
} // namespace huex
