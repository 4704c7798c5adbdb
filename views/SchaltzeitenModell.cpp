#include "views/SchaltzeitenModell.h"

#include "platform/Cp1252.h"
#include "views/SchaltzeitenKern.h"

TSchaltzeitenModell::TSchaltzeitenModell(const schaltzeit::TSchaltzeitenKern& kern, QObject* parent)
    : QAbstractTableModel(parent), Kern(kern)
{
}

int TSchaltzeitenModell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Kern.Belegt();
}

int TSchaltzeitenModell::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Kern.AnzahlSpalten();
}

QVariant TSchaltzeitenModell::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= Kern.Belegt())
        return {};
    return platform::ToQString(Kern.Spaltentext(Kern.Zeilen()[static_cast<std::size_t>(index.row())], index.column()));
}

QVariant TSchaltzeitenModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return platform::ToQString(Kern.Ueberschrift(section));
}

void TSchaltzeitenModell::Neu()
{
    beginResetModel();
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, Kern.AnzahlSpalten() - 1);
}
