#pragma once
// How a colour looks to someone with a colour-vision deficiency: the three dichromacies at full
// severity (Machado, Oliveira and Fernandes, 2009) and total colour blindness, on linear-light
// sRGB. Pure and exact for any fraction; VisionTable gives the same bytes at a view's speed.
#include "color/Color.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace huex {

enum class Vision { normal, protanopia, deuteranopia, tritanopia, achromatopsia };
inline constexpr int kVisionCount = 5;

// The colour as that vision sees it; `normal` gives it back unchanged.
RgbColor simulateVision(Vision v, const RgbColor& c);
// "Обычное зрение", "Протанопия", ...: the name the menu and the caption show.
std::string_view visionName(Vision v);
// 0..4 as stored; anything else is normal vision.
Vision visionFromIndex(int index);

// The same rule on 8-bit pixels 0x00RRGGBB: every output byte equals toByte of simulateVision
// of the pixel's fractions. Tables of the sRGB curve and of the thresholds of its inverse take
// the powers out; the matrix, which mixes channels, is applied as it is.
class VisionTable {
  public:
    explicit VisionTable(Vision v);
    [[nodiscard]] Vision vision() const { return vision_; }
    [[nodiscard]] std::uint32_t pixel(std::uint32_t rgb) const;
    void apply(std::span<std::uint32_t> pixels) const;

  private:
    Vision vision_;
};

} // namespace huex
