#pragma once

#include "outside/viewkit/LoadS19.h"
#include "platform/MemoryStream.h"
#include "platform/WindowMessages.h"

#include <QImage>
#include <QWidget>

#include <map>

// The character table: a tool window that shows every character of the display's character set
// as its 6 × 8 picture, enlarged, sixteen to a row with the code in front of each row. It
// belongs to a main window, which it tells of its opening (WM_USER_CHARTABOPENED, lParam the
// window) and of its end (WM_USER_CHARTABCLOSED); closing it destroys it.
class TZeichentabelle final : public QWidget {
    Q_OBJECT

public:
    static constexpr int Zoom = 3;
    static constexpr int PerRow = 16;

    // Reads the character set from the stream's position on; a stream that holds none leaves
    // the table empty.
    TZeichentabelle(QWidget* owner, platform::HWND mainWindow, platform::TMemoryStream& stream);
    ~TZeichentabelle() override;

    platform::HWND MainWindow() const { return mainWindow_; }
    // The pictures by character code.
    const std::map<int, QImage>& Characters() const { return characters_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect CellRect(int index) const;

    platform::HWND mainWindow_;
    std::map<int, QImage> characters_;
};

// Opens the character table of the stream for the main window (handle) with the owner and shows
// it; it announces itself to the main window.
TZeichentabelle* Zeichentabelle(QWidget* owner, platform::HWND mainWindow, platform::TMemoryStream& stream);

// Closes the character table that belongs to the main window, when one is open.
void DeleteZeichentabelle(platform::HWND mainWindow);
