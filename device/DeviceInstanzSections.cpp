// Sections of the data block: finding, replacing and adding them, and the loaders of the
// character set and the device texts.

#include "device/DeviceInstanz.h"

#include "app/Spredit.h"
#include "device/BlobSection.h"
#include "device/DataModuleServices.h"
#include "device/SharedTextConstants.h"
#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/datacore/DataBasis.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <filesystem>
#include <list>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

// Replaces target's bytes with the whole file; false when it is missing or cannot be read.
bool LoadWholeFile(const std::string& path, platform::TMemoryStream& target)
{
    std::error_code unknown;
    if (path.empty() || !std::filesystem::is_regular_file(path, unknown))
        return false;
    try {
        target.LoadFromFile(path);
    } catch (const std::system_error&) {
        target.Clear();
        return false;
    }
    return true;
}

} // namespace

// What distinguishes the two loaders.
struct TDeviceInstanz::TSectionFileSource {
    const std::string& Section;
    std::string File;
    bool (TDeviceInstanz::*Check)(platform::TMemoryStream*);
    std::string Heading;
    const std::string& Caption;
    const std::string& InvalidText;
    const char* Function;
};

bool TDeviceInstanz::ParseData(platform::TMemoryStream* source, platform::TMemoryStream* target,
                               const std::string& name) const
{
    LOG_FKT_START("TDeviceInstanz::ParseData");
    if (!source || !target)
        return false;
    const std::optional<TBlobSection> section = TBlobSection::Find(source->Bytes(), name);
    if (!section)
        return false;
    if (section->ContentSize() == 0)
        return true;
    const std::string_view content =
        std::string_view(source->Bytes()).substr(section->ContentBegin, section->ContentSize());
    if (source == target)
        target->Write(std::string(content)); // a copy first: the write changes what it reads
    else
        target->Write(content);
    return true;
}

bool TDeviceInstanz::ReplaceData(platform::TMemoryStream* block, platform::TMemoryStream* content,
                                 const std::string& name) const
{
    LOG_FKT_START("TDeviceInstanz::ReplaceData");
    if (!block || !content || name.empty())
        return false;
    const std::string& bytes = block->Bytes();
    const std::optional<TBlobSection> section = TBlobSection::Find(bytes, name);
    if (!section || section->ContentSize() == 0)
        return false;
    std::string rebuilt = bytes.substr(0, section->ContentBegin);
    rebuilt += content->Bytes();
    rebuilt += bytes.substr(section->ContentEnd);
    block->Clear();
    block->Write(rebuilt);
    block->SetPosition(0);
    return true;
}

bool TDeviceInstanz::AddGlobalParamTagToBlob(platform::TMemoryStream* block) const
{
    LOG_FKT_START("TDeviceInstanz::AddGlobalParamTagToBlob");
    if (!block)
        return false;
    if (TBlobSection::Find(block->Bytes(), SectionGlobalParam))
        return true;
    // Appended: writing over the block's last byte could break the section that ends there.
    block->Seek(0, platform::TMemoryStream::Origin::End);
    block->Write("\r\n" + TagGlobalParamOpen + "\r\n" + TagGlobalParamClose + "\r\n");
    return true;
}

bool TDeviceInstanz::LoadCharSetData(platform::TMemoryStream* block, platform::TMemoryStream* target)
{
    LOG_FKT_START("TDeviceInstanz::LoadCharSetData");
    const TDataModuleServices* dataModule = TDataModuleServices::Current();
    const TSectionFileSource source{
        SectionCharSet,
        dataModule ? dataModule->GetCharSetFileName() : std::string(),
        &TDeviceInstanz::VersionCheckCharData,
        std::string(TEXT_DISPLAY_CAPTION) + ":\n\n" + Spredit::Text9118 + ":\n\n" + Spredit::Text9127,
        Spredit::Text9228,
        Spredit::Text9118,
        "TDeviceInstanz::LoadCharSetData",
    };
    return LoadSectionOrFile(block, target, source);
}

bool TDeviceInstanz::LoadDeviceText(platform::TMemoryStream* block, platform::TMemoryStream* target)
{
    LOG_FKT_START("TDeviceInstanz::LoadDeviceText");
    const TDataModuleServices* dataModule = TDataModuleServices::Current();
    const TSectionFileSource source{
        SectionDeviceText,
        dataModule ? dataModule->GetDeviceTextFileName() : std::string(),
        &TDeviceInstanz::VersionCheckDeviceText,
        std::string(TEXT_DISPLAY_CAPTION) + ":\n\n" + Spredit::Text9146 + ":\n\n" + Spredit::Text9249,
        Spredit::Text9229,
        Spredit::Text9245,
        "TDeviceInstanz::LoadDeviceText",
    };
    return LoadSectionOrFile(block, target, source);
}

void TDeviceInstanz::LoadExpandedTreeNodeData(platform::TMemoryStream* block)
{
    LOG_FKT_START("TDeviceInstanz::LoadExpandedTreeNodeData");
    if (!block || !MainForm)
        return;
    for (TConfigWindowServices* window : MainForm->GetListFormVerw()) {
        if (!window)
            continue;
        platform::TMemoryStream section;
        ParseData(block, &section, SectionExpandedTreeNodes + " " + std::to_string(window->GetWindowNumber()));
        std::vector<std::string> lines;
        for (const std::string_view line : SplitRecordTextLines(section.Bytes()))
            lines.emplace_back(line);
        if (!lines.empty())
            window->SetListExpandedTreeNodes(lines);
    }
}

namespace {

// Nodes whose expansion is never stored: the group-address folders and groups, which are
// filled only when they are opened.
bool IsGrpAdrNode(int typ)
{
    constexpr int grpAdrOrdner2 = 204; // the second kind of folder
    return typ == DT_GRP_ADR_ORDNER || typ == grpAdrOrdner2 || typ == DT_SORV_GRP_ADR_MAIN
           || typ == DT_SORV_GRP_ADR_MIDDLE || typ == DT_SORV_GRP_ADR_SUB;
}

} // namespace

bool TDeviceInstanz::GetStatusFormAllFormVerw()
{
    LOG_FKT_START("TDeviceInstanz::GetStatusFormAllFormVerw");
    if (!MainForm)
        return true;
    for (TConfigWindowServices* window : MainForm->GetListFormVerw()) {
        if (!window)
            continue;
        std::list<int> handles;
        std::optional<int> selected;
        for (const TConfigWindowServices::TTreeNodeState& node : window->GetTreeNodeStates()) {
            if (!node.Expanded || !node.Object || IsGrpAdrNode(node.Object->GetTyp()))
                continue;
            if (node.Selected)
                selected = node.Object->GetHandle();
            else
                handles.push_back(node.Object->GetHandle());
        }
        handles.sort();
        handles.unique();
        if (selected)
            handles.push_back(*selected);
        window->SetListExpandedTreeNodes(handles);
    }
    return true;
}

bool TDeviceInstanz::LoadSectionOrFile(platform::TMemoryStream* block, platform::TMemoryStream* target,
                                       const TSectionFileSource& source)
{
    if (!block || !target) {
        if (target)
            target->Clear();
        return false;
    }
    const auto fail = [&](const std::string& detail) {
        target->Clear();
        platform::ShowDetailMessageBox(source.Heading, source.Caption, detail + "\n" + source.File, __FILE__,
                                       __LINE__, source.Function, platform::MB_ICONERROR);
        return false;
    };
    const auto check = [&] {
        target->SetPosition(0);
        return (this->*source.Check)(target);
    };

    target->Clear();
    block->SetPosition(0);
    ParseData(block, target, source.Section);

    if (target->Size() == 0) {
        if (!LoadWholeFile(source.File, *target))
            return fail(Spredit::Text9125);
        // The file's content is checked once, below; a second load of it would change nothing.
        if (target->Size() > 0 && !check())
            target->Clear();
    } else if (!check()) {
        if (!LoadWholeFile(source.File, *target))
            return fail(Spredit::Text9125);
        if (target->Size() > 0 && !check())
            target->Clear();
    }

    if (target->Size() == 0)
        return fail(source.InvalidText);
    target->SetPosition(0);
    return true;
}
