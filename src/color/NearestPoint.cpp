#include "color/NearestPoint.h"

#include "color/StrictFloat.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

namespace huex {

namespace {

// Cells are widened by this much on each side, so a query the arithmetic puts into the next cell
// over, or a point a rounding away from the bound, is still accounted for.
constexpr double margin = 1e-9;
// The cells are built in two steps: a coarse cell of this many fine cells a side first, whose
// candidates are the only ones its fine cells need to look at.
constexpr int coarse = 4;

double squared(double v) {
    return v * v;
}

// The smallest and the largest squared distance from p to any point of a box.
double nearestInBox(const Coords& p, const std::array<Coords, 2>& box) {
    double sum = 0;
    for (std::size_t i = 0; i < 3; ++i) sum += squared(std::max({box[0][i] - p[i], 0.0, p[i] - box[1][i]}));
    return sum;
}
double farthestInBox(const Coords& p, const std::array<Coords, 2>& box) {
    double sum = 0;
    for (std::size_t i = 0; i < 3; ++i)
        sum += squared(std::max(std::fabs(p[i] - box[0][i]), std::fabs(p[i] - box[1][i])));
    return sum;
}

// The points of `from` that can be nearest to something in the box: no nearer to all of it than
// the point whose farthest corner is nearest is to its farthest corner. `from` is in point order,
// and so is the result.
template <typename Indices>
void candidatesOf(const std::vector<Coords>& points, const Indices& from, const std::array<Coords, 2>& box,
                  std::vector<std::uint16_t>& out) {
    double bound = std::numeric_limits<double>::infinity();
    for (const auto i : from) bound = std::min(bound, farthestInBox(points[i], box));
    const double reach = squared(std::sqrt(bound) + margin);
    for (const auto i : from) {
        if (nearestInBox(points[i], box) <= reach) out.push_back(static_cast<std::uint16_t>(i));
    }
}

// The indices 0 to count - 1 as a range (std::views::iota is beyond some compilers' libraries).
struct AllIndices {
    struct Iterator {
        std::size_t i;
        std::size_t operator*() const { return i; }
        Iterator& operator++() {
            ++i;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return i != other.i; }
    };
    std::size_t count;
    [[nodiscard]] Iterator begin() const { return {0}; }
    [[nodiscard]] Iterator end() const { return {count}; }
    [[nodiscard]] bool empty() const { return count == 0; }
    std::size_t operator[](std::size_t k) const { return k; }
};

std::size_t cellCount(const std::array<int, 3>& cells) {
    return static_cast<std::size_t>(cells[0]) * static_cast<std::size_t>(cells[1]) *
           static_cast<std::size_t>(cells[2]);
}

} // namespace

NearestPoint::NearestPoint(std::span<const Coords> points, const Grid& grid)
    : points_(points.begin(), points.end()), grid_(grid) {
    for (std::size_t i = 0; i < 3; ++i) {
        grid_.cells[i] = std::max(grid_.cells[i], 1);
        cellSize_[i] = (grid_.high[i] - grid_.low[i]) / grid_.cells[i];
        perCell_[i] = grid_.cells[i] / (grid_.high[i] - grid_.low[i]);
    }
    assert(!points_.empty() && points_.size() <= std::numeric_limits<std::uint16_t>::max());
    const AllIndices all{points_.size()};

    // Coarse cells: every point is tried.
    const std::array<int, 3> coarseCells{(grid_.cells[0] + coarse - 1) / coarse,
                                         (grid_.cells[1] + coarse - 1) / coarse,
                                         (grid_.cells[2] + coarse - 1) / coarse};
    std::vector<std::uint32_t> coarseFirst{0};
    std::vector<std::uint16_t> coarseCandidates;
    for (int x = 0; x < coarseCells[0]; ++x)
        for (int y = 0; y < coarseCells[1]; ++y)
            for (int z = 0; z < coarseCells[2]; ++z) {
                candidatesOf(points_, all, cellBox({x, y, z}, coarse), coarseCandidates);
                coarseFirst.push_back(static_cast<std::uint32_t>(coarseCandidates.size()));
            }
    // Fine cells: only what their coarse cell lists.
    first_.reserve(cellCount(grid_.cells) + 1);
    first_.push_back(0);
    for (int x = 0; x < grid_.cells[0]; ++x)
        for (int y = 0; y < grid_.cells[1]; ++y)
            for (int z = 0; z < grid_.cells[2]; ++z) {
                const std::size_t c =
                    (static_cast<std::size_t>(x / coarse) * static_cast<std::size_t>(coarseCells[1]) +
                     static_cast<std::size_t>(y / coarse)) *
                        static_cast<std::size_t>(coarseCells[2]) +
                    static_cast<std::size_t>(z / coarse);
                const std::span<const std::uint16_t> from(coarseCandidates.data() + coarseFirst[c],
                                                          coarseFirst[c + 1] - coarseFirst[c]);
                candidatesOf(points_, from, cellBox({x, y, z}, 1), candidates_);
                first_.push_back(static_cast<std::uint32_t>(candidates_.size()));
            }
}

std::array<Coords, 2> NearestPoint::cellBox(const std::array<int, 3>& cell, int scale) const {
    std::array<Coords, 2> box{};
    for (std::size_t i = 0; i < 3; ++i) {
        box[0][i] = grid_.low[i] + cellSize_[i] * (cell[i] * scale) - margin;
        box[1][i] = grid_.low[i] + cellSize_[i] * ((cell[i] + 1) * scale) + margin;
    }
    return box;
}

template <typename Indices>
std::size_t NearestPoint::nearestOf(const Coords& q, const Indices& indices) const {
    double best = std::numeric_limits<double>::infinity();
    std::size_t found = indices.empty() ? 0 : indices[0];
    for (const auto i : indices) {
        const Coords& p = points_[i];
        const double d = squared(q[0] - p[0]) + squared(q[1] - p[1]) + squared(q[2] - p[2]);
        if (d < best) {
            best = d;
            found = i;
        }
    }
    return found;
}

std::size_t NearestPoint::nearest(const Coords& q) const {
    std::size_t cell = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const double t = (q[i] - grid_.low[i]) * perCell_[i];
        // Outside the box (or not a number): every point is looked at.
        if (!(t >= 0 && t < grid_.cells[i])) return nearestByScan(q);
        cell = cell * static_cast<std::size_t>(grid_.cells[i]) + static_cast<std::size_t>(t);
    }
    return nearestOf(q, std::span<const std::uint16_t>(candidates_.data() + first_[cell],
                                                       first_[cell + 1] - first_[cell]));
}

std::size_t NearestPoint::nearestByScan(const Coords& q) const {
    return nearestOf(q, AllIndices{points_.size()});
}

double NearestPoint::meanCandidates() const {
    return first_.size() < 2
               ? 0
               : static_cast<double>(candidates_.size()) / static_cast<double>(first_.size() - 1);
}

} // namespace huex
