#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// A block of bytes with a read/write position. Writing past the end grows the block.
class TMemoryStream {
public:
    enum class Origin { Beginning, Current, End };

    TMemoryStream() = default;
    explicit TMemoryStream(std::string bytes) : bytes_(std::move(bytes)) {}

    // Copies up to count bytes from the position on; answers how many were copied.
    std::size_t Read(void* buffer, std::size_t count);
    // Writes at the position (growing the block) and moves the position behind the bytes.
    std::size_t Write(const void* buffer, std::size_t count);
    std::size_t Write(std::string_view text) { return Write(text.data(), text.size()); }

    // Moves the position; it is kept within 0 and Size(). Answers the new position.
    std::int64_t Seek(std::int64_t offset, Origin origin);

    std::size_t Position() const { return position_; }
    void SetPosition(std::size_t position);
    std::size_t Size() const { return bytes_.size(); }
    // Cuts or grows (with zero bytes) the block; the position stays within it.
    void SetSize(std::size_t size);
    void Clear();

    const char* Memory() const { return bytes_.data(); }
    // The whole block, whatever the position.
    const std::string& Bytes() const { return bytes_; }

    // Replaces the block with the file's bytes; throws std::system_error when it cannot be read.
    void LoadFromFile(const std::string& path);
    // Writes the whole block through a temporary file; throws std::system_error on failure.
    void SaveToFile(const std::string& path) const;

private:
    std::string bytes_;
    std::size_t position_ = 0;
};

} // namespace platform
