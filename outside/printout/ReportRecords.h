#pragma once

#include <QImage>

#include <cstdint>
#include <map>
#include <string>

// What a report prints, as the caller fills it.
struct TRecReportInfo {
    bool Preview = false;        // the preview window instead of the printer
    bool ShowHeader = false;     // the header text under the title
    std::string Title;           // the report's title, also the document's name
    bool ShowTree = false;       // the tree items, indented by their level, with their icons
    bool ShowParameters = false; // under each tree item the rows of its parameter grid
    bool CharTable = false;      // the character table at the end
    bool PageNumbers = false;    // "Seite n" at the foot of every page
    std::string OutputFile;      // empty: preview or printer; otherwise the file (".pdf")
};

// How the character table is laid out.
struct TRecCharTabInfo {
    std::string Text;          // the table's heading; none when empty
    std::int32_t Columns = 0;  // characters per row
    std::int32_t CellSize = 0; // width and height of a character's cell, in points
    std::int32_t Left = 0;     // the table's indent from the left margin, in points
    std::int32_t Top = 0;      // the space above the table, in points
    std::int32_t FirstIndex = 0; // the first picture printed
    std::int32_t LastIndex = 0;  // the last picture printed
    bool ShowGrid = false;     // a frame around each cell
    bool ShowIndex = false;    // the index of the row's first picture before each row
    bool Reserved3 = false;
    bool Reserved4 = false;
    bool Reserved5 = false;
};

// The pictures of the character table by their running index.
using TCharBitmaps = std::map<int, QImage>;
