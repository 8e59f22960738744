#include "core/BounceMotion.h"

#include <gtest/gtest.h>

namespace zolt {
namespace {

TEST(BounceMotion, MovesByItsStepAndBouncesOffTheEdges) {
    EXPECT_EQ(BounceStep({100, 100, 5, -3}, 32, 32, {0, 0, 800, 600}), (BounceState{105, 97, 5, -3}));
    // Right edge: the last fitting x is 800 - 32 = 768; 766 + 5 overshoots by 3 and comes back
    // to 765. Top edge: 2 - 3 = -1 is reflected to 1.
    EXPECT_EQ(BounceStep({766, 2, 5, -3}, 32, 32, {0, 0, 800, 600}), (BounceState{765, 1, -5, 3}));
    // An area smaller than the sprite pins it to the area's corner.
    EXPECT_EQ(BounceStep({5, 5, 3, 3}, 32, 32, {10, 20, 16, 16}), (BounceState{10, 20, 3, 3}));
}

TEST(BounceMotion, StaysInsideOverManySteps) {
    const BounceArea area{-100, 50, 1024, 768};
    BounceState state{400, 300, 7, 5};
    int bouncesX = 0;
    for (int i = 0; i < 10000; ++i) {
        const int before = state.dx;
        state = BounceStep(state, 40, 30, area);
        bouncesX += state.dx != before;
        ASSERT_GE(state.x, area.left);
        ASSERT_LE(state.x + 40, area.left + area.width);
        ASSERT_GE(state.y, area.top);
        ASSERT_LE(state.y + 30, area.top + area.height);
    }
    // 70000 pixels of travel over a 984-pixel track: about 71 bounces.
    EXPECT_NEAR(bouncesX, 70000 / 984, 2);
}

}  // namespace
}  // namespace zolt
