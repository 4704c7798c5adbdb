#include "tests/tour/TourIndex.h"

#include <sstream>

namespace tour {
namespace {

std::string Escaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

std::string IndexPage(const std::vector<TIndexEntry>& entries, const std::string& pictureFolder)
{
    std::ostringstream page;
    page << "<!DOCTYPE html>\n"
            "<html lang=\"de\">\n"
            "<head>\n"
            "<meta charset=\"utf-8\">\n"
            "<title>panelconf: alle Fenster und Dialoge</title>\n"
            "<style>\n"
            "body { font-family: sans-serif; margin: 2em; }\n"
            "figure { margin: 0 0 3em 0; }\n"
            "figcaption { margin-bottom: 0.5em; font-weight: bold; }\n"
            "img { border: 1px solid #888; max-width: 100%; }\n"
            "</style>\n"
            "</head>\n"
            "<body>\n"
            "<h1>panelconf: alle Fenster und Dialoge</h1>\n"
            "<p>Das Programm auf dem Demo-Projekt des Stand-in-Hosts, ohne Bildschirm aufgenommen.</p>\n"
            "<ol>\n";
    for (const TIndexEntry& entry : entries)
        page << "<li><a href=\"#" << Escaped(entry.Picture) << "\">" << Escaped(entry.Caption) << "</a></li>\n";
    page << "</ol>\n";
    for (const TIndexEntry& entry : entries) {
        const std::string source = Escaped(pictureFolder + "/" + entry.Picture);
        page << "<figure id=\"" << Escaped(entry.Picture) << "\">\n"
             << "<figcaption>" << Escaped(entry.Caption) << "</figcaption>\n"
             << "<a href=\"" << source << "\"><img src=\"" << source << "\" alt=\"" << Escaped(entry.Caption)
             << "\"></a>\n"
             << "</figure>\n";
    }
    page << "</body>\n</html>\n";
    return page.str();
}

std::vector<TIndexEntry> ExistingPictures(const std::vector<TIndexEntry>& entries,
                                          const std::filesystem::path& pictureFolder)
{
    std::vector<TIndexEntry> existing;
    for (const TIndexEntry& entry : entries)
        if (std::filesystem::is_regular_file(pictureFolder / entry.Picture))
            existing.push_back(entry);
    return existing;
}

} // namespace tour
