#include "dialogs/project/SelGrpAddrModel.h"
#include "dialogs/project/SelGrpAddrSearch.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using TLinks = TObjektBasis::TGrpAdrIdList;

constexpr std::uint16_t Adr(int main, int middle, int sub)
{
    return static_cast<std::uint16_t>(main * 2048 + middle * 256 + sub);
}

const std::string Achtung = "Die maximale Anzahl an zuweisbaren\nGruppenadressen ist erreicht!";

// The project's sub groups, for an object of type code 1 (1 bit): 13 is of another type.
std::vector<TSubGroupEntry> Project()
{
    return {
        {11, "Licht", "1/0/1", Adr(1, 0, 1), 0},   {12, "dimmen", "1/0/2", Adr(1, 0, 2), -1},
        {13, "Wert", "1/0/3", Adr(1, 0, 3), 7},    {14, "alpha", "2/0/1", Adr(2, 0, 1), 0},
        {15, "Zeta", "1/2/3", Adr(1, 2, 3), 0},    {16, "Beta", "1/0/4", Adr(1, 0, 4), 0},
    };
}

TLinks Links(std::initializer_list<std::int32_t> ids)
{
    TLinks links;
    for (const std::int32_t id : ids)
        links.push_back({id, 99, true});
    return links;
}

std::vector<std::int32_t> Ids(const TSelGrpAddrList& list)
{
    std::vector<std::int32_t> ids;
    for (const auto& item : list.Items)
        ids.push_back(item.Adr->Id);
    return ids;
}

std::vector<std::int32_t> Ids(const TLinks& links)
{
    std::vector<std::int32_t> ids;
    for (const auto& link : links)
        ids.push_back(link.SubGroupId);
    return ids;
}

class SelectionModel : public ::testing::Test {
protected:
    TSelGrpAddrModel& Open(TLinks links, int max = 0)
    {
        model.emplace(true, 1, max);
        model->MakeAdrList(project, links);
        return *model;
    }
    TSelGrpAddrList& Source() { return model->List(TSelSide::Source); }
    TSelGrpAddrList& Dest() { return model->List(TSelSide::Dest); }
    void Select(TSelGrpAddrList& list, std::initializer_list<int> indices)
    {
        list.ClearSelection();
        for (const int i : indices)
            list.Items[static_cast<std::size_t>(i)].Selected = true;
        list.Focused = *indices.begin();
    }

    testsupport::ScriptedUi ui;
    std::vector<TSubGroupEntry> project = Project();
    std::optional<TSelGrpAddrModel> model;
};

TEST_F(SelectionModel, OffersTheSuitableAddressesSortedByAddress)
{
    Open(Links({12}));
    EXPECT_EQ((std::vector<std::int32_t>{11, 16, 15, 14}), Ids(Source())); // 1/0/1, 1/0/4, 1/2/3, 2/0/1
    EXPECT_EQ((std::vector<std::int32_t>{12}), Ids(Dest()));
    EXPECT_EQ(0, Source().Focused);
    EXPECT_EQ((std::array<std::string, 2>{"Adresse *", "Name"}), model->Captions(TSelSide::Source));
    EXPECT_EQ((std::array<std::string, 2>{"Adresse *", "Name"}), model->Captions(TSelSide::Dest));
}

TEST_F(SelectionModel, WithoutAnObjectTheListsStayEmptyAndTheButtonsAsTheyWere)
{
    model.emplace(false, 1, 0);
    model->MakeAdrList(project, Links({11}));
    EXPECT_EQ(0, Source().Count());
    EXPECT_EQ(0, Dest().Count());
    EXPECT_EQ(TMoveButtons{}, model->Buttons());
    model->IncludeAll();
    EXPECT_EQ(0, Dest().Count());
}

TEST_F(SelectionModel, AtTheLimitNothingMoreCanBeIncluded)
{
    Open(Links({12}), 1);
    Select(Source(), {0});
    EXPECT_EQ((TMoveButtons{false, false, false, true}), model->Buttons());
    Open(Links({12}), 0);
    Select(Source(), {0});
    EXPECT_EQ((TMoveButtons{true, true, false, true}), model->Buttons());
}

TEST_F(SelectionModel, IncludeStopsAtTheLimitWithTheBox)
{
    Open(Links({12}), 2);
    Select(Source(), {0, 1, 2});
    model->Include();
    ASSERT_EQ(1u, ui.boxes().size());
    EXPECT_EQ(Achtung, ui.boxes()[0].text);
    EXPECT_EQ("Achtung", ui.boxes()[0].caption);
    EXPECT_EQ(platform::MB_ICONHAND, ui.boxes()[0].style);
    EXPECT_EQ((std::vector<std::int32_t>{11, 12}), Ids(Dest()));
    EXPECT_EQ((std::vector<std::int32_t>{16, 15, 14}), Ids(Source()));
    // The left list selects the item now at its former focus; the moved one has the focus.
    EXPECT_EQ(0, Source().Focused);
    EXPECT_TRUE(Source().Items[0].Selected);
    EXPECT_EQ(0, Dest().IndexOf(Dest().Items[static_cast<std::size_t>(Dest().Focused)].Adr));
    EXPECT_FALSE(Dest().HasSelection());
}

TEST_F(SelectionModel, AllAndBackAgain)
{
    Open(Links({}));
    model->IncludeAll();
    EXPECT_EQ(0, Source().Count());
    EXPECT_EQ((std::vector<std::int32_t>{11, 12, 16, 15, 14}), Ids(Dest()));
    EXPECT_TRUE(Dest().Items[0].Selected);
    model->ExcludeAll();
    EXPECT_EQ(0, Dest().Count());
    EXPECT_EQ(5, Source().Count());
    EXPECT_EQ(TLinks{}, model->Result());
}

TEST_F(SelectionModel, ExcludeSelectsTheNextItem)
{
    Open(Links({11, 12, 16}));
    Select(Dest(), {1}); // 1/0/2
    model->Exclude();
    EXPECT_EQ((std::vector<std::int32_t>{11, 16}), Ids(Dest()));
    EXPECT_EQ(1, Dest().Focused);
    EXPECT_TRUE(Dest().Items[1].Selected);
    EXPECT_EQ((std::vector<std::int32_t>{12, 15, 14}), Ids(Source()));
}

TEST_F(SelectionModel, SortingByNameIgnoresCaseAndTheSecondClickDescends)
{
    Open(Links({}));
    model->ClickColumn(TSelSide::Source, 1);
    EXPECT_EQ((std::vector<std::int32_t>{14, 16, 12, 11, 15}), Ids(Source())); // alpha Beta dimmen Licht Zeta
    EXPECT_EQ((std::array<std::string, 2>{"Adresse", "Name *"}), model->Captions(TSelSide::Source));
    model->ClickColumn(TSelSide::Source, 1);
    EXPECT_EQ((std::vector<std::int32_t>{15, 11, 12, 16, 14}), Ids(Source()));
    EXPECT_EQ((std::array<std::string, 2>{"Adresse", "Name *"}), model->Captions(TSelSide::Source));
    EXPECT_EQ((std::array<std::string, 2>{"Adresse *", "Name"}), model->Captions(TSelSide::Dest));
}

TEST_F(SelectionModel, EqualKeysKeepTheirOrder)
{
    project = {{21, "gleich", "1/0/9", Adr(1, 0, 9), 0},
               {22, "Gleich", "1/0/8", Adr(1, 0, 8), 0},
               {23, "GLEICH", "1/0/7", Adr(1, 0, 7), 0}};
    Open(Links({}));
    EXPECT_EQ(0, CompareSelItems(Source().Items[0].Adr, Source().Items[1].Adr, 1, true));
    EXPECT_EQ(0, CompareSelItems(Source().Items[0].Adr, Source().Items[1].Adr, 1, false));
    EXPECT_EQ(0, CompareSelItems(nullptr, Source().Items[1].Adr, 0, true));
    model->ClickColumn(TSelSide::Source, 1);
    EXPECT_EQ((std::vector<std::int32_t>{23, 22, 21}), Ids(Source())); // the address order stays
    model->ClickColumn(TSelSide::Source, 1);
    EXPECT_EQ((std::vector<std::int32_t>{23, 22, 21}), Ids(Source()));
}

TEST_F(SelectionModel, AnUnsuitableLinkSurvivesOk)
{
    Open(Links({13, 12, 77}));
    EXPECT_EQ((std::vector<std::int32_t>{12}), Ids(Dest()));
    Select(Source(), {0});
    model->Include();
    const TLinks result = model->Result();
    EXPECT_EQ((std::vector<std::int32_t>{11, 12, 13, 77}), Ids(result));
    for (const auto& link : result)
        EXPECT_EQ(0, link.GrpAdr);
}

// The search with a scripted name query and a project that records what it is asked to create.
class SelectionSearch : public SelectionModel {
protected:
    TSelSearchResult Search(const std::string& text, int level = 3)
    {
        TSelGrpAddrSearch search(
            level,
            [this](std::string& name) {
                ++nameQueries;
                if (!nameAnswer)
                    return false;
                name = *nameAnswer;
                return true;
            },
            [this](std::int16_t main, std::int16_t middle, std::int16_t sub,
                   const std::string& name) -> std::optional<TSubGroupEntry> {
                created.push_back(std::to_string(main) + "," + std::to_string(middle) + "," + std::to_string(sub) +
                                  "," + name);
                if (!createWorks)
                    return std::nullopt;
                return TSubGroupEntry{40, name, "3/1/1", Adr(3, 1, 1), 7};
            });
        return search.Run(*model, text, &project);
    }

    std::optional<std::string> nameAnswer = "Neu";
    bool createWorks = true;
    int nameQueries = 0;
    std::vector<std::string> created;
};

TEST_F(SelectionSearch, FindsAnOfferedAddressAndWritesTheTrimmedText)
{
    Open(Links({12}));
    Select(Source(), {3});
    const TSelSearchResult result = Search("  1/2/3 ");
    EXPECT_EQ(TSelSearchOutcome::FoundSource, result.Outcome);
    EXPECT_EQ("1/2/3", result.EditText);
    EXPECT_EQ(2, Source().Focused);
    EXPECT_TRUE(Source().Items[2].Selected);
    EXPECT_FALSE(Source().Items[3].Selected);
    EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(SelectionSearch, LeadingZerosFindTheAddress)
{
    Open(Links({}));
    EXPECT_EQ(TSelSearchOutcome::FoundSource, Search("01/2/3").Outcome);
    EXPECT_EQ(15, Source().Items[static_cast<std::size_t>(Source().Focused)].Adr->Id);
    EXPECT_TRUE(created.empty());
    EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(SelectionSearch, AnAssignedAddressIsSelectedOnTheRight)
{
    Open(Links({11, 12}));
    EXPECT_EQ(TSelSearchOutcome::FoundDest, Search("1.0.2").Outcome);
    EXPECT_EQ(1, Dest().Focused);
    EXPECT_TRUE(Dest().Items[1].Selected);
    EXPECT_FALSE(Dest().Items[0].Selected);
    EXPECT_FALSE(Source().HasSelection());
    EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(SelectionSearch, AnAddressOfAnotherTypeIsNotSuitable)
{
    Open(Links({}));
    EXPECT_EQ(TSelSearchOutcome::FocusEdit, Search("1/0/3").Outcome);
    ASSERT_EQ(1u, ui.boxes().size());
    EXPECT_EQ("Die Gruppenadresse [1/0/3] ist fuer diesen Objekt-Typ nicht geeignet!", ui.boxes()[0].text);
    EXPECT_EQ("Hinweis", ui.boxes()[0].caption);
    EXPECT_EQ(platform::MB_ICONINFORMATION, ui.boxes()[0].style);
    EXPECT_EQ(0, nameQueries);
}

TEST_F(SelectionSearch, AMissingAddressIsCreatedOnYes)
{
    Open(Links({}));
    ui.Answer({platform::IDYES});
    EXPECT_EQ(TSelSearchOutcome::Created, Search("3 1 1").Outcome);
    ASSERT_EQ(1u, ui.boxes().size());
    EXPECT_EQ("Die Gruppenadresse [3/1/1] wurde nicht gefunden!\n\nSoll diese angelegt werden?", ui.boxes()[0].text);
    EXPECT_EQ(platform::MB_YESNO | platform::MB_ICONQUESTION, ui.boxes()[0].style);
    EXPECT_EQ((std::vector<std::string>{"3,1,1,Neu"}), created);
    // Offered on the left although of another type, selected, not assigned.
    const RAdr* made = Source().Items[static_cast<std::size_t>(Source().Focused)].Adr;
    EXPECT_EQ(40, made->Id);
    EXPECT_FALSE(made->Assigned);
    EXPECT_EQ(Source().Count() - 1, Source().Focused);
    EXPECT_EQ(0, Dest().Count());
}

TEST_F(SelectionSearch, NoOrACancelledNameCreatesNothing)
{
    Open(Links({}));
    ui.Answer({platform::IDNO});
    EXPECT_EQ(TSelSearchOutcome::None, Search("3/1/1").Outcome);
    EXPECT_EQ(0, nameQueries);
    nameAnswer.reset();
    ui.Answer({platform::IDYES});
    EXPECT_EQ(TSelSearchOutcome::None, Search("3/1/1").Outcome);
    EXPECT_EQ(1, nameQueries);
    EXPECT_TRUE(created.empty());
}

TEST_F(SelectionSearch, AFailedCreationIsReported)
{
    Open(Links({}));
    createWorks = false;
    nameAnswer = "";
    ui.Answer({platform::IDYES});
    EXPECT_EQ(TSelSearchOutcome::FocusEdit, Search("3/1/1").Outcome);
    EXPECT_EQ((std::vector<std::string>{"3,1,1,"}), created);
    ASSERT_EQ(2u, ui.boxes().size());
    EXPECT_EQ("Gruppenadresse [3/1/1] konnte nicht angelegt werden!", ui.boxes()[1].text);
    EXPECT_EQ(5, Source().Count());
}

TEST_F(SelectionSearch, TwoLevelsCreateWithTheSplitSubGroup)
{
    project.clear();
    Open(Links({}));
    ui.Answer({platform::IDYES});
    Search("1 300", 2);
    EXPECT_EQ("Die Gruppenadresse [1/300] wurde nicht gefunden!\n\nSoll diese angelegt werden?", ui.boxes()[0].text);
    EXPECT_EQ((std::vector<std::string>{"1,1,44,Neu"}), created);
}

TEST_F(SelectionSearch, AddressZeroAndInvalidTextAreRefused)
{
    Open(Links({}));
    for (const char* text : {"0/0/0", "1/2/+3", "3/9/1"}) {
        const TSelSearchResult result = Search(text);
        EXPECT_EQ(TSelSearchOutcome::None, result.Outcome) << text;
        EXPECT_FALSE(result.EditText) << text;
    }
    EXPECT_EQ(3u, ui.boxes().size());
    EXPECT_TRUE(created.empty());
    EXPECT_EQ(TSelSearchOutcome::None, Search("   ").Outcome);
    EXPECT_EQ(3u, ui.boxes().size());
}

TEST_F(SelectionSearch, WithoutTheProjectNothingIsSearched)
{
    Open(Links({}));
    Select(Source(), {1});
    TSelGrpAddrSearch search(3, nullptr, nullptr);
    EXPECT_EQ(TSelSearchOutcome::None, search.Run(*model, "1/0/1", &project).Outcome);
    EXPECT_FALSE(Source().HasSelection());
    EXPECT_TRUE(ui.boxes().empty());
}

} // namespace
