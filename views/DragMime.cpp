#include "views/DragMime.h"

#include <QMimeData>

namespace views {

QMimeData* NewDragMimeData()
{
    auto* data = new QMimeData; // the drag takes it over
    data->setData(QStringLiteral("application/x-panelconf-dataobject"), QByteArray());
    return data;
}

} // namespace views
