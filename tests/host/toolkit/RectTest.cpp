#include <gtest/gtest.h>

#include "host/Rect.h"

namespace {

using host::Point;
using host::Rect;

struct ContainsCase {
    Point point;
    bool inside;
};

class RectContains : public ::testing::TestWithParam<ContainsCase> {};

// Left and top edges belong to the rectangle, right and bottom edges do not.
TEST_P(RectContains, HalfOpenEdges) {
    const Rect rect(10, 20, 30, 25);
    EXPECT_EQ(rect.Contains(GetParam().point), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(Edges, RectContains,
                         ::testing::Values(ContainsCase{{10, 20}, true}, ContainsCase{{29, 24}, true},
                                           ContainsCase{{30, 20}, false}, ContainsCase{{10, 25}, false},
                                           ContainsCase{{9, 22}, false}, ContainsCase{{15, 19}, false},
                                           ContainsCase{{-20, -20}, false}));

TEST(Rect, EmptyRectanglesContainNothing) {
    EXPECT_TRUE(Rect().IsEmpty());
    EXPECT_FALSE(Rect().Contains({0, 0}));
    EXPECT_TRUE(Rect(5, 5, 5, 9).IsEmpty());
    EXPECT_TRUE(Rect(9, 9, 5, 12).IsEmpty());
}

TEST(Rect, SettingAnEdgeKeepsTheOthersAndSizesMoveTheFarEdges) {
    Rect rect(10, 20, 30, 40);
    rect.SetLeft(0);
    EXPECT_EQ(rect, Rect(0, 20, 30, 40));
    rect.SetWidth(5);
    rect.SetHeight(7);
    EXPECT_EQ(rect, Rect(0, 20, 5, 27));
    rect.SetTop(-3);
    EXPECT_EQ(rect.GetHeight(), 30);
}

TEST(Rect, OffsetKeepsTheSize) {
    Rect rect(10, 20, 30, 40);
    rect.Offset(-15, 7);
    EXPECT_EQ(rect, Rect(-5, 27, 15, 47));
    EXPECT_EQ(rect.GetWidth(), 20);
    EXPECT_EQ(rect.GetHeight(), 20);
}

} // namespace
