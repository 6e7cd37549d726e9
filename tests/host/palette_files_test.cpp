#include "color/ByteColor.h"
#include "palette/PaletteFiles.h"

#include <gtest/gtest.h>

#include <bit>

namespace huex {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

// Builds swatch files block by block, so that each case says only what it changes.
struct Ase {
    Bytes out = bytesOf("ASEF");
    Ase& u16(std::uint16_t v) {
        out.push_back(static_cast<std::uint8_t>(v >> 8));
        out.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    Ase& u32(std::uint32_t v) {
        return u16(static_cast<std::uint16_t>(v >> 16)).u16(static_cast<std::uint16_t>(v));
    }
    Ase& header(std::uint32_t blocks) { return u16(1).u16(0).u32(blocks); }
    Ase& block(std::uint16_t type, const Bytes& data) {
        u16(type).u32(static_cast<std::uint32_t>(data.size()));
        out.insert(out.end(), data.begin(), data.end());
        return *this;
    }
    static Bytes entry(std::string_view model, std::initializer_list<float> values) {
        Ase e;
        e.out.clear();
        e.u16(2).u16('x').u16(0);
        e.out.insert(e.out.end(), model.begin(), model.end());
        for (const float v : values) e.u32(std::bit_cast<std::uint32_t>(v));
        e.u16(2);
        return e.out;
    }
};

const Bytes groupStart = {0, 2, 0, 'g', 0, 0};

std::vector<ByteColor> shown(const PaletteRead& read) {
    std::vector<ByteColor> out;
    for (const RgbColor& c : read.colors) out.push_back(toByteColor(c));
    return out;
}

const std::vector<RgbColor> cells{{0.1, 0.5, 1.0}, {0, 0, 0}};

TEST(PaletteFiles, WrittenBytes) {
    EXPECT_EQ(
        writePalette(PaletteFormat::gpl, cells),
        bytesOf("GIMP Palette\nName: HUEX\nColumns: 1\n#\n 26 128 255\t#1A80FF\n  0   0   0\t#000000\n"));
    EXPECT_EQ(writePalette(PaletteFormat::css, cells),
              bytesOf(":root {\n  --huex-1: #1a80ff;\n  --huex-2: #000000;\n}\n"));
    EXPECT_EQ(writePalette(PaletteFormat::txt, cells), bytesOf("#1A80FF\n#000000\n"));
    EXPECT_EQ(
        writePalette(PaletteFormat::cssOklch, cells),
        bytesOf(
            ":root {\n  --huex-1: oklch(61.65% 0.2091 257.42);\n  --huex-2: oklch(0.00% 0.0000 0.00);\n}\n"));
    EXPECT_EQ(writePalette(PaletteFormat::tokens, std::span(cells).first(1)),
              bytesOf("{\n  \"huex\": {\n    \"$type\": \"color\",\n    \"1\": {\n      \"$value\": {\n"
                      "        \"colorSpace\": \"srgb\",\n        \"components\": [0.1, 0.5, 1],\n"
                      "        \"hex\": \"#1a80ff\"\n      }\n    }\n  }\n}\n"));
    const Bytes ase = writePalette(PaletteFormat::ase, std::span(cells).first(1));
    const Bytes expected = {
        'A', 'S', 'E', 'F', 0,    1,    0,    0,    0,    0,   0, 1, // signature, 1.0, one block
        0,   1,   0,   0,   0,    36,   0,    8,                     // colour entry, name of 8 units
        0,   '#', 0,   '1', 0,    'A',  0,    '8',  0,    '0', 0, 'F', 0,    'F',  0, 0, // "#1A80FF"
        'R', 'G', 'B', ' ', 0x3D, 0xCC, 0xCC, 0xCD, 0x3F, 0,   0, 0,   0x3F, 0x80, 0, 0, // 0.1f .5f 1f
        0,   2};                                                                         // normal colour
    EXPECT_EQ(ase, expected);
    EXPECT_EQ(writePalette(PaletteFormat::txt, {}), Bytes{});
}

// The text formats keep the 8-bit values (the fuzz targets read back what they write); a swatch
// file keeps each channel as float32.
TEST(PaletteFiles, SwatchFileKeepsTheCellsAsFloat32) {
    const std::vector<RgbColor> many{{0.1, 0.5, 1.0}, {0.333, 0.25, 0.9999}, {0.002, 0.7, 0.42}};
    const PaletteRead ase = readPalette(writePalette(PaletteFormat::ase, many), L"x.ase");
    ASSERT_EQ(ase.colors.size(), many.size());
    for (std::size_t i = 0; i < many.size(); ++i) {
        EXPECT_EQ(ase.colors[i].red, static_cast<float>(many[i].red));
        EXPECT_EQ(ase.colors[i].green, static_cast<float>(many[i].green));
        EXPECT_EQ(ase.colors[i].blue, static_cast<float>(many[i].blue));
    }
}

// Tokens keep each cell's fractions to the last bit.
TEST(PaletteFiles, DesignTokensKeepTheCellsExactly) {
    const std::vector<RgbColor> many{{1 / 3.0, 128 / 255.0, 1e-7}, {0.1, 0.2, 0.3}, {1, 0, 5e-324}};
    const PaletteRead back = readPalette(writePalette(PaletteFormat::tokens, many), L"x.tokens.json");
    ASSERT_EQ(back.colors.size(), many.size());
    for (std::size_t i = 0; i < many.size(); ++i) {
        EXPECT_EQ(back.colors[i].red, many[i].red);
        EXPECT_EQ(back.colors[i].green, many[i].green);
        EXPECT_EQ(back.colors[i].blue, many[i].blue);
    }
}

TEST(PaletteFiles, FileNames) {
    EXPECT_EQ(withPaletteExtension(L"C:\\a\\colours", PaletteFormat::gpl), L"C:\\a\\colours.gpl");
    EXPECT_EQ(withPaletteExtension(L"colours.ASE", PaletteFormat::ase), L"colours.ASE");
    EXPECT_EQ(withPaletteExtension(L"colours.txt", PaletteFormat::css), L"colours.txt.css");
    EXPECT_EQ(withPaletteExtension(L"css", PaletteFormat::css), L"css.css");
    EXPECT_EQ(withPaletteExtension(L"a.json", PaletteFormat::tokens), L"a.json.tokens.json");
    EXPECT_EQ(withPaletteExtension(L"a.Tokens.JSON", PaletteFormat::tokens), L"a.Tokens.JSON");
}

TEST(PaletteFiles, Readers) {
    const ByteColor red{255, 0, 0}, gray{128, 128, 128}, teal{0, 0x80, 0x80};
    struct Row {
        const char* name;
        Bytes file;
        const wchar_t* path;
        std::vector<ByteColor> colors;
        int skipped;
        std::string_view error;
        int aliases = 0, unreadable = 0;
    };
    const std::string deep = std::string(10000, '[') + std::string(10000, ']');
    // Groups pass their type down; a token's own type wins; "$"-names are properties but "$root".
    const char* tokensFile = R"j({"$type": "color",
      "base": {
        "red": {"$value": {"colorSpace": "srgb", "components": [1, 0, 0]}},
        "hsl": {"$value": {"colorSpace": "hsl", "components": [120, 100, 25], "alpha": 0.5}},
        "p3": {"$value": {"colorSpace": "display-p3", "components": [1, 0, 0], "hex": "#000000"}},
        "gray": {"$value": {"colorSpace": "oklch", "components": [0.7, "none", 0]}},
        "made-up": {"$value": {"colorSpace": "cmyk", "components": [0, 1, 1, 0], "hex": "#008080"}},
        "css": {"$value": "lab(50 40 -20)"},
        "alias": {"$value": "{base.red}"},
        "bad": {"$value": {"colorSpace": "srgb", "components": [1, 0]}},
        "bad2": {"$value": "#12"},
        "gap": {"$value": 150, "$type": "duration"}},
      "size": {"$type": "dimension",
        "s": {"$value": {"value": 4, "unit": "px"}},
        "odd": {"$type": "color", "$value": "#808080"},
        "$root": {"$value": "#f00"}},
      "plain": {"$value": "#fff", "$description": "untyped, under the file's type"}})j";
    const Row rows[] = {
        // Chosen by content, whatever the name says.
        {"gimp",
         bytesOf("GIMP Palette\r\nName: x\r\n#\r\n255 0 0 red\r\n  0 128\t128\r\n"),
         L"p.txt",
         {red, teal},
         0,
         ""},
        {"gimp with mark", bytesOf("\xEF\xBB\xBFGIMP Palette\n1 2 3\n"), L"p", {{1, 2, 3}}, 0, ""},
        {"gimp odd lines",
         bytesOf("GIMP Palette\n256 0 0\n1 2\n1 2 3x\n-1 2 3\n7 8 9\n"),
         L"p.gpl",
         {{7, 8, 9}},
         0,
         ""},
        {"gimp empty", bytesOf("GIMP Palette\nName: x\n"), L"p.gpl", {}, 0, paletteError::noColor},
        {"gpl foreign", bytesOf("JASC-PAL\n0100\n"), L"p.gpl", {}, 0, paletteError::wrongMagic},
        {"ase foreign", bytesOf("8BCO"), L"p.ASE", {}, 0, paletteError::wrongMagic},
        {"css",
         bytesOf("a{a:#F00;b:rgb(0, 128,128);c:RGB(128 128 128);d:#ff0000aa;e:#abcd;"
                 "f:rgba(1,2,3,1);g:rgb(1,2 3);h:rgb(300,0,0);i:rgb(1.5,2,3);j:#ff0000}"),
         L"p.css",
         {red, teal, gray, red},
         0,
         ""},
        // A custom property set to one colour, in any notation, counts once; other values are
        // searched as any CSS is.
        {"css custom properties",
         bytesOf("@theme default {\n  --color-red-500: oklch(63.7% 0.237 25.331);\n  --color-black: #000;\n"
                 "  --duration: 150ms; --x: var(--y, #f00); --ring: 0 1px rgb(0 0 0 / 0.05);\n"
                 "  --c:RED!important; --font: 'a;b', serif; --h: rgb(300,0,0)}a--b: red; --g:rgb(1,2 3)\n"
                 "--p3: color(display-p3 1 0 0)"),
         L"p.css",
         {{251, 44, 54}, {0, 0, 0}, red, red, red, {255, 11, 12}},
         0,
         ""},
        {"tokens",
         bytesOf(tokensFile),
         L"p.tokens.json",
         {red, {0, 128, 0}, {255, 11, 12}, {158, 158, 158}, teal, {171, 90, 154}, gray, {255, 255, 255}},
         0,
         "",
         1,
         2},
        {"tokens, any .json",
         bytesOf("\xEF\xBB\xBF{\"a\": {\"$type\": \"color\", \"$value\": \"#f00\"}}"),
         L"p.JSON",
         {red},
         0,
         ""},
        {"tokens, none a colour",
         bytesOf(R"j({"a": {"$value": "#f00"}})j"),
         L"p.json",
         {},
         0,
         paletteError::noColor},
        {"json unterminated",
         bytesOf("{\n\"a\": \"#f00"),
         L"p.json",
         {},
         0,
         "незакрытая строка JSON в строке 2"},
        {"json trailing comma", bytesOf("{\"a\": 1,}"), L"p.json", {}, 0, "неверный JSON в строке 1"},
        {"json bad number", bytesOf("[01]"), L"p.json", {}, 0, "неверный JSON в строке 1"},
        {"json after the end", bytesOf("{} {}"), L"p.json", {}, 0, "неверный JSON в строке 1"},
        {"json deep", bytesOf(deep), L"p.json", {}, 0, "вложенность JSON глубже 64 в строке 1"},
        {"txt", bytesOf("#808080\n#008080 and #f00."), L"p.TXT", {gray, teal, red}, 0, ""},
        {"txt no colour", bytesOf("nothing here # rgb("), L"p.txt", {}, 0, paletteError::noColor},
        {"unknown", bytesOf("#ff0000"), L"p.pal", {}, 0, paletteError::unknownFormat},
        {"too large", Bytes(kMaxPaletteFileSize + 1, '#'), L"p.txt", {}, 0, paletteError::tooLarge},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PaletteRead read = readPalette(row.file, row.path);
        EXPECT_EQ(read.error, row.error);
        EXPECT_EQ(shown(read), row.colors);
        EXPECT_EQ(read.skipped, row.skipped);
        EXPECT_EQ(read.aliasTokens, row.aliases);
        EXPECT_EQ(read.unreadableTokens, row.unreadable);
    }
}

TEST(PaletteFiles, SwatchExchangeReader) {
    const Bytes rgb = Ase::entry("RGB ", {1, 0, 0}), grayEntry = Ase::entry("Gray", {0.5f});
    const Bytes cmyk = Ase::entry("CMYK", {0, 0, 0, 1}), lab = Ase::entry("LAB ", {50, 0, 0});
    const Bytes odd = Ase::entry("RGB ", {std::bit_cast<float>(0x7FC00000u), -3, 7});
    struct Row {
        const char* name;
        Bytes file;
        std::vector<ByteColor> colors;
        int skipped;
        std::string_view error;
    };
    const Row rows[] = {
        {"flat",
         Ase().header(2).block(1, rgb).block(1, grayEntry).out,
         {{255, 0, 0}, {128, 128, 128}},
         0,
         ""},
        {"groups flattened, CMYK and LAB counted",
         Ase()
             .header(6)
             .block(0xC001, groupStart)
             .block(1, cmyk)
             .block(1, rgb)
             .block(0xC002, {})
             .block(1, lab)
             .block(1, grayEntry)
             .out,
         {{255, 0, 0}, {128, 128, 128}},
         2,
         ""},
        {"unknown blocks and models passed over",
         Ase().header(3).block(7, {1, 2, 3}).block(1, Ase::entry("HSV ", {1, 1, 1})).block(1, rgb).out,
         {{255, 0, 0}},
         0,
         ""},
        {"channels kept in range", Ase().header(1).block(1, odd).out, {{0, 0, 255}}, 0, ""},
        {"only CMYK", Ase().header(1).block(1, cmyk).out, {}, 1, paletteError::noColor},
        {"no blocks", Ase().header(0).out, {}, 0, paletteError::noColor},
        {"header cut", Ase().u16(1).out, {}, 0, paletteError::pastEnd},
        {"more blocks than the file has", Ase().header(2).block(1, rgb).out, {}, 0, paletteError::pastEnd},
        {"block length past the end",
         [&] {
             Bytes f = Ase().header(1).block(1, rgb).out;
             f.pop_back();
             return f;
         }(),
         {},
         0,
         paletteError::pastEnd},
        {"name past its block",
         Ase().header(1).block(1, {0x7F, 0xFF, 0, 1}).out,
         {},
         0,
         paletteError::pastEnd},
        {"channels past their block",
         Ase().header(1).block(1, Bytes(rgb.begin(), rgb.end() - 8)).out,
         {},
         0,
         paletteError::pastEnd},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PaletteRead read = readPalette(row.file, L"p.ase");
        EXPECT_EQ(read.error, row.error);
        EXPECT_EQ(shown(read), row.colors); // a broken file gives none of what came before the fault
        EXPECT_EQ(read.skipped, row.skipped);
    }
}

TEST(PaletteFiles, ImportIntoThePalette) {
    Palette palette;
    palette.count = 3;
    palette.selected[1] = true;
    PaletteRead failed{{{1, 1, 1}}, 0, std::string(paletteError::pastEnd)};
    EXPECT_FALSE(applyImport(palette, failed));
    EXPECT_EQ(palette.count, 3);
    EXPECT_TRUE(palette.selected[1]);
    EXPECT_EQ(importMessage(failed), "Не удалось прочитать палитру: запись выходит за конец файла");

    PaletteRead twelve{{}, 3, ""};
    for (int i = 0; i < 12; ++i) twelve.colors.push_back({i / 11.0, 0, 0});
    ASSERT_TRUE(applyImport(palette, twelve));
    EXPECT_EQ(palette.count, 10);
    EXPECT_EQ(palette.colors[9].red, 9 / 11.0);
    EXPECT_EQ(palette.selected, (std::array<bool, 10>{}));
    EXPECT_EQ(importMessage(twelve), "Загружено 10 из 12 цветов\nПропущено записей CMYK и LAB: 3");

    const PaletteRead tokens{{{1, 1, 1}}, 0, "", 2, 1};
    EXPECT_EQ(importMessage(tokens),
              "Пропущено ссылок на другие токены: 2\nПропущено токенов цвета с нечитаемым значением: 1");

    const PaletteRead two{{{1, 1, 1}, {0, 0, 0}}, 0, ""};
    ASSERT_TRUE(applyImport(palette, two));
    EXPECT_EQ(palette.count, 2);
    EXPECT_EQ(palette.colors[2].red, 2 / 11.0); // cells past the count keep what they held
    EXPECT_EQ(importMessage(two), "");
}

} // namespace
} // namespace huex
