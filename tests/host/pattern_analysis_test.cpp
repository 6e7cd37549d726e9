#include "pattern/ColorPattern.h"

#include <gtest/gtest.h>

namespace huex {
namespace {

using C = Component;

std::array<std::string, 9> rgbFormats(const std::string& spec) {
    return {spec, spec, spec, "", "", "", "", "", ""};
}
std::array<std::string, 9> allFormats(const std::string& spec) {
    return {spec, spec, spec, spec, spec, spec, spec, spec, spec};
}

struct AnalysisCase {
    const char* pattern;
    const char* spec;
    bool valid;
    std::array<Component, 3> order;
    int prefix;
    const char* separator1;
    const char* separator2;
    const char* suffix;
};

TEST(PatternAnalysis, Table) {
    const auto hex = "{X|0:255|2.*}";
    const auto dec = "{d|0:255|*.*}";
    const AnalysisCase cases[] = {
        {"{rgbR}{rgbG}{rgbB}", hex, true, {C::rgbR, C::rgbG, C::rgbB}, 0, "", "", ""},
        {"{rgbR}{rgbG}{rgbB}", dec, false, {C::rgbR, C::rgbG, C::rgbB}, 0, "", "", ""},
        {"{rgbR},{rgbG}{rgbB}", dec, false, {C::rgbR, C::rgbG, C::rgbB}, 0, ",", "", ""},
        {"{rgbR},{rgbG};{rgbB}", dec, true, {C::rgbR, C::rgbG, C::rgbB}, 0, ",", ";", ""},
        {"#{rgbR}{rgbG}{rgbB}", hex, true, {C::rgbR, C::rgbG, C::rgbB}, 1, "", "", ""},
        {"HSB({hsbH}, {hsbS}, {hsbB})", dec, true, {C::hsbH, C::hsbS, C::hsbB}, 4, ", ", ", ", ")"},
        {"L{hslL} S{hslS} H{hslH}!", dec, true, {C::hslL, C::hslS, C::hslH}, 1, " S", " H", "!"},
        {"{rgbB}-{rgbG}-{rgbR}", dec, true, {C::rgbB, C::rgbG, C::rgbR}, 0, "-", "-", ""},
        {"{rgbG}-{rgbB}-{rgbR}", dec, true, {C::rgbG, C::rgbB, C::rgbR}, 0, "-", "-", ""},
        {"{rgbB}-{rgbR}-{rgbG}", dec, true, {C::rgbB, C::rgbR, C::rgbG}, 0, "-", "-", ""},
        // HSB wins over RGB when both are complete.
        {"{rgbR},{rgbG},{rgbB} {hsbH};{hsbS};{hsbB}",
         dec,
         true,
         {C::hsbH, C::hsbS, C::hsbB},
         21,
         ",",
         ",",
         " ~*^^*~;~*^^*~;~*^^*~"},
        // Pieces lie between the first three placeholders of any model.
        {"{rgbR},{rgbG},{rgbB} {hsbH}", dec, true, {C::rgbR, C::rgbG, C::rgbB}, 0, ",", ",", " ~*^^*~"},
        {"{hsbH}:{rgbR},{rgbG},{rgbB}", dec, true, {C::rgbR, C::rgbG, C::rgbB}, 7, ":", ",", ",~*^^*~"},
        {"~*^^*~{rgbR},{rgbG},{rgbB}", dec, false, {C::rgbR, C::rgbG, C::rgbB}, 6, "", ",", ",~*^^*~"},
        // Not exactly one placeholder of each component of any model.
        {"{rgbR}{rgbR}{rgbG}{rgbB}", dec, false, {}, 0, "", "", ""},
        {"{rgbR}{rgbG}", dec, false, {}, 0, "", "", ""},
        {"{RGBR}{rgbG}{rgbB}", dec, false, {}, 0, "", "", ""},
        {"plain text", dec, false, {}, 0, "", "", ""},
        {"", dec, false, {}, 0, "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        ColorPattern p("name", c.pattern, allFormats(c.spec));
        EXPECT_EQ(p.valid, c.valid);
        EXPECT_FALSE(p.parseFailed);
        EXPECT_EQ(p.patternString, c.pattern);
        EXPECT_EQ(p.textOrder, c.order);
        EXPECT_EQ(p.prefixLength, c.prefix);
        EXPECT_EQ(p.separator1, c.separator1);
        EXPECT_EQ(p.separator2, c.separator2);
        EXPECT_EQ(p.suffix, c.suffix);
    }
}

TEST(PatternAnalysis, FailedAnalysisKeepsEarlierFields) {
    ColorPattern p("n", "HSB({hsbH}, {hsbS}, {hsbB})", allFormats("{d|0:100|*.*}"));
    p.parseFailed = true;
    analysePattern(p, "{rgbR}");
    EXPECT_FALSE(p.valid);
    EXPECT_FALSE(p.parseFailed);
    EXPECT_EQ(p.patternString, "{rgbR}");
    EXPECT_EQ(p.prefixLength, 4);
    EXPECT_EQ(p.separator1, ", ");
    EXPECT_EQ(p.suffix, ")");
}

TEST(PatternAnalysis, ConstructorOrderIsRgbHsbHsl) {
    const std::array<std::string, 9> specs{"{d|0:1|*.*}", "{d|0:2|*.*}", "{d|0:3|*.*}",
                                           "{d|0:4|*.*}", "{d|0:5|*.*}", "{d|0:6|*.*}",
                                           "{d|0:7|*.*}", "{d|0:8|*.*}", "{d|0:9|*.*}"};
    const ColorPattern p("n", "x", specs);
    const Component expected[] = {C::rgbR, C::rgbG, C::rgbB, C::hsbH, C::hsbS,
                                  C::hsbB, C::hslH, C::hslS, C::hslL};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(p.formats[static_cast<std::size_t>(expected[i])].rangeTo, i + 1);

    std::array<ComponentFormat, 9> formats;
    for (std::size_t i = 0; i < 9; ++i) formats[i].specText = specs[i]; // field-wise copy, no parse
    formats[6].width = 3;
    const ColorPattern fromParts("n", "{hslH}{hslS}{hslL}", formats);
    EXPECT_EQ(fromParts.formats[static_cast<std::size_t>(C::hslH)].width, 3);
    EXPECT_EQ(fromParts.formats[static_cast<std::size_t>(C::hslH)].rangeTo, 0); // not re-parsed
    EXPECT_FALSE(fromParts.valid); // the second component has neither width nor separator
}

TEST(PatternAnalysis, CopyReparsesFormatsAndReanalyses) {
    ColorPattern original("orig", "{rgbR}{rgbG}{rgbB}", rgbFormats("{X|0:255|2.*}"));
    original.formats[static_cast<std::size_t>(C::rgbR)].width = -1; // edited without its spec text
    original.componentTexts[0] = "scratch";
    original.parseFailed = true;
    const ColorPattern copy(original);
    EXPECT_EQ(copy.name, "orig");
    EXPECT_TRUE(copy.valid);
    EXPECT_FALSE(copy.parseFailed);
    EXPECT_EQ(copy.formats[static_cast<std::size_t>(C::rgbR)].width, 2);
    EXPECT_EQ(copy.componentTexts[0], "");
    // An empty format has no spec text, so it comes back invalid.
    ColorPattern empty;
    EXPECT_FALSE(empty.formats[0].invalid);
    ColorPattern assigned;
    assigned = empty;
    EXPECT_TRUE(assigned.formats[0].invalid);
    EXPECT_FALSE(assigned.valid);
    assigned = original;
    EXPECT_TRUE(assigned.valid);
    EXPECT_EQ(assigned.name, "orig");
    ColorPattern moved(std::move(assigned));
    EXPECT_TRUE(moved.valid);
}

TEST(PatternAnalysis, BuiltIns) {
    const auto list = builtInPatterns();
    ASSERT_EQ(list.size(), 4u);
    const char* names[] = {"RRGGBB", "HSB(360, 100, 100)", "HSL(360, 100, 100)", "CMY(255, 255, 255)"};
    const char* strings[] = {"{rgbR}{rgbG}{rgbB}", "HSB({hsbH}, {hsbS}, {hsbB})",
                             "HSL({hslH}, {hslS}, {hslL})", "CMY({rgbR}, {rgbG}, {rgbB})"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(list[i].name, names[i]);
        EXPECT_EQ(list[i].patternString, strings[i]);
        EXPECT_TRUE(list[i].valid);
    }
    EXPECT_EQ(list[0].formats[static_cast<std::size_t>(C::rgbG)].specText, "{X|0:255|2.*}");
    EXPECT_EQ(list[1].formats[static_cast<std::size_t>(C::hsbH)].specText, "{d|0:360|*.*}");
    EXPECT_EQ(list[1].formats[static_cast<std::size_t>(C::hsbB)].specText, "{d|0:100|*.*}");
    EXPECT_EQ(list[2].formats[static_cast<std::size_t>(C::hslL)].specText, "{d|0:100|*.*}");
    EXPECT_EQ(list[3].formats[static_cast<std::size_t>(C::rgbB)].specText, "{d|255:0|*.*}");
    EXPECT_EQ(list[0].formats[static_cast<std::size_t>(C::hsbH)].specText, "");
}

TEST(PatternAnalysis, TextMayBeThePatternsOwnString) {
    ColorPattern p("n", "xyz{rgbR},{rgbG},{rgbB}", std::array<std::string, 9>{});
    analysePattern(p, std::string_view(p.patternString).substr(3));
    EXPECT_EQ(p.patternString, "{rgbR},{rgbG},{rgbB}");
    EXPECT_EQ(p.prefixLength, 0);
    EXPECT_EQ(p.separator2, ",");
}

TEST(PatternAnalysis, LongPatterns) {
    std::string pattern = std::string(10000, 'a') + "{rgbR}" + std::string(10000, '~') + "{rgbG};";
    for (int i = 0; i < 1500; ++i) pattern += "{hsbH}";
    pattern += "{rgbB}";
    const ColorPattern p("long", pattern, allFormats("{d|0:255|*.*}"));
    EXPECT_TRUE(p.valid);
    EXPECT_EQ(p.prefixLength, 10000);
    EXPECT_EQ(p.separator1.size(), 10000u);
    EXPECT_EQ(p.separator2, ";"); // up to the first hsbH marker
    EXPECT_EQ(p.suffix.size(), 1499u * 6 + 6);
}

} // namespace
} // namespace huex
