// Writes the demo's preview pictures and character set into a program's data folder:
//   MakePreviewResources <font file> <data folder> <type number>...
// gives <data folder>/PreviewImages/<type number>.bmp for each type number (the device, 160 x 301,
// with the display window and five rows of keys), <data folder>/PreviewImages/SmallDisplay.bmp
// (the display, 120 x 16) and <data folder>/CharacterSet/Cs01252.ezs (the font as S-records
// behind the character set's version line).

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const QColor Transparent(0xFF, 0x00, 0xFF);
const QColor Housing(0xE4, 0xE4, 0xE0);
const QColor HousingEdge(0x8C, 0x8C, 0x88);
const QColor KeyFace(0xF6, 0xF6, 0xF4);
const QColor KeyEdge(0xA8, 0xA8, 0xA4);
const QColor DisplayFrame(0x3A, 0x3A, 0x3A);
const QColor DisplayGlass(0x1C, 0x3A, 0x78);

struct TGlyph {
    int Code = 0;
    std::vector<unsigned> Rows;
};

bool ReadFont(const std::string& file, std::vector<TGlyph>& glyphs)
{
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        TGlyph glyph;
        fields >> std::hex >> glyph.Code;
        unsigned row = 0;
        while (fields >> std::hex >> row)
            glyph.Rows.push_back(row);
        if (glyph.Rows.size() != 8) {
            std::cerr << "broken font line: " << line << "\n";
            return false;
        }
        glyphs.push_back(glyph);
    }
    return !glyphs.empty();
}

// One S1 record: count, address, data, checksum.
std::string S1Record(unsigned address, const std::vector<unsigned>& data)
{
    std::vector<unsigned> bytes{static_cast<unsigned>(data.size() + 3), address >> 8 & 0xFF, address & 0xFF};
    bytes.insert(bytes.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (const unsigned byte : bytes)
        sum += byte;
    bytes.push_back(~sum & 0xFF);
    std::string record = "S1";
    char hex[3];
    for (const unsigned byte : bytes) {
        std::snprintf(hex, sizeof hex, "%02X", byte);
        record += hex;
    }
    return record;
}

bool WriteCharacterSet(const std::vector<TGlyph>& glyphs, const QString& file)
{
    std::ofstream out(file.toStdString(), std::ios::binary);
    out << "SX Version: 1. 0 Typ:SORV/CharSet Device:Talvo CPID: 1252 CBU:0\r\n";
    for (const TGlyph& glyph : glyphs) {
        std::vector<unsigned> rows;
        // Five pixels in bits 5 to 1 of the six-pixel cell; bit 0 is the gap to the next character.
        for (const unsigned row : glyph.Rows)
            rows.push_back(row << 1 & 0x3E);
        out << S1Record(static_cast<unsigned>(glyph.Code) * 8, rows) << "\r\n";
    }
    out << "S9030000FC\r\n";
    return static_cast<bool>(out);
}

void RoundedBox(QPainter& painter, const QRectF& box, qreal radius, const QColor& fill, const QColor& edge)
{
    painter.setPen(QPen(edge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, radius, radius);
}

QImage DevicePicture()
{
    QImage picture(160, 301, QImage::Format_RGB32);
    picture.fill(Transparent);
    QPainter painter(&picture);
    // Antialiasing would blend the edges into the transparent colour.
    RoundedBox(painter, QRectF(1.5, 1.5, 157, 298), 10, Housing, HousingEdge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(DisplayFrame);
    painter.drawRect(17, 21, 128, 24);
    painter.setBrush(DisplayGlass);
    painter.drawRect(21, 25, 120, 16);
    for (int n = 1; n <= 10; ++n) {
        const int left = n % 2 == 1 ? 5 : 83;
        const int top = 51 + 50 * ((n - 1) / 2);
        RoundedBox(painter, QRectF(left + 1.5, top + 1.5, 74, 45), 4, KeyFace, KeyEdge);
        // The status LED of the key.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x60, 0xB0, 0x40));
        painter.drawRect(n % 2 == 1 ? left + 8 : left + 65, top + 21, 4, 4);
    }
    return picture;
}

QImage DisplayPicture()
{
    QImage picture(120, 16, QImage::Format_RGB32);
    picture.fill(DisplayGlass);
    return picture;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::cerr << "usage: MakePreviewResources <font file> <data folder> <type number>...\n";
        return 2;
    }
    std::vector<TGlyph> glyphs;
    if (!ReadFont(argv[1], glyphs))
        return 1;
    const QDir data(QString::fromLocal8Bit(argv[2]));
    if (!data.mkpath("PreviewImages") || !data.mkpath("CharacterSet"))
        return 1;
    const QImage device = DevicePicture();
    for (int i = 3; i < argc; ++i)
        if (!device.save(data.filePath(QString("PreviewImages/%1.bmp").arg(QString::fromLocal8Bit(argv[i]))), "BMP"))
            return 1;
    if (!DisplayPicture().save(data.filePath("PreviewImages/SmallDisplay.bmp"), "BMP"))
        return 1;
    return WriteCharacterSet(glyphs, data.filePath("CharacterSet/Cs01252.ezs")) ? 0 : 1;
}
