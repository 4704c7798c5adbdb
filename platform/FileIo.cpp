#include "platform/FileIo.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

[[noreturn]] void ThrowErrno(const std::string& what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports a failed close (the last chance to see a write error).
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

[[noreturn]] void ThrowNotRegular(const std::string& path, std::errc code, const std::string& what)
{
    throw std::system_error(std::make_error_code(code), path + " " + what + "; it is not written");
}

// The file a write replaces: the path, or the regular file a symbolic link at the path leads to.
// Anything else (a device, a FIFO, a socket, a folder, a link to none of them or to nothing) is
// refused.
std::string WriteTarget(const std::string& path)
{
    struct stat named {};
    if (::lstat(path.c_str(), &named) != 0) {
        if (errno == ENOENT)
            return path;
        ThrowErrno("cannot write " + path);
    }
    if (S_ISREG(named.st_mode))
        return path;
    if (S_ISDIR(named.st_mode))
        ThrowNotRegular(path, std::errc::is_a_directory, "is a folder");
    if (!S_ISLNK(named.st_mode))
        ThrowNotRegular(path, std::errc::invalid_argument, "is no regular file (a device, a FIFO or a socket)");
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        ThrowNotRegular(path, std::errc::no_such_file_or_directory, "is a link that leads to no file");
    const std::string target(resolved);
    std::free(resolved);
    struct stat reached {};
    if (::stat(target.c_str(), &reached) != 0 || !S_ISREG(reached.st_mode))
        ThrowNotRegular(path, std::errc::invalid_argument, "is a link to " + target + ", which is no regular file");
    return target;
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::error_code& error)
{
    error.clear();
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        error.assign(errno, std::generic_category());
        return std::nullopt;
    }
    std::string bytes;
    std::vector<char> chunk(64 * 1024);
    for (;;) {
        const ssize_t n = ::read(fd.get(), chunk.data(), chunk.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error.assign(errno, std::generic_category());
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(chunk.data(), static_cast<std::size_t>(n));
    }
    return bytes;
}

std::string ReadWholeFile(const std::string& path)
{
    std::error_code error;
    std::optional<std::string> bytes = ReadWholeFile(path, error);
    if (!bytes)
        throw std::system_error(error, "cannot read " + path);
    return std::move(*bytes);
}

std::string TemporaryFileOf(const std::string& path)
{
    return path + ".partial";
}

void WriteFileAtomically(const std::string& requested, std::string_view bytes)
{
    const std::string path = WriteTarget(requested);
    // One temporary name per file: what a killed write left there is taken over (emptied and
    // written anew) by the next write of the file, and no reader ever opens it.
    const std::string temp = TemporaryFileOf(path);
    struct stat target {};
    const mode_t mode = ::stat(path.c_str(), &target) == 0 ? (target.st_mode & 07777) : 0644;

    // Writers of the same file take turns on a lock of the temporary file. The lock is only good
    // while the file is still the one at the temporary name: a writer that waited for it may
    // hold the file the last writer has just renamed into place, and must start again.
    std::optional<FileDescriptor> fd;
    for (;;) {
        // Never blocks on a FIFO someone put at the temporary name; only a regular file is used.
        fd.emplace(::open(temp.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, mode | 0200));
        if (fd->get() < 0)
            ThrowErrno("cannot create " + temp);
        struct stat opened {};
        if (::fstat(fd->get(), &opened) != 0 || !S_ISREG(opened.st_mode))
            ThrowNotRegular(temp, std::errc::invalid_argument, "is no regular file");
        int locked;
        do
            locked = ::flock(fd->get(), LOCK_EX);
        while (locked != 0 && errno == EINTR);
        if (locked != 0)
            ThrowErrno("cannot lock " + temp);
        struct stat held {};
        struct stat named {};
        if (::fstat(fd->get(), &held) != 0)
            ThrowErrno("cannot write " + temp);
        if (::lstat(temp.c_str(), &named) == 0 && named.st_dev == held.st_dev && named.st_ino == held.st_ino)
            break;
    }

    auto fail = [&temp](const std::string& what) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        ThrowErrno(what);
    };

    if (::ftruncate(fd->get(), 0) != 0)
        fail("cannot write " + path);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd->get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("cannot write " + path);
        }
        done += static_cast<std::size_t>(n);
    }
    ::fchmod(fd->get(), mode);
    if (::fsync(fd->get()) != 0)
        fail("cannot write " + path);
    if (::rename(temp.c_str(), path.c_str()) != 0)
        fail("cannot replace " + path);
    // The rename itself lasts only once the folder is on disk.
    const std::string::size_type slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

} // namespace platform
