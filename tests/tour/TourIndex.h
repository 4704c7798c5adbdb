#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tour {

// A picture of the tour on the index page: its file name beside the page and its caption.
struct TIndexEntry {
    std::string Picture;
    std::string Caption;
};

// The HTML page that shows the pictures one below the other, each with its caption, linked by
// their names relative to the page's folder so that it opens from disk.
std::string IndexPage(const std::vector<TIndexEntry>& entries, const std::string& pictureFolder);

// The entries whose picture exists in the folder, in their order.
std::vector<TIndexEntry> ExistingPictures(const std::vector<TIndexEntry>& entries,
                                          const std::filesystem::path& pictureFolder);

} // namespace tour
