#include "color/Vision.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace huex {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Rows give linear red, green and blue from linear red, green and blue. The dichromacies are the
// severity 1.0 matrices of Machado et al.; achromatopsia keeps only the relative luminance.
constexpr std::array<Matrix, kVisionCount> kMatrices{{
    {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
    {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
    {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
    {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
    {{{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}},
}};

constexpr std::array<std::string_view, kVisionCount> kNames{"Обычное зрение", "Протанопия", "Дейтеранопия",
                                                            "Тританопия", "Ахроматопсия"};

double toLinear(double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double fromLinear(double l) {
    const double v = std::clamp(l, 0.0, 1.0);
    return v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

// Both ways share this step, so the table path differs from the exact one only where it looks
// values up instead of computing them.
std::array<double, 3> mixed(Vision v, double r, double g, double b) {
    const Matrix& m = kMatrices[static_cast<std::size_t>(v)];
    return {m[0][0] * r + m[0][1] * g + m[0][2] * b, m[1][0] * r + m[1][1] * g + m[1][2] * b,
            m[2][0] * r + m[2][1] * g + m[2][2] * b};
}

int encodedByte(double linear) {
    return toByte(fromLinear(linear));
}

struct Tables {
    std::array<double, 256> linear{};
    // threshold[k]: the least linear value whose encoded byte is k or more (k = 1..255); the byte
    // of a value is then the number of thresholds it reaches. Found by bisection on the doubles'
    // bit patterns, which order non-negative doubles as integers.
    std::array<double, 256> threshold{};
};

const Tables& tables() {
    static const Tables t = [] {
        Tables built;
        for (int b = 0; b < 256; ++b) built.linear[static_cast<std::size_t>(b)] = toLinear(b / 255.0);
        for (int k = 1; k < 256; ++k) {
            auto low = std::bit_cast<std::uint64_t>(0.0), high = std::bit_cast<std::uint64_t>(1.0);
            while (low < high) { // the least pattern whose value encodes to k or more
                const std::uint64_t middle = low + (high - low) / 2;
                if (encodedByte(std::bit_cast<double>(middle)) >= k)
                    high = middle;
                else
                    low = middle + 1;
            }
            built.threshold[static_cast<std::size_t>(k)] = std::bit_cast<double>(low);
        }
        return built;
    }();
    return t;
}

// The encoded byte of a linear value: eight comparisons instead of a power. NaN and values
// below 0 give 0, values above 1 give 255, as the clamp does.
std::uint32_t byteOf(const std::array<double, 256>& threshold, double linear) {
    std::uint32_t k = 0;
    for (std::uint32_t step = 128; step != 0; step >>= 1) {
        if (linear >= threshold[k + step]) k += step;
    }
    return k;
}

} // namespace

RgbColor simulateVision(Vision v, const RgbColor& c) {
    if (v == Vision::normal) return c;
    const auto [r, g, b] = mixed(v, toLinear(c.red), toLinear(c.green), toLinear(c.blue));
    return {fromLinear(r), fromLinear(g), fromLinear(b)};
}

std::string_view visionName(Vision v) {
    return kNames[static_cast<std::size_t>(v)];
}

Vision visionFromIndex(int index) {
    return index >= 0 && index < kVisionCount ? static_cast<Vision>(index) : Vision::normal;
}

VisionTable::VisionTable(Vision v) : vision_(v) {
    if (v != Vision::normal) tables(); // built once, before the first view needs them
}

std::uint32_t VisionTable::pixel(std::uint32_t rgb) const {
    if (vision_ == Vision::normal) return rgb & 0xFFFFFFu;
    const Tables& t = tables();
    const auto [r, g, b] =
        mixed(vision_, t.linear[(rgb >> 16) & 0xFF], t.linear[(rgb >> 8) & 0xFF], t.linear[rgb & 0xFF]);
    return byteOf(t.threshold, r) << 16 | byteOf(t.threshold, g) << 8 | byteOf(t.threshold, b);
}

void VisionTable::apply(std::span<std::uint32_t> pixels) const {
    if (vision_ == Vision::normal) return;
    for (std::uint32_t& p : pixels) p = pixel(p);
}

} // namespace huex
