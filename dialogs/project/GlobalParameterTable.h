#pragma once

#include <string>
#include <vector>

class TDrawGridSE;

// The marked parameters as a plain-text table for the status report: a frame line of three
// column segments, then each grid row as "|cell|cell|cell|" between frame lines. The list is
// cleared first; false without list or grid, or for a grid of more than three columns.
bool ParamTableToStringList(const TDrawGridSE* grid, std::vector<std::string>* list);

// Exactly `width` characters: the text cut or filled up with blanks; width 0 gives "".
std::string SetNewStringLength(const std::string& text, int width);
