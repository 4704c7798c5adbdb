#include "tests/dialogs/GrpAddrDialogSupport.h"

#include "platform/Cp1252.h"

namespace grpaddrtest {

GaDialogTest::GaDialogTest() = default;

void GaDialogTest::Load()
{
    ASSERT_NE(nullptr, device_->LoadGrpAdr());
}

void GaDialogTest::AddObjectRecord(std::int32_t handle, int number, const std::string& name, int objTyp,
                                   std::uint16_t address)
{
    TDatenStruktur record;
    record.Handle = handle;
    record.Typ = 806;
    record.Parent = 10;
    record.Name = name;
    record.Param4 = number;
    record.Param8 = objTyp;
    record.Param15 = address;
    records_.Add(record);
}

void GaDialogTest::AddChildRecord(std::int32_t handle, std::int32_t parent, std::uint16_t address)
{
    TDatenStruktur record;
    record.Handle = handle;
    record.Parent = parent;
    record.Param15 = address;
    records_.Add(record);
}

TGrpAddrNameQuery GaDialogTest::NameQuery()
{
    return [this](std::string& name) {
        ++nameQueries_;
        if (!nameAnswer_)
            return false;
        name = *nameAnswer_;
        return true;
    };
}

std::string RowText(const QTreeWidgetItem* item)
{
    std::string text;
    for (int column = 0; column < item->columnCount(); ++column)
        text += (column ? "|" : "") + platform::FromQString(item->text(column));
    return text;
}

std::vector<std::string> TreeLines(const QTreeWidgetItem* item, int depth)
{
    std::vector<std::string> lines{std::string(static_cast<std::size_t>(depth) * 2, ' ') +
                                   platform::FromQString(item->text(0)) + (item->isExpanded() ? " +" : "")};
    for (int i = 0; i < item->childCount(); ++i)
        for (std::string& line : TreeLines(item->child(i), depth + 1))
            lines.push_back(std::move(line));
    return lines;
}

} // namespace grpaddrtest
