#pragma once

#include <QAbstractTableModel>

namespace schaltzeit {
class TSchaltzeitenKern;
}

// The switching-time list as a table: its rows are the editor's rows in display order (the
// order written back), its header texts the editor's captions. It never sorts by itself.
class TSchaltzeitenModell final : public QAbstractTableModel {
public:
    TSchaltzeitenModell(const schaltzeit::TSchaltzeitenKern& kern, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The editor changed its rows or captions.
    void Neu();

private:
    const schaltzeit::TSchaltzeitenKern& Kern;
};
