#include "host/ProjectDatabase.h"

#include "host/ProjectSchema.h"
#include "host/SqlError.h"
#include "host/SqlStatement.h"
#include "host/SqlTransaction.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace host {

namespace {

namespace fs = std::filesystem;

// Another process may hold the file's lock for a moment: wait for it rather than fail.
void WaitWhenBusy(TSqlDatabase& db)
{
    db.Check(sqlite3_busy_timeout(db.Handle(), TProjectDatabase::BusyTimeoutMs), "busy timeout");
}

// Settings of every connection to a project; WAL is kept in the file, foreign keys per connection.
void Configure(TSqlDatabase& db)
{
    db.Execute("PRAGMA foreign_keys = ON");
    TSqlStatement journal(db, "PRAGMA journal_mode = WAL");
    if (!journal.Step() || journal.Text(0) != "wal")
        throw E_Sql(SQLITE_ERROR, "cannot switch " + db.Path() + " to WAL mode");
}

// A temporary file beside the target, removed with its SQLite side files at the end.
class TTempProjectFile {
public:
    explicit TTempProjectFile(const std::string& target)
    {
        // A name of our own, made with the permissions a new file gets from the umask.
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = target + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
            const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                ::close(fd);
                path_ = name;
                return;
            }
            if (errno != EEXIST)
                break;
        }
        throw E_ProjectDatabase("cannot create " + target + ": " + std::strerror(errno));
    }
    ~TTempProjectFile()
    {
        std::error_code ignored;
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            fs::remove(path_ + suffix, ignored);
    }
    TTempProjectFile(const TTempProjectFile&) = delete;
    TTempProjectFile& operator=(const TTempProjectFile&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

std::string Exists(const std::string& path)
{
    return path + " exists; it is not overwritten";
}

} // namespace

TProjectDatabase::TProjectDatabase(const std::string& path)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        throw E_ProjectDatabase("no project database at " + path);
    try {
        db_ = std::make_unique<TSqlDatabase>(path, TSqlDatabase::TOpenMode::Existing);
        WaitWhenBusy(*db_);
        // Checked before anything is changed in a file that may not be ours.
        switch (ProjectSchema::Classify(*db_)) {
        case ProjectSchema::TFileKind::Foreign:
            throw E_ProjectDatabase(path + " is not a project database of this host");
        case ProjectSchema::TFileKind::Newer:
            throw E_ProjectDatabase(path + " was made by a newer etshost; this one cannot read it");
        case ProjectSchema::TFileKind::Earlier:
            ProjectSchema::Upgrade(*db_); // foreign keys are still off on a new connection
            break;
        case ProjectSchema::TFileKind::Current:
            break;
        }
        Configure(*db_);
    } catch (const E_Sql& e) {
        // SQLite's own words only: the statement that failed means nothing to the user.
        throw E_ProjectDatabase(path + " cannot be opened as a project database: " + sqlite3_errstr(e.Code));
    }
}

void TProjectDatabase::CreateFile(const std::string& path, const std::function<void(TSqlDatabase&)>& fill)
{
    std::error_code error;
    if (fs::exists(fs::symlink_status(path, error)))
        throw E_ProjectDatabase(Exists(path));

    const TTempProjectFile temp(path);
    {
        TSqlDatabase db(temp.Path(), TSqlDatabase::TOpenMode::CreateNew);
        WaitWhenBusy(db);
        Configure(db);
        TSqlTransaction transaction(db);
        ProjectSchema::Create(db);
        if (fill)
            fill(db);
        transaction.Commit();
    } // closing the last connection folds the WAL into the file

    // A hard link puts the finished file in place and fails, instead of replacing, when
    // something appeared at the path meanwhile.
    if (::link(temp.Path().c_str(), path.c_str()) != 0) {
        if (errno == EEXIST)
            throw E_ProjectDatabase(Exists(path));
        throw E_ProjectDatabase("cannot create " + path + ": " + std::strerror(errno));
    }
}

} // namespace host
