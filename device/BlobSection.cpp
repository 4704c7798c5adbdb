#include "device/BlobSection.h"

#include <string>

std::optional<TBlobSection> TBlobSection::Find(std::string_view block, std::string_view name)
{
    const std::string openTag = "<" + std::string(name) + ">";
    const std::string closeTag = "</" + std::string(name) + ">";

    const std::size_t open = block.find(openTag);
    if (open == std::string_view::npos)
        return std::nullopt;
    std::size_t begin = open + openTag.size();
    if (begin < block.size() && block[begin] == '\r') {
        ++begin;
        if (begin < block.size() && block[begin] == '\n')
            ++begin;
    }

    const std::size_t close = block.find(closeTag, begin);
    if (close == std::string_view::npos)
        return std::nullopt;
    std::size_t end = close;
    if (end > begin && block[end - 1] == '\n') {
        --end;
        if (end > begin && block[end - 1] == '\r')
            --end;
    }
    return TBlobSection{begin, end, close};
}
