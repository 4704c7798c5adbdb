#include "host/SqlStatement.h"

#include "host/SqlDatabase.h"
#include "host/SqlError.h"

#include <sqlite3.h>

namespace host {

TSqlStatement::TSqlStatement(TSqlDatabase& db, std::string_view sql) : db_(db)
{
    const char* tail = nullptr;
    db.Check(sqlite3_prepare_v2(db.Handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, &tail),
             "prepare " + std::string(sql.substr(0, 80)));
    if (stmt_ == nullptr)
        throw E_Sql(SQLITE_MISUSE, "empty statement");
}

TSqlStatement::~TSqlStatement()
{
    sqlite3_finalize(stmt_);
}

TSqlStatement& TSqlStatement::Bind(int index, std::int64_t value)
{
    db_.Check(sqlite3_bind_int64(stmt_, index, value), "bind");
    return *this;
}

TSqlStatement& TSqlStatement::Bind(int index, std::string_view text)
{
    db_.Check(sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8),
              "bind");
    return *this;
}

TSqlStatement& TSqlStatement::BindBlob(int index, std::string_view bytes)
{
    // A null pointer would bind NULL; an empty block is a zero-length blob.
    if (bytes.empty())
        db_.Check(sqlite3_bind_zeroblob(stmt_, index, 0), "bind");
    else
        db_.Check(sqlite3_bind_blob64(stmt_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT), "bind");
    return *this;
}

bool TSqlStatement::Step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    db_.Check(rc, std::string("step ") + sqlite3_sql(stmt_));
    return false;
}

void TSqlStatement::Run()
{
    if (Step())
        throw E_Sql(SQLITE_MISUSE, std::string("unexpected row from ") + sqlite3_sql(stmt_));
}

void TSqlStatement::Reset()
{
    // sqlite3_reset repeats the error of the last step, which that step has thrown already.
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::int64_t TSqlStatement::Int64(int column) const
{
    return sqlite3_column_int64(stmt_, column);
}

std::string TSqlStatement::Text(int column) const
{
    return std::string(TextView(column));
}

std::string_view TSqlStatement::TextView(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    const int size = sqlite3_column_bytes(stmt_, column);
    return text ? std::string_view(text, static_cast<std::size_t>(size)) : std::string_view();
}

std::string TSqlStatement::Blob(int column) const
{
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
    const int size = sqlite3_column_bytes(stmt_, column);
    return bytes ? std::string(bytes, static_cast<std::size_t>(size)) : std::string();
}

} // namespace host
