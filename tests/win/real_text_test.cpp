// Real numbers to and from text with the Windows C library (MinGW's strtod), against
// the standard library's std::to_chars and std::from_chars, which the program itself does not link.
#include "../host/RealTextCases.h"

#include <gtest/gtest.h>

namespace huex {
namespace {

TEST(RealTextOnWindows, AgreesWithTheStandardLibrary) {
    testing::expectShortestTextsLikeToChars(10'000);
    testing::expectReadsAsTable();
    testing::expectReadsLikeFromChars(10'000);
}

} // namespace
} // namespace huex
