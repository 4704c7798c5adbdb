#pragma once

#include <string>

// The text with every occurrence of the pattern replaced, searched from left to right; the
// search goes on after each inserted replacement, so a replacement that holds the pattern is
// not replaced again. An empty replacement removes the occurrences; an empty pattern leaves the
// text as it is.
std::string ReplaceAllOccurrences(const std::string& text, const std::string& pattern,
                                  const std::string& replacement);
