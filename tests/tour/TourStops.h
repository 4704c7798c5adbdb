#pragma once

#include "tests/tour/Tour.h"

#include <functional>
#include <string>
#include <vector>

namespace tour {

// One stop of the tour: a window or dialog of the program, reached as a user reaches it, saved
// as <number>_<Name>.png with the caption for the index page (what it shows and in which state).
struct TTourStop {
    std::string Name;
    std::string Caption;
    TTourStart Start;
    std::function<void(TTour&)> Visit;
};

// The stops in the order of the tour.
const std::vector<TTourStop>& TourStops();

// The picture's file name of the stop at the index: "07_menu_hilfe.png".
std::string PictureName(std::size_t index, const TTourStop& stop);

} // namespace tour
