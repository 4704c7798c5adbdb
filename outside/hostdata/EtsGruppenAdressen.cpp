#include "outside/hostdata/EtsGruppenAdressen.h"

#include "outside/hostlink/Ets2Cdi.h"

#include <algorithm>

namespace {

// Reads every record of one kind that read delivers, from the first on. False when the
// host fails before the end.
template <class TRecord, class TRead>
bool ReadAll(std::vector<TRecord>& records, const TRead& read)
{
    TRecord record;
    int result = read(DAL_GET_FIRST, &record);
    for (; result == DAL_OK; result = read(DAL_GET_NEXT, &record)) {
        records.push_back(std::move(record));
        record = TRecord{};
    }
    return result == DAL_END;
}

template <class TGroup>
TGroup* Next(const std::vector<TGroup*>& groups, std::size_t& cursor)
{
    return cursor < groups.size() ? groups[cursor++] : nullptr;
}

template <class TGroup>
void AppendOnce(std::vector<TGroup*>& groups, TGroup* group)
{
    if (std::find(groups.begin(), groups.end(), group) == groups.end())
        groups.push_back(group);
}

} // namespace

TEtsGruppenAdressen::TEtsGruppenAdressen(TEts2Cdi* link, std::int32_t deviceId) : link_(link), deviceId_(deviceId) {}

TEtsGruppenAdressen::~TEtsGruppenAdressen() = default;

bool TEtsGruppenAdressen::FindProject()
{
    if (projectId_ >= 0)
        return true;
    if (link_ == nullptr)
        return false;
    DAL_DEVICE device;
    if (link_->DalGetDeviceData(DAL_GET_BY_ID, deviceId_, DAL_ANY, DAL_ANY, DAL_ANY, DAL_ANY, &device) != DAL_OK)
        return false;
    projectId_ = device.ProjectId;
    return true;
}

TEtsMainGroup& TEtsGruppenAdressen::MainGroupOf(std::int32_t id, std::int32_t projectId)
{
    return mainGroups_.try_emplace(id, id, projectId).first->second;
}

TEtsMiddleGroup& TEtsGruppenAdressen::MiddleGroupOf(std::int32_t id, std::int32_t mainGroupId)
{
    return middleGroups_.try_emplace(id, id, mainGroupId).first->second;
}

std::uint16_t TEtsGruppenAdressen::Address(const TEtsMainGroup& main, std::int32_t middleNumber,
                                           std::int32_t subNumber)
{
    return static_cast<std::uint16_t>(main.GetGrpAddr() | ((middleNumber & 7) << 8) | (subNumber & 255));
}

void TEtsGruppenAdressen::SetProject(std::int32_t deviceId, std::int32_t projectId)
{
    deviceId_ = deviceId;
    projectId_ = projectId;
}

bool TEtsGruppenAdressen::LoadAllMainGroups(std::int32_t deviceId)
{
    if (deviceId != deviceId_) {
        deviceId_ = deviceId;
        projectId_ = -1;
    }
    if (!FindProject())
        return false;
    std::vector<DAL_MAINGROUP> records;
    if (!ReadAll(records, [&](int mode, DAL_MAINGROUP* record) {
            return link_->DalGetMaingroupData(mode, DAL_ANY, projectId_, record);
        }))
        return false;

    loadedMainGroups_.clear();
    mainCursor_ = 0;
    for (const DAL_MAINGROUP& record : records) {
        TEtsMainGroup& group = MainGroupOf(record.MainGroupId, record.ProjectId);
        group.Assign(static_cast<std::int16_t>(record.Number), record.Name);
        loadedMainGroups_.push_back(&group);
    }
    return true;
}

bool TEtsGruppenAdressen::LoadMidSubGroups()
{
    if (link_ == nullptr)
        return false;
    // One walk per record kind, all records first, so that no walk runs inside another.
    std::vector<DAL_MIDDLEGROUP> middles;
    std::vector<DAL_SUBGROUP> subs;
    if (!ReadAll(middles, [&](int mode, DAL_MIDDLEGROUP* record) {
            return link_->DalGetMiddlegroupData(mode, DAL_ANY, DAL_ANY, record);
        }))
        return false;
    if (!ReadAll(subs, [&](int mode, DAL_SUBGROUP* record) {
            return link_->DalGetSubgroupData(mode, DAL_ANY, DAL_ANY, record);
        }))
        return false;

    std::map<std::int32_t, TEtsMainGroup*> mains;
    for (TEtsMainGroup* main : loadedMainGroups_) {
        main->children_.clear();
        main->cursor_ = 0;
        mains[main->GetEtsId()] = main;
    }
    std::map<std::int32_t, std::pair<TEtsMainGroup*, TEtsMiddleGroup*>> loadedMiddles;
    for (const DAL_MIDDLEGROUP& record : middles) {
        const auto main = mains.find(record.MainGroupId);
        if (main == mains.end())
            continue;
        TEtsMiddleGroup& middle = MiddleGroupOf(record.MiddleGroupId, record.MainGroupId);
        middle.Assign(static_cast<std::int16_t>(record.Number), Address(*main->second, record.Number, 0), record.Name);
        middle.children_.clear();
        middle.cursor_ = 0;
        main->second->children_.push_back(&middle);
        loadedMiddles[record.MiddleGroupId] = {main->second, &middle};
    }
    // The host hands the sub groups of one middle group over one after the other: its entry is
    // looked up once for them.
    auto middle = loadedMiddles.end();
    for (const DAL_SUBGROUP& record : subs) {
        if (middle == loadedMiddles.end() || middle->first != record.MiddleGroupId)
            middle = loadedMiddles.find(record.MiddleGroupId);
        if (middle == loadedMiddles.end())
            continue;
        const auto [main, middleGroup] = middle->second;
        TEtsSubGroup& sub = subGroups_.FindOrMake(record.SubGroupId, record.MiddleGroupId);
        sub.Assign(static_cast<std::int16_t>(record.Number), Address(*main, middleGroup->GetNumber(), record.Number),
                   record.Type, record.Name);
        middleGroup->children_.push_back(&sub);
    }
    return true;
}

TEtsMainGroup* TEtsGruppenAdressen::GetMainGroupFirst()
{
    mainCursor_ = 0;
    return GetMainGroupNext();
}

TEtsMainGroup* TEtsGruppenAdressen::GetMainGroupNext()
{
    return Next(loadedMainGroups_, mainCursor_);
}

TEtsMiddleGroup* TEtsGruppenAdressen::GetMiddleGroupFirst(TEtsMainGroup* main)
{
    if (main == nullptr)
        return nullptr;
    main->cursor_ = 0;
    return GetMiddleGroupNext(main);
}

TEtsMiddleGroup* TEtsGruppenAdressen::GetMiddleGroupNext(TEtsMainGroup* main)
{
    return main ? Next(main->children_, main->cursor_) : nullptr;
}

TEtsSubGroup* TEtsGruppenAdressen::GetSubGroupFirst(TEtsMiddleGroup* middle)
{
    if (middle == nullptr)
        return nullptr;
    middle->cursor_ = 0;
    return GetSubGroupNext(middle);
}

TEtsSubGroup* TEtsGruppenAdressen::GetSubGroupNext(TEtsMiddleGroup* middle)
{
    return middle ? Next(middle->children_, middle->cursor_) : nullptr;
}

bool TEtsGruppenAdressen::CreateGroupAddress(TEtsSubGroup*& sub, std::int16_t main, std::int16_t middle,
                                             std::int16_t subNumber, const std::string& name)
{
    if (!FindProject())
        return false;
    const std::int32_t subGroupId = link_->CoCreateGroupAddress(projectId_, main, middle, subNumber, name);
    if (subGroupId < 0)
        return false;

    DAL_SUBGROUP subRecord;
    DAL_MIDDLEGROUP middleRecord;
    DAL_MAINGROUP mainRecord;
    if (link_->DalGetSubgroupData(DAL_GET_BY_ID, subGroupId, DAL_ANY, &subRecord) != DAL_OK ||
        link_->DalGetMiddlegroupData(DAL_GET_BY_ID, subRecord.MiddleGroupId, DAL_ANY, &middleRecord) != DAL_OK ||
        link_->DalGetMaingroupData(DAL_GET_BY_ID, middleRecord.MainGroupId, DAL_ANY, &mainRecord) != DAL_OK)
        return false;

    TEtsMainGroup& mainGroup = MainGroupOf(mainRecord.MainGroupId, mainRecord.ProjectId);
    mainGroup.Assign(static_cast<std::int16_t>(mainRecord.Number), mainRecord.Name);
    TEtsMiddleGroup& middleGroup = MiddleGroupOf(middleRecord.MiddleGroupId, middleRecord.MainGroupId);
    middleGroup.Assign(static_cast<std::int16_t>(middleRecord.Number), Address(mainGroup, middleRecord.Number, 0),
                       middleRecord.Name);
    TEtsSubGroup& subGroup = subGroups_.FindOrMake(subRecord.SubGroupId, subRecord.MiddleGroupId);
    subGroup.Assign(static_cast<std::int16_t>(subRecord.Number),
                    Address(mainGroup, middleGroup.GetNumber(), subRecord.Number), subRecord.Type, subRecord.Name);
    AppendOnce(loadedMainGroups_, &mainGroup);
    AppendOnce(mainGroup.children_, &middleGroup);
    AppendOnce(middleGroup.children_, &subGroup);
    sub = &subGroup;
    return true;
}

std::uint16_t TEtsGruppenAdressen::GetGrpAddr(std::int32_t subGroupId) const
{
    const TEtsSubGroup* sub = subGroups_.Find(subGroupId);
    return sub ? sub->GetGrpAddr() : 0;
}

std::string TEtsGruppenAdressen::GrpAddrString(std::int32_t subGroupId) const
{
    const TEtsSubGroup* sub = subGroups_.Find(subGroupId);
    if (!sub)
        return {};
    const unsigned address = sub->GetGrpAddr();
    if (address == 0)
        return {};
    const std::string main = std::to_string((address >> 11) & 15);
    if (ThreeLevels)
        return main + "/" + std::to_string((address >> 8) & 7) + "/" + std::to_string(address & 255);
    return main + "/" + std::to_string(address & 2047);
}
