// The project's group addresses as a tree of nodes: main groups with the device's data, middle
// and sub groups on first need; new addresses, address texts and the proposal of a free one.

#include "device/DeviceInstanz.h"

#include "app/Spredit.h"
#include "device/DataModuleServices.h"
#include "device/SharedTextConstants.h"
#include "outside/addrlink/SorvGrpAdrMain.h"
#include "outside/addrlink/SorvGrpAdrMiddle.h"
#include "outside/hostlink/Ets2Cdi.h"
#include "platform/CursorHourGlass.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <numeric>
#include <set>
#include <vector>

namespace {

// The status-bar panel of the loading text.
constexpr int StatusPanelGrpAdr = 3;
// Group nodes take the constant handle 1: they are never registered.
constexpr std::int32_t GrpAdrNodeHandle = 1;
constexpr int GrpAdrOrdnerPosId = 100;

platform::HWND WindowOf(const TMainWindowServices* mainForm)
{
    return mainForm ? mainForm->GetHandle() : 0;
}

TGrpAdrNodes::TNodePtr<> MakeMainNode(TGrpAdrNodes& nodes, platform::HWND window, TEtsMainGroup* group)
{
    auto node = nodes.Make<TSorvGrpAdrMain>(window, 0, 0, "", GrpAdrNodeHandle, group);
    node->SetPosId(node->GetGroupNumber());
    return node;
}

TGrpAdrNodes::TNodePtr<> MakeMiddleNode(TGrpAdrNodes& nodes, platform::HWND window, TEtsMiddleGroup* group)
{
    auto node = nodes.Make<TSorvGrpAdrMiddle>(window, 0, 0, "", GrpAdrNodeHandle, group);
    node->SetPosId(node->GetGroupNumber());
    return node;
}

TGrpAdrNodes::TNodePtr<> MakeSubNode(TGrpAdrNodes& nodes, platform::HWND window, TEtsSubGroup* group,
                                     bool threeLevels)
{
    auto node = nodes.Make<TSorvGrpAdrSub>(window, 0, 0, "", GrpAdrNodeHandle, group);
    node->SetPosId(threeLevels ? node->GetGroupNumber() : node->GetGroupAddress(0) & 0x7FF);
    node->SetSubAdrTyp(group ? group->GetTyp() : -1);
    return node;
}

struct TSubById {
    std::int32_t Id;
    TEtsSubGroup* Group;
};

struct TMiddleById {
    std::int32_t Id;
    TEtsMiddleGroup* Group;
};

// Sorts by id, a byte of the id at a time from the lowest (stable); a byte that all ids share
// takes no pass.
void SortById(std::vector<TSubById>& subs)
{
    if (std::is_sorted(subs.begin(), subs.end(), [](const TSubById& a, const TSubById& b) { return a.Id < b.Id; }))
        return;
    const auto key = [](const TSubById& sub) { return static_cast<std::uint32_t>(sub.Id) ^ 0x80000000u; };
    constexpr unsigned Bytes = 4;
    std::array<std::array<std::size_t, 256>, Bytes> counts{};
    for (const TSubById& sub : subs)
        for (unsigned byte = 0; byte < Bytes; ++byte)
            ++counts[byte][(key(sub) >> (8 * byte)) & 0xFF];
    std::vector<TSubById> sorted(subs.size());
    for (unsigned byte = 0; byte < Bytes; ++byte) {
        std::array<std::size_t, 256>& start = counts[byte];
        if (std::find(start.begin(), start.end(), subs.size()) != start.end())
            continue;
        std::exclusive_scan(start.begin(), start.end(), start.begin(), std::size_t{0});
        for (const TSubById& sub : subs)
            sorted[start[(key(sub) >> (8 * byte)) & 0xFF]++] = sub;
        subs.swap(sorted);
    }
}

} // namespace

int TDeviceInstanz::GrpAdrLevel() const
{
    const TDataModuleServices* dataModule = TDataModuleServices::Current();
    return dataModule ? dataModule->GetGrpAdrLevel() : 3;
}

void TDeviceInstanz::GetGrpAdrFromServer()
{
    LOG_FKT_START("TDeviceInstanz::GetGrpAdrFromServer");
    ReadMainGroupsFromServer();
    MakeMainGroupNodes();
}

void TDeviceInstanz::ReadMainGroupsFromServer()
{
    if (!EtsGruppenAdressen)
        EtsGruppenAdressen = std::make_unique<TEtsGruppenAdressen>(GetEts2Cdi(), EtsDeviceId);
    EtsGruppenAdressen->ThreeLevels = GrpAdrLevel() == 3;
    // The open has read the device already.
    if (OpenRecords && OpenRecords->HasDevice)
        EtsGruppenAdressen->SetProject(EtsDeviceId, OpenRecords->Device.ProjectId);
    EtsGruppenAdressen->LoadAllMainGroups(EtsDeviceId);
    LOG_FKT_START_TEXT("TDeviceInstanz::GetGrpAdrFromServer", platform::LOG_LEVEL_NORMAL, "--GA geladen--");
}

void TDeviceInstanz::MakeMainGroupNodes()
{

    // No window may keep a node that is about to go.
    if (MainForm) {
        for (TConfigWindowServices* window : MainForm->GetListFormVerw())
            if (window)
                window->DeleteGrpAdr();
    }
    MainGroupNodes.Clear();
    GrpAdrNodes.Clear();
    GrpAdrLoaded = false;
    SubGroupAddrCache.clear();

    const platform::HWND window = WindowOf(MainForm);
    for (TEtsMainGroup* main = EtsGruppenAdressen->GetMainGroupFirst(); main;
         main = EtsGruppenAdressen->GetMainGroupNext())
        MainGroupNodes.Insert(MakeMainNode(MainGroupNodes, window, main));

    if (!GrpAdrOrdner) {
        GrpAdrOrdner = std::make_unique<TGrpAdrOrdner>(window, 0, 0, Spredit::Text9147, GrpAdrNodeHandle);
        GrpAdrOrdner->SetPosId(GrpAdrOrdnerPosId);
    }
    LOG_FKT_START_TEXT("TDeviceInstanz::GetGrpAdrFromServer", platform::LOG_LEVEL_NORMAL,
                       "--interne Objekte erstellt--");
}

TEtsGruppenAdressen* TDeviceInstanz::LoadGrpAdr()
{
    LOG_FKT_START_LEVEL("TDeviceInstanz::LoadGrpAdr", 256);
    platform::TCursorHourGlass hourGlass;
    if (!EtsGruppenAdressen)
        GetGrpAdrFromServer();
    if (!GrpAdrLoaded) {
        if (MainForm) {
            MainForm->SetStatusText(StatusPanelGrpAdr, Spredit::Text9175 + " " + Spredit::Text9225);
            MainForm->ProcessMessages();
        }
        // A failed load is tried again next time.
        const bool loaded = EtsGruppenAdressen->LoadMidSubGroups();
        MakeMidSubAdrGrp();
        GrpAdrLoaded = loaded;
        if (MainForm)
            MainForm->SetStatusText(StatusPanelGrpAdr, "");
    }
    return EtsGruppenAdressen.get();
}

void TDeviceInstanz::MakeMidSubAdrGrp()
{
    LOG_FKT_START("TDeviceInstanz::MakeMidSubAdrGrp");
    if (!EtsGruppenAdressen)
        return;
    const platform::HWND window = WindowOf(MainForm);
    // The middle groups by id, each with the group of its node: the node filed already, or the
    // one filed below among the sub nodes.
    std::map<int, TEtsMiddleGroup*> middles;
    std::vector<TMiddleById> newMiddles;
    for (const auto& [id, node] : MainGroupNodes.Map()) {
        auto* mainNode = dynamic_cast<TSorvGrpAdrMain*>(node);
        if (!mainNode)
            continue;
        for (TEtsMiddleGroup* middle = EtsGruppenAdressen->GetMiddleGroupFirst(mainNode->GetGroup()); middle;
             middle = EtsGruppenAdressen->GetMiddleGroupNext(mainNode->GetGroup())) {
            const int middleId = middle->GetEtsId();
            if (TSorvGrpAdrBasis* filed = GrpAdrNodes.Find(middleId)) {
                if (auto* middleNode = dynamic_cast<TSorvGrpAdrMiddle*>(filed))
                    middles.emplace(middleId, middleNode->GetGroup());
            } else if (middles.emplace(middleId, middle).second) {
                newMiddles.push_back({middleId, middle});
            }
        }
    }

    std::vector<TSubById> subs;
    for (const auto& [id, middle] : middles) {
        for (TEtsSubGroup* sub = EtsGruppenAdressen->GetSubGroupFirst(middle); sub;
             sub = EtsGruppenAdressen->GetSubGroupNext(middle))
            subs.push_back({sub->GetEtsId(), sub});
    }
    SortById(subs);
    std::sort(newMiddles.begin(), newMiddles.end(),
              [](const TMiddleById& a, const TMiddleById& b) { return a.Id < b.Id; });

    // The middle and sub nodes are filed in order of id, each at the end of those filed before it
    // without a search (a project may number its sub groups across its middle groups); a middle
    // node before a sub node of its id, which then is not made.
    // On a reload most of the sub nodes are filed already.
    GrpAdrNodes.Reserve(std::max(GrpAdrNodes.Map().size(), newMiddles.size() + subs.size()));
    const bool threeLevels = GrpAdrLevel() == 3;
    auto nextMiddle = newMiddles.begin();
    const auto fileMiddlesUpTo = [&](std::int32_t last) {
        for (; nextMiddle != newMiddles.end() && nextMiddle->Id <= last; ++nextMiddle) {
            TEtsMiddleGroup* group = nextMiddle->Group;
            GrpAdrNodes.FindOrInsert(nextMiddle->Id, [&] { return MakeMiddleNode(GrpAdrNodes, window, group); });
        }
    };
    for (const TSubById& sub : subs) {
        fileMiddlesUpTo(sub.Id);
        GrpAdrNodes.FindOrInsert(sub.Id, [&] { return MakeSubNode(GrpAdrNodes, window, sub.Group, threeLevels); });
    }
    fileMiddlesUpTo(std::numeric_limits<std::int32_t>::max());
}

TSorvGrpAdrSub* TDeviceInstanz::CreateGrpAddr(std::int16_t main, std::int16_t middle, std::int16_t sub,
                                              const std::string& name)
{
    LOG_FKT_START("TDeviceInstanz::CreateGrpAddr");
    if (main < 0 || middle < 0 || sub < 0 || !EtsGruppenAdressen)
        return nullptr;
    TEtsSubGroup* created = nullptr;
    if (!EtsGruppenAdressen->CreateGroupAddress(created, main, middle, sub, name) || !created)
        return nullptr;
    InsertGrpAddr(created->GetGrpAddr(), nullptr, nullptr, created);
    if (auto* node = dynamic_cast<TSorvGrpAdrSub*>(GrpAdrNodes.Find(created->GetEtsId())))
        return node;
    platform::MessageBox("Gruppenadresse nicht erstellt, neu starten", "FEHLER: TDeviceInstanz::CreateGrpAddr",
                         platform::MB_OK);
    return nullptr;
}

bool TDeviceInstanz::InsertGrpAddr(std::uint16_t address, TEtsMainGroup* main, TEtsMiddleGroup* middle,
                                   TEtsSubGroup* sub)
{
    LOG_FKT_START("TDeviceInstanz::InsertGrpAddr");
    const int mainNumber = (address >> 11) & 15;
    const int middleNumber = (address >> 8) & 7;
    if (EtsGruppenAdressen) {
        if (!main) {
            for (main = EtsGruppenAdressen->GetMainGroupFirst(); main && main->GetNumber() != mainNumber;
                 main = EtsGruppenAdressen->GetMainGroupNext()) {
            }
        }
        if (!middle && main) {
            for (middle = EtsGruppenAdressen->GetMiddleGroupFirst(main); middle && middle->GetNumber() != middleNumber;
                 middle = EtsGruppenAdressen->GetMiddleGroupNext(main)) {
            }
        }
        if (!sub && middle) {
            for (sub = EtsGruppenAdressen->GetSubGroupFirst(middle); sub && sub->GetGrpAddr() != address;
                 sub = EtsGruppenAdressen->GetSubGroupNext(middle)) {
            }
        }
    }

    const platform::HWND window = WindowOf(MainForm);
    TSorvGrpAdrBasis* mainNode = nullptr;
    if (main) {
        mainNode = MainGroupNodes.Find(main->GetEtsId());
        if (!mainNode)
            mainNode = MainGroupNodes.Insert(MakeMainNode(MainGroupNodes, window, main));
    }
    const bool threeLevels = GrpAdrLevel() == 3;
    TSorvGrpAdrBasis* middleNode = nullptr;
    if (threeLevels && middle) {
        middleNode = GrpAdrNodes.Find(middle->GetEtsId());
        if (!middleNode)
            middleNode = GrpAdrNodes.Insert(MakeMiddleNode(GrpAdrNodes, window, middle));
    }
    TSorvGrpAdrBasis* subNode = nullptr;
    if (sub) {
        subNode = GrpAdrNodes.Find(sub->GetEtsId());
        if (!subNode)
            subNode = GrpAdrNodes.Insert(MakeSubNode(GrpAdrNodes, window, sub, threeLevels));
    }
    if (MainForm)
        MainForm->CreateGroupAddressNodes(mainNode, middleNode, subNode);
    return true;
}

std::string TDeviceInstanz::GetGroupAddressString(std::uint16_t address, bool threeLevels)
{
    LOG_FKT_START("TDeviceInstanz::GetGroupAddressString");
    const std::string main = std::to_string((address >> 11) & 15);
    if (threeLevels)
        return main + "/" + std::to_string((address >> 8) & 7) + "/" + std::to_string(address & 255);
    return main + "/" + std::to_string(address & 2047);
}

bool TDeviceInstanz::GetSubGroupAddressInfo(std::int32_t subGroupId, RecGroupAddress& out, std::string& message)
{
    LOG_FKT_START("TDeviceInstanz::GetSubGroupAddressInfo");
    if (const auto cached = SubGroupAddrCache.find(subGroupId); cached != SubGroupAddrCache.end()) {
        out = RecGroupAddress{subGroupId, cached->second};
        return true;
    }
    TEts2Cdi* link = GetEts2Cdi();
    DAL_SUBGROUP sub;
    if (!link || link->DalGetSubgroupData(DAL_GET_BY_ID, subGroupId, DAL_ANY, &sub) != DAL_OK) {
        message += "\nEts2Cdi->DalGetSubgroupData()--> SubGroup not found!";
        return false;
    }
    DAL_MIDDLEGROUP middle;
    if (link->DalGetMiddlegroupData(DAL_GET_BY_ID, sub.MiddleGroupId, DAL_ANY, &middle) != DAL_OK) {
        message += "\nEts2Cdi->DalGetMiddlegroupData()--> MiddleGroup not found!";
        return false;
    }
    DAL_MAINGROUP main;
    if (link->DalGetMaingroupData(DAL_GET_BY_ID, middle.MainGroupId, DAL_ANY, &main) != DAL_OK) {
        message += "\nEts2Cdi->DalGetMaingroupData()--> MainGroup not found!";
        return false;
    }
    const std::int32_t address = main.Number * 2048 + middle.Number * 256 + sub.Number;
    out = RecGroupAddress{subGroupId, address};
    SubGroupAddrCache.emplace(subGroupId, address);
    return true;
}

bool TDeviceInstanz::GetGrpAdrNr(std::int32_t subGroupId, std::string& out)
{
    LOG_FKT_START("TDeviceInstanz::GetGrpAdrNr");
    RecGroupAddress address;
    std::string message;
    if (GetSubGroupAddressInfo(subGroupId, address, message)) {
        out = GetGroupAddressString(static_cast<std::uint16_t>(address.GrpAdr), true);
        return true;
    }
    platform::ShowDetailMessageBox(Spredit::Text9115, TEXT_DISPLAY_CAPTION, Spredit::Text9325, __FILE__, __LINE__,
                                   "TDeviceInstanz::GetGrpAdrNr", platform::MB_ICONERROR);
    return false;
}

bool TDeviceInstanz::GetGrpAdrNrAsZahl(std::int32_t subGroupId, int& out)
{
    LOG_FKT_START("TDeviceInstanz::GetGrpAdrNrAsZahl");
    RecGroupAddress address;
    std::string message;
    if (GetSubGroupAddressInfo(subGroupId, address, message)) {
        out = address.GrpAdr;
        return true;
    }
    platform::ShowDetailMessageBox(Spredit::Text9115, TEXT_DISPLAY_CAPTION, Spredit::Text9325, __FILE__, __LINE__,
                                   "TDeviceInstanz::GetGrpAdrNrAsZahl", platform::MB_ICONERROR);
    return false;
}

std::string TDeviceInstanz::GetNextHighestAndFreeGrpAddr(int& level)
{
    LOG_FKT_START("TDeviceInstanz::GetNextHighestAndFreeGrpAddr");
    LoadGrpAdr();
    const TDataModuleServices* dataModule = TDataModuleServices::Current();
    if (!dataModule)
        return {};
    level = dataModule->GetGrpAdrLevel();
    const bool threeLevels = level == 3;

    std::set<std::uint16_t> used;
    for (const auto& [id, node] : GrpAdrNodes.Map())
        if (const auto* sub = dynamic_cast<const TSorvGrpAdrSub*>(node))
            used.insert(sub->GetGroupAddress(sub->GetEtsId()));
    if (used.empty())
        return GetGroupAddressString(1, threeLevels);

    const std::uint16_t highest = *used.rbegin();
    if (highest != 0x7FFF)
        return GetGroupAddressString(static_cast<std::uint16_t>(highest + 1), threeLevels);
    for (std::uint16_t address = 1; address <= 0xFFF; ++address)
        if (!used.contains(address))
            return GetGroupAddressString(address, threeLevels);
    return {};
}

bool TDeviceInstanz::GetGrpAdrDataPointer(int hostGroupId, TSorvGrpAdrBasis*& out)
{
    LOG_FKT_START("TDeviceInstanz::GetGrpAdrDataPointer");
    LoadGrpAdr();
    TSorvGrpAdrBasis* node = GrpAdrNodes.Find(hostGroupId);
    if (!node)
        return false;
    out = node;
    return true;
}
