#pragma once

// A rectangle by its edges, as the class library gives it: Right and Bottom lie just outside.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};
