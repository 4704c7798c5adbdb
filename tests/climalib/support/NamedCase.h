#pragma once

#include <ostream>

namespace climatest {

// The rows of a parameterised test's table print as their name. A test file brings this into
// its unnamed namespace (using climatest::PrintTo) so that GoogleTest finds it beside the rows.
template <class T>
    requires requires(const T& row) { row.name; }
void PrintTo(const T& row, std::ostream* os)
{
    *os << row.name;
}

} // namespace climatest
