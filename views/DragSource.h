#pragma once

class QObject;
class TDataBasis;

namespace views {

// True when the object's class is exactly the named one; a class derived from it is not.
bool IsClass(const QObject* object, const char* className);

// The data object of the selected node of a "TTreeView", none without a selected node or when
// the object is of another class.
TDataBasis* SelectedTreeData(QObject* source);
// The same for the selected item of a "TListView".
TDataBasis* SelectedListData(QObject* source);

} // namespace views
