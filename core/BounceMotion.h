#pragma once
// One step of a sprite that moves over an area and bounces off its edges.

namespace zolt {

struct BounceState {
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;
    friend bool operator==(const BounceState&, const BounceState&) = default;
};

struct BounceArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Moves the sprite (width w, height h) one step; a step that would leave the area is
// reflected at the edge and the step in that direction changes sign. An area smaller than
// the sprite pins it to the area's top-left corner.
BounceState BounceStep(BounceState state, int w, int h, const BounceArea& area);

}  // namespace zolt
