// Reading Adobe Swatch Exchange files: RGB and Gray entries become colours, groups are read
// through, CMYK and LAB entries are counted and left out. Every read is checked against the end
// of the block it belongs to, and every block against the end of the file.
#include "palette/PaletteFiles.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <optional>

namespace huex {

namespace {

constexpr std::uint16_t kColorEntry = 0x0001;

class Cursor {
  public:
    explicit Cursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    [[nodiscard]] std::size_t left() const { return bytes_.size() - at_; }
    bool skip(std::size_t n) {
        if (n > left()) return false;
        at_ += n;
        return true;
    }
    std::optional<std::span<const std::uint8_t>> take(std::size_t n) {
        if (n > left()) return std::nullopt;
        const auto part = bytes_.subspan(at_, n);
        at_ += n;
        return part;
    }
    std::optional<std::uint32_t> number(std::size_t width) {
        const auto part = take(width);
        if (!part) return std::nullopt;
        std::uint32_t v = 0;
        for (const std::uint8_t b : *part) v = v << 8 | b;
        return v;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

// A channel as the cell keeps it: within 0..1, and 0 for a value that is not a number.
double channel(std::uint32_t bits) {
    const double v = std::bit_cast<float>(bits);
    return std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0);
}

enum class Entry { color, skipped, ignored, broken };

// A broken file gives nothing at all, whatever was read before the fault.
PaletteRead failed(std::string_view reason) {
    PaletteRead read;
    read.error = reason;
    return read;
}

// One colour entry's data: name, model, channels, type.
Entry readColorEntry(Cursor in, RgbColor& color) {
    const auto nameUnits = in.number(2);
    if (!nameUnits || !in.skip(std::size_t{*nameUnits} * 2)) return Entry::broken;
    const auto model = in.take(4);
    if (!model) return Entry::broken;
    const std::string_view name(reinterpret_cast<const char*>(model->data()), model->size());
    const auto channels = [&](std::size_t n, std::array<double, 4>& out) {
        for (std::size_t i = 0; i < n; ++i) {
            const auto bits = in.number(4);
            if (!bits) return false;
            out[i] = channel(*bits);
        }
        return true;
    };
    std::array<double, 4> v{};
    if (name == "RGB ") {
        if (!channels(3, v)) return Entry::broken;
        color = {v[0], v[1], v[2]};
        return Entry::color;
    }
    if (name == "Gray") {
        if (!channels(1, v)) return Entry::broken;
        color = {v[0], v[0], v[0]};
        return Entry::color;
    }
    if (name == "CMYK" || name == "LAB ") return Entry::skipped;
    return Entry::ignored;
}

} // namespace

PaletteRead readSwatchExchange(std::span<const std::uint8_t> bytes) {
    PaletteRead read;
    Cursor in(bytes);
    const auto magic = in.take(4);
    if (!magic || !std::equal(magic->begin(), magic->end(), "ASEF")) return failed(paletteError::wrongMagic);
    const auto major = in.number(2), minor = in.number(2), blocks = in.number(4);
    if (!major || !minor || !blocks) return failed(paletteError::pastEnd);
    // Group starts and ends carry only a name: reading through them flattens the groups.
    for (std::uint32_t k = 0; k < *blocks; ++k) {
        const auto type = in.number(2), length = in.number(4);
        const auto data = length ? in.take(*length) : std::nullopt;
        if (!type || !data) return failed(paletteError::pastEnd);
        if (*type != kColorEntry) continue;
        RgbColor color;
        switch (readColorEntry(Cursor(*data), color)) {
        case Entry::color:
            read.colors.push_back(color);
            break;
        case Entry::skipped:
            ++read.skipped;
            break;
        case Entry::ignored:
            break;
        case Entry::broken:
            return failed(paletteError::pastEnd);
        }
    }
    if (read.colors.empty()) read.error = paletteError::noColor;
    return read;
}

} // namespace huex
