#pragma once

#include <QListWidgetItem>

#include <string>

class TDataBasis;
class TListView;

// One item of the child list: the data object it carries (never owned), its caption and image.
class TListItem : public QListWidgetItem {
public:
    static constexpr int ItemType = QListWidgetItem::UserType + 1;

    TListItem();

    // The item behind an item of a list view, or none.
    static TListItem* From(QListWidgetItem* item);

    TDataBasis* Data() const { return data_; }
    void SetData(TDataBasis* data) { data_ = data; }
    // Caption in the Windows code page.
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    // The image comes from the list's image list.
    QVariant data(int role) const override;

private:
    TDataBasis* data_ = nullptr;
    int imageIndex_ = -1;
};
