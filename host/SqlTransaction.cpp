#include "host/SqlTransaction.h"

#include "host/SqlDatabase.h"

#include <sqlite3.h>

namespace host {

TSqlTransaction::TSqlTransaction(TSqlDatabase& db, TKind kind) : db_(db)
{
    db_.Execute(kind == TKind::Write ? "BEGIN IMMEDIATE" : "BEGIN");
}

TSqlTransaction::~TSqlTransaction()
{
    if (open_ && !sqlite3_get_autocommit(db_.Handle()))
        sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void TSqlTransaction::Commit()
{
    db_.Execute("COMMIT");
    open_ = false;
}

} // namespace host
