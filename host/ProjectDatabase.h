#pragma once

#include "host/SqlDatabase.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace host {

// A project file that cannot be opened or made: missing, not ours, or already there.
class E_ProjectDatabase : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A connection to the host's project database. Several processes open the same file (the host
// and the editor), so it runs in WAL mode with a busy timeout and foreign keys on.
class TProjectDatabase {
public:
    static constexpr int BusyTimeoutMs = 5000;

    // Opens an existing project file; never creates one. Throws E_ProjectDatabase.
    explicit TProjectDatabase(const std::string& path);

    // Makes a new project file: the schema and whatever fill adds, in one transaction, built in
    // a temporary file beside path and put in place only when complete. An existing file is
    // never replaced. Throws E_ProjectDatabase (path exists) or E_Sql.
    static void CreateFile(const std::string& path, const std::function<void(TSqlDatabase&)>& fill);

    TSqlDatabase& Sql() { return *db_; }

private:
    std::unique_ptr<TSqlDatabase> db_;
};

} // namespace host
