#pragma once

#include <QPixmap>

class QWidget;

namespace tour {

// What a person sees on the primary screen: its background with every shown top-level window
// drawn at its place on the screen, with a frame and a caption bar holding its title (drawn
// above the window where the platform has no frame); the main windows at the bottom, then the
// other windows, the modal ones, the active one and the popups on top.
QPixmap ScreenPicture();

// True when the window's caption bar shows its whole title beside the window manager's buttons.
bool CaptionFits(const QWidget& window);

} // namespace tour
