#pragma once

namespace host {

class TSqlDatabase;

// A transaction, rolled back by the destructor unless committed. A write transaction takes the
// write lock at once (waiting up to the busy timeout); a read transaction keeps one snapshot.
class TSqlTransaction {
public:
    enum class TKind { Read, Write };

    explicit TSqlTransaction(TSqlDatabase& db, TKind kind = TKind::Write);
    ~TSqlTransaction();
    TSqlTransaction(const TSqlTransaction&) = delete;
    TSqlTransaction& operator=(const TSqlTransaction&) = delete;

    // Throws E_Sql when the commit fails; the destructor then rolls back.
    void Commit();

private:
    TSqlDatabase& db_;
    bool open_ = true;
};

} // namespace host
