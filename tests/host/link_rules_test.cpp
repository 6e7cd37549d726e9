// The hyperlink's rules: colour by state, failure messages by result code, the fallback
// opener's command line, and shrinking a static to its text.
#include "controls/LinkRules.h"
#include "shell/OpenerRules.h"

#include <gtest/gtest.h>

namespace huex {
namespace {

TEST(LinkColour, HoverThenActiveThenVisitedThenPlain) {
    const unsigned withHover = defaultLinkOptions | linkHoverColour;
    const unsigned noActive = defaultLinkOptions | linkNoActiveColour;
    const struct {
        LinkState state;
        unsigned options;
        ColorRef colour;
    } cases[] = {
        {{false, false, false}, defaultLinkOptions, 0xFF0000},
        {{false, false, true}, defaultLinkOptions, 0x800080},
        {{true, false, true}, defaultLinkOptions, 0x808000},
        {{true, true, true}, defaultLinkOptions, 0x808000}, // hovering counts only with its option
        {{true, true, true}, withHover, 0x0000FF},
        {{false, true, false}, withHover, 0x0000FF},
        {{true, false, false}, noActive, 0xFF0000},
        {{true, false, true}, noActive, 0x800080},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(linkTextColour(c.state, c.options), c.colour)
            << "active " << c.state.active << " hovering " << c.state.hovering << " visited "
            << c.state.visited << " options " << c.options;
    }
}

TEST(LinkFailureMessage, TextForEachCodeAndForAnUnknownOne) {
    const struct {
        int code;
        const wchar_t* text;
    } cases[] = {
        {0, L"The operating system is out\nof memory or resources."},
        {2, L"The specified file was not found."},
        {3, L"The specified path was not found."},
        {5, L"The operating system denied\naccess to the specified file."},
        {8, L"There was not enough memory to complete the operation."},
        {11, L"The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, L"A sharing violation occurred. "},
        {27, L"The filename association is\nincomplete or invalid."},
        {28, L"The DDE transaction could not\nbe completed because the request timed out."},
        {29, L"The DDE transaction failed."},
        {30, L"The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
             L"processed."},
        {31, L"There is no application associated\nwith the given filename extension."},
        {32, L"The specified dynamic-link library was not found."},
        {4, L"Unknown Error (4) occurred."},
        {-7, L"Unknown Error (-7) occurred."},
        {1234, L"Unknown Error (1234) occurred."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(openFailureMessage(c.code), std::wstring(L"Can't open link:\n\n") + c.text) << c.code;
}

TEST(LinkFallback, CommandLineCutAtThePlaceholder) {
    const struct {
        const wchar_t* registered;
        const wchar_t* command;
    } cases[] = {
        {LR"("C:\Browser\browser.exe" "%1")", LR"("C:\Browser\browser.exe"  http://x.example.org/)"},
        {LR"(C:\browser.exe -url "%1" -new)", LR"(C:\browser.exe -url  http://x.example.org/)"},
        {LR"(C:\browser.exe %1)", LR"(C:\browser.exe  http://x.example.org/)"},
        {LR"(C:\browser.exe -nohome)", LR"(C:\browser.exe -nohome http://x.example.org/)"},
        {LR"(C:\browser.exe "%1" %1)", LR"(C:\browser.exe  http://x.example.org/)"}, // the quoted one first
        {L"", L" http://x.example.org/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fallbackCommandLine(c.registered, L"http://x.example.org/"), c.command) << c.registered;
}

TEST(LinkFallback, LongTargetsAreNotCut) {
    const std::wstring target = L"http://example.org/" + std::wstring(2000, L'a');
    const std::wstring line = fallbackCommandLine(LR"(browser.exe "%1")", target);
    EXPECT_EQ(line, L"browser.exe  " + target);
}

TEST(LinkSizing, ShrinksRoundTheTextByAlignment) {
    const LinkBox box{10, 20, 110, 40}; // 100 x 20
    const struct {
        TextAlignment alignment;
        bool centred;
        LinkBox sized;
    } cases[] = {
        {TextAlignment::left, false, {10, 20, 41, 33}},
        {TextAlignment::centre, false, {44, 20, 76, 33}}, // (100 - 31) / 2 = 34 off each side
        {TextAlignment::right, false, {79, 20, 110, 33}},
        {TextAlignment::left, true, {10, 23, 41, 37}}, // (20 - 13) / 2 = 3 off top and bottom
        {TextAlignment::centre, true, {44, 23, 76, 37}},
        {TextAlignment::right, true, {79, 23, 110, 37}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sizedToText(box, 31, 13, c.alignment, c.centred), c.sized)
            << static_cast<int>(c.alignment) << " " << c.centred;
}

} // namespace
} // namespace huex
