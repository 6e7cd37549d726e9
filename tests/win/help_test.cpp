// The help page travels inside the program and is written out whole for the viewer.
#include "shell/Help.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace huex {
namespace {

TEST(HelpPage, IsWrittenOutWholeFromTheResources) {
    std::array<wchar_t, MAX_PATH + 1> folder{};
    ASSERT_GT(GetTempPathW(static_cast<DWORD>(folder.size()), folder.data()), 0u);
    const std::wstring path = std::wstring(folder.data()) + L"huex-help-test.htm";
    ASSERT_TRUE(writeHelpPage(path));
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(text.find("</html>"), std::string::npos);
    EXPECT_NE(text.find("Alt</kbd>+<kbd>F5"), std::string::npos);
    // The colour names' sources and their licence.
    EXPECT_NE(text.find("color-name-lists 3.33.2"), std::string::npos);
    EXPECT_NE(text.find("CC0 1.0"), std::string::npos);
    in.close();
    DeleteFileW(path.c_str());
}

TEST(HelpPage, UnwritablePathFailsWithoutThrowing) {
    EXPECT_FALSE(writeHelpPage(L"Z:\\no\\such\\folder\\at\\all\\help.htm"));
}

} // namespace
} // namespace huex
