#include "views/DragSource.h"

#include "views/ListView.h"
#include "views/TreeView.h"

#include <QMetaObject>

#include <cstring>

namespace views {

bool IsClass(const QObject* object, const char* className)
{
    return object && std::strcmp(object->metaObject()->className(), className) == 0;
}

TDataBasis* SelectedTreeData(QObject* source)
{
    if (!IsClass(source, "TTreeView"))
        return nullptr;
    const TTreeNode* node = static_cast<TTreeView*>(source)->Selected();
    return node ? node->Data() : nullptr;
}

TDataBasis* SelectedListData(QObject* source)
{
    if (!IsClass(source, "TListView"))
        return nullptr;
    const TListItem* item = static_cast<TListView*>(source)->Selected();
    return item ? item->Data() : nullptr;
}

} // namespace views
