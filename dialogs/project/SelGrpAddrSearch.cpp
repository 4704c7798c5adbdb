#include "dialogs/project/SelGrpAddrSearch.h"

#include "app/Spredit.h"
#include "dialogs/project/GrpAddrValue.h"
#include "platform/UiService.h"

#include <algorithm>
#include <utility>

namespace {

std::string Trim(const std::string& text)
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

int FindCaption(const TSelGrpAddrList& list, const std::string& caption)
{
    for (int i = 0; i < list.Count(); ++i)
        if (const RAdr* adr = list.Items[static_cast<std::size_t>(i)].Adr; adr && adr->AdrText == caption)
            return i;
    return -1;
}

} // namespace

std::string FormatText(const std::string& format, const std::string& value)
{
    std::string text = format;
    for (std::size_t at = text.find("%s"); at != std::string::npos; at = text.find("%s", at + value.size()))
        text.replace(at, 2, value);
    return text;
}

TSelGrpAddrSearch::TSelGrpAddrSearch(int level, TGrpAddrNameQuery nameQuery, TCreateGrpAddr create)
    : level_(level), nameQuery_(std::move(nameQuery)), create_(std::move(create))
{
}

TSelSearchResult TSelGrpAddrSearch::Run(TSelGrpAddrModel& model, const std::string& text,
                                        const std::vector<TSubGroupEntry>* allSubGroups) const
{
    TSelSearchResult result;
    model.List(TSelSide::Source).ClearSelection();
    if (!allSubGroups || !create_)
        return result;
    TGrpAddrParts parts;
    if (!StringToGrpAddr(text, level_, true, parts))
        return result;
    result.EditText = Trim(text);
    // The text the lists show for the parsed address, so that "01/2/3" finds 1/2/3.
    const std::string search =
        GrpAddrString(GetCompleteGroupAddress(parts.Main, parts.Middle, parts.Sub, true), level_ == 3);
    if (search.empty())
        return result;

    for (const TSelSide side : {TSelSide::Source, TSelSide::Dest}) {
        if (const int index = FindCaption(model.List(side), search); index >= 0) {
            model.SetItem(side, index);
            result.Outcome = side == TSelSide::Source ? TSelSearchOutcome::FoundSource : TSelSearchOutcome::FoundDest;
            return result;
        }
    }
    const bool exists = std::any_of(allSubGroups->begin(), allSubGroups->end(),
                                    [&search](const TSubGroupEntry& sub) { return Trim(sub.AdrText) == search; });
    if (exists) {
        platform::MessageBox(FormatText(Spredit::Text9063, search), Spredit::Text9017, platform::MB_ICONINFORMATION);
        result.Outcome = TSelSearchOutcome::FocusEdit;
        return result;
    }
    if (platform::MessageBox(FormatText(Spredit::Text9064, search), Spredit::Text9017,
                             platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES)
        return result;
    std::string name;
    if (!nameQuery_ || !nameQuery_(name))
        return result;
    const std::optional<TSubGroupEntry> created = create_(parts.Main, parts.Middle, parts.Sub, name);
    if (!created) {
        platform::MessageBox(FormatText(Spredit::Text9065, search), Spredit::Text9017, platform::MB_ICONINFORMATION);
        result.Outcome = TSelSearchOutcome::FocusEdit;
        return result;
    }
    model.AddCreated(*created);
    result.Outcome = TSelSearchOutcome::Created;
    return result;
}
