#include "platform/MemoryStream.h"

#include "platform/FileIo.h"

#include <algorithm>
#include <cstring>

namespace platform {

std::size_t TMemoryStream::Read(void* buffer, std::size_t count)
{
    const std::size_t n = std::min(count, bytes_.size() - position_);
    if (n > 0)
        std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count)
{
    if (count == 0)
        return 0;
    // The bytes from the position on are overwritten, and the block grows by what is left.
    const std::size_t overwritten = std::min(count, bytes_.size() - position_);
    bytes_.replace(position_, overwritten, static_cast<const char*>(buffer), count);
    position_ += count;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, Origin origin)
{
    std::int64_t base = 0;
    switch (origin) {
    case Origin::Beginning: base = 0; break;
    case Origin::Current: base = static_cast<std::int64_t>(position_); break;
    case Origin::End: base = static_cast<std::int64_t>(bytes_.size()); break;
    }
    const std::int64_t target = std::clamp<std::int64_t>(base + offset, 0, static_cast<std::int64_t>(bytes_.size()));
    position_ = static_cast<std::size_t>(target);
    return target;
}

void TMemoryStream::SetPosition(std::size_t position)
{
    position_ = std::min(position, bytes_.size());
}

void TMemoryStream::SetSize(std::size_t size)
{
    bytes_.resize(size);
    position_ = std::min(position_, size);
}

void TMemoryStream::Clear()
{
    bytes_.clear();
    position_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& path)
{
    bytes_ = ReadWholeFile(path);
    position_ = 0;
}

void TMemoryStream::SaveToFile(const std::string& path) const
{
    WriteFileAtomically(path, bytes_);
}

} // namespace platform
