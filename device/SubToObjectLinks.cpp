#include "device/SubToObjectLinks.h"

#include "outside/hostlink/Ets2Cdi.h"

int ReadSubToObjectLinks(TEts2Cdi* link, std::int32_t subGroupId, std::int32_t deviceObjectId,
                         std::vector<DAL_SUB_TO_OBJECT>& links)
{
    if (!link)
        return DAL_ERR;
    DAL_SUB_TO_OBJECT record;
    int result = link->DalGetSubgroupToObjectData(DAL_GET_FIRST, DAL_ANY, subGroupId, deviceObjectId, &record);
    for (; result == DAL_OK;
         result = link->DalGetSubgroupToObjectData(DAL_GET_NEXT, DAL_ANY, subGroupId, deviceObjectId, &record)) {
        links.push_back(record);
        record = DAL_SUB_TO_OBJECT{};
    }
    return result;
}
