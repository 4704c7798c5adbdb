#include "views/SchaltzeitenModell.h"

#include "platform/Cp1252.h"
#include "views/SchaltzeitenKern.h"

TSchaltzeitenModell::TSchaltzeitenModell(const schaltzeit::TSchaltzeitenKern& kern, QObject* parent)
    : QAbstractTableModel(parent), Kern(kern)
{
    Neu();
}

int TSchaltzeitenModell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(Zellen.size());
}

int TSchaltzeitenModell::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(Ueberschriften.size());
}

QVariant TSchaltzeitenModell::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    return Zellen[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
}

QVariant TSchaltzeitenModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    return Ueberschriften[static_cast<std::size_t>(section)];
}

void TSchaltzeitenModell::Neu()
{
    std::vector<QString> ueberschriften;
    for (int spalte = 0; spalte < Kern.AnzahlSpalten(); ++spalte)
        ueberschriften.push_back(platform::ToQString(Kern.Ueberschrift(spalte)));
    std::vector<std::vector<QString>> zellen;
    for (const schaltzeit::TSchaltzeitZeile& zeile : Kern.Zeilen()) {
        zellen.emplace_back();
        for (int spalte = 0; spalte < Kern.AnzahlSpalten(); ++spalte)
            zellen.back().push_back(platform::ToQString(Kern.Spaltentext(zeile, spalte)));
    }
    if (zellen.size() != Zellen.size() || ueberschriften.size() != Ueberschriften.size()) {
        beginResetModel();
        Zellen = std::move(zellen);
        Ueberschriften = std::move(ueberschriften);
        endResetModel();
        return;
    }
    if (zellen != Zellen) {
        Zellen = std::move(zellen);
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
    if (ueberschriften != Ueberschriften) {
        Ueberschriften = std::move(ueberschriften);
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }
}
