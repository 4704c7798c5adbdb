#include "dialogs/project/GaCheck.h"
#include "dialogs/project/GrpAddrImages.h"
#include "outside/addrlink/SorvGrpAdrSub.h"
#include "tests/dialogs/GrpAddrDialogSupport.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace grpaddrtest;

struct TypTextCase {
    int Typ;
    std::string Text;
};

class ObjTypTextTest : public ::testing::TestWithParam<TypTextCase> {};

TEST_P(ObjTypTextTest, NamesTheSizeOfTheCode)
{
    EXPECT_EQ(GetParam().Text, GetObjTypText(GetParam().Typ));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ObjTypTextTest,
    ::testing::Values(TypTextCase{0, "unsichtbar"}, TypTextCase{1, "1 Bit"}, TypTextCase{7, "7 Bit"},
                      TypTextCase{8, "1 Byte"}, TypTextCase{11, "4 Byte"}, TypTextCase{12, "6 Byte"},
                      TypTextCase{13, "8 Byte"}, TypTextCase{14, "10 Byte"}, TypTextCase{15, "14 Byte"},
                      TypTextCase{16, "VARDATA"}, TypTextCase{20, "unbekannter Objekttyp 20"},
                      TypTextCase{255, "unbekannter Objekttyp -1"}, TypTextCase{-3, "unbekannter Objekttyp -3"}));

class GaCheck : public GaDialogTest {
protected:
    GaCheck() { Load(); }

    int Check()
    {
        dialog.emplace(nullptr, Mains(), MidSub(), true, used_, toCreate_);
        dialog->NameQuery = NameQuery();
        dialog->OnShow = onShow;
        dialog->OnChange = onChange;
        return dialog->CheckGaConsistence(&records_);
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows.push_back(RowText(list->topLevelItem(i)));
        return rows;
    }
    std::string Header() const { return RowText(list->headerItem()); }

    std::function<void(TFDlgGaCheck&)> onShow = [this](TFDlgGaCheck& shown) {
        list = shown.ListView;
        shown.ButtonOk->click();
    };
    std::function<void(TFDlgGrpAddrChange&)> onChange;
    std::optional<ScriptedGaCheck> dialog;
    QTreeWidget* list = nullptr;
};

TEST_F(GaCheck, NothingToCheckNeedsNoWindow)
{
    EXPECT_EQ(1, Check());
    AddChildRecord(5, 4, Adr(9, 0, 9)); // no communication object
    EXPECT_EQ(1, Check());
    EXPECT_EQ(0, dialog->Shown);
    TFDlgGaCheck without(nullptr, Mains(), MidSub(), true, used_, toCreate_);
    EXPECT_EQ(1, without.CheckGaConsistence(nullptr));
}

TEST_F(GaCheck, AllWellNeedsNoWindowAndEachAddressIsItsOwnTarget)
{
    AddObjectRecord(1, 12, "Schalten", 1, Adr(1, 0, 4)); // type 0
    AddObjectRecord(2, 13, "Status", 1, Adr(1, 0, 4));
    AddObjectRecord(3, 14, "Licht", 1, Adr(1, 0, 1)); // type -1
    EXPECT_EQ(1, Check());
    EXPECT_EQ(0, dialog->Shown);
    ASSERT_EQ(2u, used_.size());
    EXPECT_EQ(Adr(1, 0, 4), used_.at(Adr(1, 0, 4)).Target);
    EXPECT_EQ(Adr(1, 0, 1), used_.at(Adr(1, 0, 1)).Target);
    EXPECT_EQ("Ok", used_.at(Adr(1, 0, 4)).StatusText);
    EXPECT_EQ("Im Ger\xE4t verkn\xFCpfte Objekte:\r\nObjekt12: Schalten\r\nObjekt13: Status",
              used_.at(Adr(1, 0, 4)).ObjectsText);
}

TEST_F(GaCheck, AWrongTypeIsListedWithItsHint)
{
    AddObjectRecord(1, 12, "Schalten", 1, Adr(1, 1, 10)); // type 3
    AddObjectRecord(2, 13, "Wert", 9, Adr(1, 1, 10)); // its type does not count
    AddChildRecord(3, 1, Adr(1, 0, 4));
    EXPECT_EQ(1, Check());
    EXPECT_EQ(1, dialog->Shown);
    ASSERT_EQ((std::vector<std::string>{"1/0/4|1/0/4|1 Bit|Ok", "1/1/10||1 Bit|falscher Typ"}), Rows());
    EXPECT_EQ("Ist-Adresse *|Soll-Adresse|Typ|Status", Header());
    const QTreeWidgetItem* row = list->topLevelItem(1);
    EXPECT_EQ(QString::fromUtf8("Im Ger\u00e4t verkn\u00fcpfte Objekte:\nObjekt12: Schalten\nObjekt13: Wert"),
              row->toolTip(0));
    EXPECT_EQ(MakeGaCheckImages()[4].toImage(), row->icon(0).pixmap(16, 16).toImage());
    EXPECT_EQ(MakeGaCheckImages()[3].toImage(), list->topLevelItem(0)->icon(0).pixmap(16, 16).toImage());
    EXPECT_EQ(gsFalscherTyp, dialog->EntryOf(row)->Status);
}

TEST_F(GaCheck, AMissingAddressIsQueuedOnceForCreation)
{
    AddObjectRecord(1, 12, "Schalten", 1, Adr(5, 0, 1));
    AddObjectRecord(2, 13, "Wert", 1, Adr(1, 1, 10));
    onShow = [this](TFDlgGaCheck& shown) {
        list = shown.ListView;
        EXPECT_EQ((std::vector<std::string>{"1/1/10||1 Bit|falscher Typ", "5/0/1||1 Bit|fehlt"}), Rows());
        EXPECT_EQ(MakeGaCheckImages()[5].toImage(), list->topLevelItem(1)->icon(0).pixmap(16, 16).toImage());
        shown.ButtonCreateFailedGa->click();
        shown.ButtonCreateFailedGa->click();
        EXPECT_EQ((std::vector<std::string>{"1/1/10||1 Bit|falscher Typ", "5/0/1|5/0/1|1 Bit|Ok"}), Rows());
        EXPECT_TRUE(list->topLevelItem(0)->isSelected());
        shown.ButtonOk->click();
    };
    EXPECT_EQ(1, Check());
    ASSERT_EQ(1u, toCreate_.size());
    EXPECT_EQ(Adr(5, 0, 1), toCreate_.front().Address);
    EXPECT_EQ("Neue Untergruppe", toCreate_.front().Name);
    EXPECT_EQ(0, toCreate_.front().SubAdrTyp);
    EXPECT_EQ(0u, used_.at(Adr(1, 1, 10)).Target); // the wrong type stays
}

// A sub group of an address and id of the test's choice (the host project keeps addresses unique,
// maps made elsewhere need not).
class LooseSub final : public TSorvGrpAdrSub {
public:
    LooseSub(std::int32_t id, std::uint16_t address, int subAdrTyp)
        : TSorvGrpAdrSub(0, 0, 0, "", 1, nullptr), id_(id), address_(address)
    {
        SetSubAdrTyp(subAdrTyp);
    }
    std::uint16_t GetGroupAddress(std::int32_t) const override { return address_; }
    std::int32_t GetEtsId() const override { return id_; }

private:
    std::int32_t id_;
    std::uint16_t address_;
};

struct DuplicateCase {
    int FirstTyp;
    int SecondTyp;
    int ObjTyp;
    TEnumGaStatus Status;
    std::int32_t Id;
};

class DuplicateTest : public ::testing::TestWithParam<DuplicateCase> {};

TEST_P(DuplicateTest, AnySuitableSubGroupWithTheAddressMakesItOk)
{
    TGrpAdrNodes nodes;
    nodes.Insert(nodes.Make<LooseSub>(7, Adr(1, 0, 4), GetParam().FirstTyp));
    nodes.Insert(nodes.Make<LooseSub>(3, Adr(1, 0, 5), 0));
    nodes.Insert(nodes.Make<LooseSub>(9, Adr(1, 0, 4), GetParam().SecondTyp));
    std::int32_t id = 0;
    EXPECT_EQ(GetParam().Status, KonvertEtsGAId(nodes.Map(), Adr(1, 0, 4), GetParam().ObjTyp, id));
    EXPECT_EQ(GetParam().Id, id);
}

INSTANTIATE_TEST_SUITE_P(Orders, DuplicateTest,
                         ::testing::Values(DuplicateCase{0, 7, 1, gsOk, 7}, DuplicateCase{7, 0, 1, gsOk, 9},
                                           DuplicateCase{7, 5, 1, gsFalscherTyp, 0},
                                           DuplicateCase{7, -1, 1, gsOk, 9}, DuplicateCase{0, 7, 8, gsOk, 9}));

TEST_F(GaCheck, TheLookUpGoesByAddressAndType)
{
    std::int32_t id = 0;
    EXPECT_EQ(gsOk, KonvertEtsGAId(MidSub(), Adr(1, 0, 4), 1, id));
    EXPECT_EQ(SubGroupId(1, 0, 4), id);
    EXPECT_EQ(gsFalscherTyp, KonvertEtsGAId(MidSub(), Adr(1, 0, 4), 2, id));
    EXPECT_EQ(gsOk, KonvertEtsGAId(MidSub(), Adr(1, 0, 1), 9, id)); // type -1
    EXPECT_EQ(gsFehlt, KonvertEtsGAId(MidSub(), Adr(9, 0, 4), 1, id));
}

TEST_F(GaCheck, AnUnknownTypeCodeShowsItsNumber)
{
    AddObjectRecord(1, 12, "Seltsam", 20, Adr(5, 0, 1));
    EXPECT_EQ(1, Check());
    EXPECT_EQ((std::vector<std::string>{"5/0/1||unbekannter Objekttyp 20|fehlt"}), Rows());
}

TEST_F(GaCheck, SortingThenCreatingBringsBackTheAddressOrder)
{
    AddObjectRecord(1, 12, "A", 1, Adr(5, 0, 1));  // missing
    AddObjectRecord(2, 13, "B", 1, Adr(1, 1, 10)); // wrong type
    AddObjectRecord(3, 14, "C", 8, Adr(1, 0, 4));  // wrong type
    AddObjectRecord(4, 15, "D", 1, Adr(1, 0, 1));  // Ok
    onShow = [this](TFDlgGaCheck& shown) {
        list = shown.ListView;
        shown.ColumnClick(3);
        shown.ColumnClick(3);
        EXPECT_EQ((std::vector<std::string>{"5/0/1||1 Bit|fehlt", "1/0/4||1 Byte|falscher Typ",
                                            "1/1/10||1 Bit|falscher Typ", "1/0/1|1/0/1|1 Bit|Ok"}),
                  Rows());
        EXPECT_EQ("Ist-Adresse|Soll-Adresse|Typ|Status *", Header());
        shown.ColumnClick(2); // by type code, ascending; equal codes keep their order
        EXPECT_EQ((std::vector<std::string>{"5/0/1||1 Bit|fehlt", "1/1/10||1 Bit|falscher Typ",
                                            "1/0/1|1/0/1|1 Bit|Ok", "1/0/4||1 Byte|falscher Typ"}),
                  Rows());
        shown.ButtonCreateFailedGa->click();
        EXPECT_EQ((std::vector<std::string>{"1/0/1|1/0/1|1 Bit|Ok", "1/0/4||1 Byte|falscher Typ",
                                            "1/1/10||1 Bit|falscher Typ", "5/0/1|5/0/1|1 Bit|Ok"}),
                  Rows());
        EXPECT_EQ("Ist-Adresse *|Soll-Adresse|Typ|Status", Header());
        shown.ButtonOk->click();
    };
    EXPECT_EQ(1, Check());
}

TEST_F(GaCheck, RowsCompareByTheirKeys)
{
    TRecGroupAddrInfo a;
    a.Current = 0x8001; // above 32767 as unsigned
    a.Typ = -1;
    a.Status = gsFehlt;
    TRecGroupAddrInfo b;
    b.Current = 2;
    b.Target = 5;
    b.Typ = 3;
    EXPECT_EQ(1, CompareGaRows(&a, &b, 0, true));
    EXPECT_EQ(-1, CompareGaRows(&a, &b, 0, false));
    EXPECT_EQ(-1, CompareGaRows(&a, &b, 1, true));
    EXPECT_EQ(-1, CompareGaRows(&a, &b, 2, true)); // signed
    EXPECT_EQ(1, CompareGaRows(&a, &b, 3, true));
    EXPECT_EQ(0, CompareGaRows(&a, &a, 3, false));
    EXPECT_EQ(0, CompareGaRows(nullptr, &b, 0, true));
}

TEST_F(GaCheck, AChangedAddressBecomesTheRowsTarget)
{
    AddObjectRecord(1, 12, "Schalten", 1, Adr(1, 1, 10)); // wrong type
    AddObjectRecord(2, 13, "Status", 1, Adr(5, 0, 1));    // missing
    std::vector<std::string> seen;
    onChange = [&seen](TFDlgGrpAddrChange& change) {
        seen.push_back(change.lblIstGa->text().toStdString());
        const QList<QTreeWidgetItem*> found =
            change.TreeView->findItems("Flur Licht Status", Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_EQ(1, found.size());
        change.TreeView->setCurrentItem(found.front());
        change.ButtonOk->click();
    };
    onShow = [this](TFDlgGaCheck& shown) {
        list = shown.ListView;
        shown.ButtonChange->click(); // the first row is selected on show
        EXPECT_EQ((std::vector<std::string>{"1/1/10|1/0/4|1 Bit|Ok", "5/0/1||1 Bit|fehlt"}), Rows());
        EXPECT_EQ(MakeGaCheckImages()[3].toImage(), list->topLevelItem(0)->icon(0).pixmap(16, 16).toImage());
        EXPECT_EQ(Adr(1, 0, 4), shown.EntryOf(list->topLevelItem(0))->Target);
        // "Keine Adresse": the state comes from the current address again, without copying it.
        onChange = [](TFDlgGrpAddrChange& change) {
            change.btnNoGroupAddr->click();
            change.ButtonOk->click();
        };
        dialog->OnChange = onChange;
        emit list->itemDoubleClicked(list->topLevelItem(0), 0);
        EXPECT_EQ((std::vector<std::string>{"1/1/10||1 Bit|falscher Typ", "5/0/1||1 Bit|fehlt"}), Rows());
        shown.ButtonOk->click();
    };
    EXPECT_EQ(1, Check());
    EXPECT_EQ((std::vector<std::string>{"Adresse: 1/1/10"}), seen);
    EXPECT_EQ(0u, used_.at(Adr(1, 1, 10)).Target);
    EXPECT_EQ(0u, used_.at(Adr(5, 0, 1)).Target);
}

TEST_F(GaCheck, CancelAndCloseStopTheImport)
{
    AddObjectRecord(1, 12, "A", 1, Adr(5, 0, 1));
    onShow = [](TFDlgGaCheck& shown) { shown.ButtonCancel->click(); };
    EXPECT_EQ(3, Check());
    used_.clear();
    onShow = [](TFDlgGaCheck& shown) { shown.close(); };
    EXPECT_EQ(2, Check());
}

} // namespace
