#include "outside/viewkit/Zeichentabelle.h"

#include "outside/viewkit/CharTabMessages.h"
#include "outside/viewkit/CharacterCell.h"
#include "outside/viewkit/DispCharBasis.h"

#include <QApplication>
#include <QPainter>

namespace {

constexpr int Gap = 2;
constexpr int CodeWidth = 40;
// The display knows 8-bit codes only; a character set that claims more shows none of the rest.
constexpr int MaxCode = 255;

// The character painter of the table: its rows go through the plain line painter.
class TTableChar final : public TDispCharBasis {
public:
    using TDispCharBasis::TDispCharBasis;

protected:
    std::unique_ptr<TDispLine> CreateLine() override { return std::make_unique<TDispLine>(GetCanvas()); }
};

QImage PictureOf(TCharacterMap::TRows rows)
{
    TCanvas canvas(CharacterWidth, CharacterHeight);
    TTableChar painter(&canvas);
    painter.SetColor(0);
    painter.SetBackground(clViewWhite);
    painter.SetRows(CharacterHeight);
    painter.SetColumns(CharacterWidth);
    painter.SetData({rows.begin(), rows.end()});
    painter.Paint();
    return canvas.Image();
}

} // namespace

TZeichentabelle::TZeichentabelle(QWidget* owner, platform::HWND mainWindow, platform::TMemoryStream& stream)
    : QWidget(owner, Qt::Tool), mainWindow_(mainWindow)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Zeichentabelle"));
    TCharacterMap map;
    if (LoadS19StreamToMap(&stream, map))
        for (const auto& [code, rows] : map)
            if (code >= 0 && code <= MaxCode)
                characters_.emplace(code, PictureOf(rows));
    const int rows = characters_.empty() ? 1 : characters_.rbegin()->first / PerRow + 1;
    const QRect last = CellRect(rows * PerRow - 1);
    setFixedSize(last.right() + 1 + Gap * 2, last.bottom() + 1 + Gap * 2);
}

TZeichentabelle::~TZeichentabelle()
{
    platform::PostMessage(mainWindow_, WM_USER_CHARTABCLOSED, 0, 0);
}

QRect TZeichentabelle::CellRect(int index) const
{
    const int width = CharacterWidth * Zoom + Gap * 2;
    const int height = CharacterHeight * Zoom + Gap * 2;
    return {Gap + CodeWidth + index % PerRow * width, Gap + index / PerRow * height, width, height};
}

void TZeichentabelle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().windowText().color());
    for (const auto& [code, picture] : characters_) {
        const QRect cell = CellRect(code);
        if (code % PerRow == 0)
            painter.drawText(QRect(Gap, cell.top(), CodeWidth - Gap, cell.height()), Qt::AlignVCenter | Qt::AlignLeft,
                             QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0')));
        painter.drawImage(cell.adjusted(Gap, Gap, -Gap, -Gap), picture);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
}

TZeichentabelle* Zeichentabelle(QWidget* owner, platform::HWND mainWindow, platform::TMemoryStream& stream)
{
    auto* table = new TZeichentabelle(owner, mainWindow, stream);
    table->show();
    platform::PostMessage(mainWindow, WM_USER_CHARTABOPENED, 0, reinterpret_cast<platform::LPARAM>(table));
    return table;
}

void DeleteZeichentabelle(platform::HWND mainWindow)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* table = qobject_cast<TZeichentabelle*>(window); table != nullptr && table->MainWindow() == mainWindow)
            table->close();
}
