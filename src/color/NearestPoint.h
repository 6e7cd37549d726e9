#pragma once
// The nearest of a few hundred fixed points in three coordinates, by Euclidean distance, a tie
// going to the earlier point. A grid over a box: each cell lists, in point order, the points that
// can be nearest to anything inside it, so that a query looks at a handful of points, not all.
#include "color/ColorSpaces.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace huex {

class NearestPoint {
  public:
    struct Grid {
        Coords low, high;         // the box the cells cover; points outside it are scanned
        std::array<int, 3> cells; // along each axis
    };
    // At least one point, at most 65535.
    NearestPoint(std::span<const Coords> points, const Grid& grid);

    // The index of the point nearest to q: smallest squared distance, the earliest of equals.
    [[nodiscard]] std::size_t nearest(const Coords& q) const;
    // The same by looking at every point: the rule itself.
    [[nodiscard]] std::size_t nearestByScan(const Coords& q) const;
    // How many points the cells list, on average.
    [[nodiscard]] double meanCandidates() const;

  private:
    template <typename Indices> std::size_t nearestOf(const Coords& q, const Indices& indices) const;
    [[nodiscard]] std::array<Coords, 2> cellBox(const std::array<int, 3>& cell, int scale) const;

    std::vector<Coords> points_;
    Grid grid_;
    Coords cellSize_{}, perCell_{};
    std::vector<std::uint32_t> first_; // a cell's candidates: from first_[cell] to first_[cell + 1]
    std::vector<std::uint16_t> candidates_;
};

} // namespace huex
