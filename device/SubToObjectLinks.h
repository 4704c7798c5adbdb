#pragma once

#include "outside/hostlink/HostRecords.h"

#include <cstdint>
#include <vector>

class TEts2Cdi;

// Reads every link the project holds between a sub group and a device object (DAL_ANY in either
// for any) to the end, before anything is done with them, so that no other walk of the links
// runs inside this one. Answers the read that ended the walk: DAL_END when all were read,
// DAL_ERR without a host link.
int ReadSubToObjectLinks(TEts2Cdi* link, std::int32_t subGroupId, std::int32_t deviceObjectId,
                         std::vector<DAL_SUB_TO_OBJECT>& links);
