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
// and the editor), so it runs in WAL mode with a busy timeout and foreign keys on. A reader never
// writes and leaves no side files behind, so that another user's reader never blocks the owner.
class TProjectDatabase {
public:
    static constexpr int BusyTimeoutMs = 5000;

    // A reader never writes into the file, nor makes its side files where a writer did not.
    enum class TAccess { ReadWrite, ReadOnly };

    // Opens an existing project file; never creates one. A file or folder that cannot be written
    // is named as such for ReadWrite. Throws E_ProjectDatabase.
    explicit TProjectDatabase(const std::string& path, TAccess access = TAccess::ReadWrite);
    TProjectDatabase(const TProjectDatabase&) = delete;
    TProjectDatabase& operator=(const TProjectDatabase&) = delete;

    // Makes a new project file: the schema and whatever fill adds, in one transaction, built in
    // a temporary file beside path and put in place only when complete. An existing file is
    // never replaced. Throws E_ProjectDatabase (path exists) or E_Sql.
    static void CreateFile(const std::string& path, const std::function<void(TSqlDatabase&)>& fill);

    // Refuses a damaged project before anything is written into it: SQLite's quick check of
    // the whole file must find nothing. Throws E_ProjectDatabase naming the first fault.
    void RefuseDamaged();

    TSqlDatabase& Sql() { return *db_; }

private:
    // A descriptor of our own, closed with the object.
    class TDescriptor {
    public:
        TDescriptor() = default;
        ~TDescriptor() { Reset(-1); }
        TDescriptor(const TDescriptor&) = delete;
        TDescriptor& operator=(const TDescriptor&) = delete;
        void Reset(int fd);
        int Get() const { return fd_; }

    private:
        int fd_ = -1;
    };

    std::unique_ptr<TSqlDatabase> OpenForReading(const std::string& path);

    TDescriptor sharedLock_; // a reader's of a file without log; outlives the connection
    std::unique_ptr<TSqlDatabase> db_;
};

} // namespace host
