#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;

namespace host {

// One open SQLite connection, closed with the object. Every failure throws E_Sql.
class TSqlDatabase {
public:
    enum class TOpenMode { Existing, CreateNew, ReadOnly, ReadOnlyUnchanging };

    // Existing never creates a file; CreateNew creates it when it is missing. ReadOnly never
    // writes into the file; ReadOnlyUnchanging also takes no locks and makes no side files, for a
    // file that nobody can change (SQLite's immutable file).
    TSqlDatabase(const std::string& path, TOpenMode mode);
    ~TSqlDatabase();
    TSqlDatabase(const TSqlDatabase&) = delete;
    TSqlDatabase& operator=(const TSqlDatabase&) = delete;

    // Runs statements that deliver no rows the caller wants (DDL, pragmas, inserts).
    void Execute(std::string_view sql);
    std::int64_t LastInsertId() const;
    // Rows changed by the latest insert, update or delete.
    std::int64_t ChangedRows() const;

    sqlite3* Handle() const { return db_; }
    const std::string& Path() const { return path_; }

    // Throws E_Sql with the connection's message when rc is not a success code.
    void Check(int rc, std::string_view what) const;

private:
    sqlite3* db_ = nullptr;
    std::string path_;
};

} // namespace host
