#include "app/WindowLayout.h"

#include <algorithm>

QRect FirstMainWindowPlace(const QRect& available)
{
    const QSize size(available.width() * 4 / 5, available.height() * 4 / 5);
    QRect place(QPoint(), size);
    place.moveCenter(available.center());
    return place;
}

bool UsablePlace(const QRect& place, const QList<QRect>& areas, const QSize& minimum)
{
    if (place.width() < minimum.width() || place.height() < minimum.height())
        return false;
    const qint64 whole = qint64(place.width()) * place.height();
    for (const QRect& area : areas) {
        if (place.top() < area.top() || place.top() > area.bottom())
            continue;
        const QRect shown = place.intersected(area);
        if (qint64(shown.width()) * shown.height() * 4 >= whole * 3)
            return true;
    }
    return false;
}

QRect PreviewPlace(const QRect& area, const QSize& size)
{
    return QRect(QPoint(std::max(area.left(), area.right() + 1 - size.width()), area.top()), size);
}

QRect CentredOver(const QSize& size, const QRect& over, const QRect& screen)
{
    QRect place(QPoint(), size);
    place.moveCenter(over.center());
    place.moveLeft(std::max(screen.left(), std::min(place.left(), screen.right() + 1 - size.width())));
    place.moveTop(std::max(screen.top(), std::min(place.top(), screen.bottom() + 1 - size.height())));
    return place;
}
