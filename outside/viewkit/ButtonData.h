#pragma once

#include <array>
#include <cstdint>
#include <string>

// The description of one image button, handed to TPreviewImage::AddButtonToList.
//
// The seven one-byte flags:
//   0 bfMouse       the button takes the mouse: its events go out as button events (0: the
//                   mouse goes through to the picture beneath)
//   1 bfSelected    the button starts selected
//   2 bfToggle      a click toggles the button's selection by itself (0: only the program
//                   selects it)
//   3 bfFrame       a selected button is framed (0: its selection is not shown)
//   4 bfHint        the button shows its hint over the picture's (0: the picture's hint shows)
//   5 bfHandCursor  the pointing hand while the mouse is over the button
//   6 bfVisible     the button's canvas is drawn over the picture (0: it stays unseen)
struct TButtonData {
    enum TFlag : std::size_t {
        bfMouse = 0,
        bfSelected = 1,
        bfToggle = 2,
        bfFrame = 3,
        bfHint = 4,
        bfHandCursor = 5,
        bfVisible = 6,
    };

    std::array<std::uint8_t, 7> Flags{};
    // The caller's number of the button, carried by its events.
    int Identifier = 0;
    // Area in the picture's pixels.
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    std::string Hint;
};
