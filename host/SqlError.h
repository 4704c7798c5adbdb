#pragma once

#include <stdexcept>
#include <string>

namespace host {

// A failed SQLite call: SQLite's extended result code and its message.
class E_Sql : public std::runtime_error {
public:
    E_Sql(int code, const std::string& message) : std::runtime_error(message), Code(code) {}
    int Code;
};

} // namespace host
