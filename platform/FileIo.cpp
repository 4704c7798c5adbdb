#include "platform/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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

void WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    std::string temp = path + ".XXXXXX";
    FileDescriptor fd(::mkstemp(temp.data()));
    if (fd.get() < 0)
        ThrowErrno("cannot create " + path);

    auto fail = [&temp](const std::string& what) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        ThrowErrno(what);
    };

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("cannot write " + path);
        }
        done += static_cast<std::size_t>(n);
    }
    ::fchmod(fd.get(), 0644);
    if (::fsync(fd.get()) != 0 || !fd.Close())
        fail("cannot write " + path);
    if (::rename(temp.c_str(), path.c_str()) != 0)
        fail("cannot replace " + path);
}

} // namespace platform
