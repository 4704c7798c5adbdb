#pragma once

#include <vector>

// The image id a new picture of the preview window gets among the ids in use: 1 for none; else
// the first gap above an id in use; else the highest + 1 while that is at most 65535; else -1.
int NextImageIdOf(std::vector<int> ids);

// The image id that a button id carries in its high 16 bits; -1 for ids <= 0.
constexpr int GetImageIdOfButton(int buttonId)
{
    return buttonId > 0 ? buttonId >> 16 : -1;
}
