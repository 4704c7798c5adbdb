#include "host/SqlDatabase.h"

#include "host/SqlError.h"

#include <sqlite3.h>

namespace host {

namespace {

// The path as a URI of SQLite's own form: reserved characters escaped.
std::string FileUri(const std::string& path)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')
                           || c == '/' || c == '.' || c == '-' || c == '_' || c == '~';
        if (plain) {
            uri += c;
        } else {
            uri += '%';
            uri += Hex[byte >> 4];
            uri += Hex[byte & 0x0F];
        }
    }
    return uri;
}

} // namespace

TSqlDatabase::TSqlDatabase(const std::string& path, TOpenMode mode) : path_(path)
{
    int flags = SQLITE_OPEN_NOMUTEX;
    std::string name = path;
    switch (mode) {
    case TOpenMode::Existing: flags |= SQLITE_OPEN_READWRITE; break;
    case TOpenMode::CreateNew: flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE; break;
    case TOpenMode::ReadOnly: flags |= SQLITE_OPEN_READONLY; break;
    case TOpenMode::ReadOnlyUnchanging:
        flags |= SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
        name = FileUri(path) + "?immutable=1";
        break;
    }
    const int rc = sqlite3_open_v2(name.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw E_Sql(rc, "cannot open " + path + ": " + message);
    }
    sqlite3_extended_result_codes(db_, 1);
}

TSqlDatabase::~TSqlDatabase()
{
    // Statements and transactions are RAII objects that end before the connection does;
    // close_v2 still defers the close safely should one be left.
    sqlite3_close_v2(db_);
}

void TSqlDatabase::Execute(std::string_view sql)
{
    char* error = nullptr;
    const int rc = sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::string message = error ? error : sqlite3_errstr(rc);
        sqlite3_free(error);
        throw E_Sql(rc, message + " in: " + std::string(sql.substr(0, 80)));
    }
}

std::int64_t TSqlDatabase::LastInsertId() const
{
    return sqlite3_last_insert_rowid(db_);
}

std::int64_t TSqlDatabase::ChangedRows() const
{
    return sqlite3_changes64(db_);
}

void TSqlDatabase::Check(int rc, std::string_view what) const
{
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE)
        return;
    throw E_Sql(rc, std::string(what) + ": " + sqlite3_errmsg(db_));
}

} // namespace host
