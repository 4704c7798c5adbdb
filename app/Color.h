#pragma once

#include <cstdint>

// A colour as the class library stores it: 0x00BBGGRR, or a system colour 0x80000000 + index.
using TColor = std::int32_t;

inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clBtnFace = static_cast<TColor>(0x8000000Fu);   // system colour 15
inline constexpr TColor clBtnShadow = static_cast<TColor>(0x80000010u); // system colour 16
inline constexpr TColor clInfoBk = static_cast<TColor>(0x80000018u);    // system colour 24
