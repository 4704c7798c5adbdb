#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

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

    // Takes the editor's rows and captions: a changed row count resets the model, changed
    // texts only report the change, so that the view keeps its current row and anchor.
    void Neu();

private:
    const schaltzeit::TSchaltzeitenKern& Kern;
    std::vector<std::vector<QString>> Zellen;
    std::vector<QString> Ueberschriften;
};
