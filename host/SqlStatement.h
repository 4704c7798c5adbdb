#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3_stmt;

namespace host {

class TSqlDatabase;

// One prepared statement, finalised with the object. Parameters and columns count as in
// SQLite: parameters from 1, columns from 0. Every failure throws E_Sql.
class TSqlStatement {
public:
    TSqlStatement(TSqlDatabase& db, std::string_view sql);
    ~TSqlStatement();
    TSqlStatement(const TSqlStatement&) = delete;
    TSqlStatement& operator=(const TSqlStatement&) = delete;

    TSqlStatement& Bind(int index, std::int64_t value);
    // Text as given, byte for byte.
    TSqlStatement& Bind(int index, std::string_view text);
    TSqlStatement& BindBlob(int index, std::string_view bytes);

    // Steps once: true when a row is ready, false when the statement has finished.
    bool Step();
    // Steps a statement that delivers no row.
    void Run();
    // Makes the statement ready to run again, its parameters unbound (NULL). A statement that
    // was stepped keeps the connection's read of the database open until it is reset.
    void Reset();

    std::int64_t Int64(int column) const;
    std::int32_t Int(int column) const { return static_cast<std::int32_t>(Int64(column)); }
    std::string Text(int column) const;
    // The same bytes in place: valid until the statement steps, is reset or goes.
    std::string_view TextView(int column) const;
    std::string Blob(int column) const;

private:
    const TSqlDatabase& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace host
