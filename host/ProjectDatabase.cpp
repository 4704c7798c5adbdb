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
#include <optional>
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

namespace {

// Why the project cannot be written, in the user's terms; none when it can.
std::optional<std::string> ReadOnlyReason(const std::string& path)
{
    const fs::path file = fs::absolute(path);
    const std::string folder = file.parent_path().string();
    const auto unwritable = [](const std::string& name) { return ::access(name.c_str(), W_OK) != 0 && errno != ENOENT; };
    if (unwritable(folder))
        return "the folder " + folder + " is read-only: the project can be read, not written";
    if (unwritable(file.string()))
        return "the file " + file.string() + " is read-only: the project can be read, not written";
    return std::nullopt;
}

// SQLite's lock bytes on Unix: a connection's shared lock is a read lock on this range, and a
// writer needs a write lock on it to fold its log into the file or to leave WAL mode.
constexpr off_t SharedFirst = 0x40000000 + 2;
constexpr off_t SharedSize = 510;

} // namespace

// A reader of a project in WAL mode would make its side files when no writer has them open (the
// log is gone only then): they would stay behind, owned by the reader, and the owner's next
// write would fail. So such a project is read as its file stands, with no side files and no
// locks of SQLite's; a shared lock of our own on SQLite's range keeps a writer that comes along
// meanwhile from folding its log into the file.
std::unique_ptr<TSqlDatabase> TProjectDatabase::OpenForReading(const std::string& path)
{
    std::error_code error;
    if (fs::exists(path + "-wal", error))
        return std::make_unique<TSqlDatabase>(path, TSqlDatabase::TOpenMode::ReadOnly);
    sharedLock_.Reset(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (sharedLock_.Get() < 0)
        throw E_ProjectDatabase("cannot read " + path + ": " + std::strerror(errno));
    struct flock shared {};
    shared.l_type = F_RDLCK;
    shared.l_whence = SEEK_SET;
    shared.l_start = SharedFirst;
    shared.l_len = SharedSize;
    if (::fcntl(sharedLock_.Get(), F_SETLKW, &shared) != 0)
        throw E_ProjectDatabase("cannot read " + path + ": " + std::strerror(errno));
    // A writer may have come between the look and the lock.
    if (fs::exists(path + "-wal", error))
        return std::make_unique<TSqlDatabase>(path, TSqlDatabase::TOpenMode::ReadOnly);
    return std::make_unique<TSqlDatabase>(path, TSqlDatabase::TOpenMode::ReadOnlyUnchanging);
}

TProjectDatabase::TProjectDatabase(const std::string& path, TAccess access)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        throw E_ProjectDatabase("no project database at " + path);
    if (access == TAccess::ReadWrite)
        if (const std::optional<std::string> reason = ReadOnlyReason(path))
            throw E_ProjectDatabase(*reason);
    try {
        db_ = access == TAccess::ReadOnly ? OpenForReading(path)
                                          : std::make_unique<TSqlDatabase>(path, TSqlDatabase::TOpenMode::Existing);
        WaitWhenBusy(*db_);
        // Checked before anything is changed in a file that may not be ours.
        switch (ProjectSchema::Classify(*db_)) {
        case ProjectSchema::TFileKind::Foreign:
            throw E_ProjectDatabase(path + " is not a project database of this host");
        case ProjectSchema::TFileKind::Newer:
            throw E_ProjectDatabase(path + " was made by a newer etshost; this one cannot read it");
        case ProjectSchema::TFileKind::Earlier:
            if (access == TAccess::ReadOnly) {
                // Read as this etshost's layout: upgraded once by a writer of its own.
                db_.reset();
                TProjectDatabase(path, TAccess::ReadWrite);
                db_ = OpenForReading(path);
                WaitWhenBusy(*db_);
                break;
            }
            ProjectSchema::Upgrade(*db_); // foreign keys are still off on a new connection
            break;
        case ProjectSchema::TFileKind::Current:
            break;
        }
        if (access == TAccess::ReadWrite)
            Configure(*db_);
        else
            db_->Execute("PRAGMA foreign_keys = ON");
    } catch (const E_Sql& e) {
        // SQLite's own words only: the statement that failed means nothing to the user.
        throw E_ProjectDatabase(path + " cannot be opened as a project database: " + sqlite3_errstr(e.Code));
    }
}

void TProjectDatabase::TDescriptor::Reset(int fd)
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
}

void TProjectDatabase::RefuseDamaged()
{
    std::string fault;
    try {
        TSqlStatement check(*db_, "PRAGMA quick_check(1)");
        fault = check.Step() ? check.Text(0) : std::string("no answer");
    } catch (const E_Sql& e) {
        fault = sqlite3_errstr(e.Code);
    }
    if (fault != "ok")
        throw E_ProjectDatabase(db_->Path() + " is damaged (" + fault + "); nothing is written into it");
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
