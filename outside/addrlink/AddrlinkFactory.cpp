#include "outside/addrlink/AddrlinkFactory.h"

std::unique_ptr<TEtsObjekt> TAddrlinkFactory::CreateEtsObjekt(platform::HWND window, std::int32_t system,
                                                              std::int32_t parent, const std::string& name,
                                                              std::int32_t commObjectId, std::int32_t deviceObjectId,
                                                              std::int32_t objectNumber, std::int32_t parameterId,
                                                              std::int32_t displayOrder, std::int32_t parameterValue,
                                                              TEtsObjekt::TEnumEtsObjektArt kind,
                                                              TEtsObjekt::TEnumObjectType objectType,
                                                              TEtsObjekt::TEnumIOTyp ioTyp, int index,
                                                              std::int32_t handle) const
{
    return std::make_unique<TEtsObjekt>(window, system, parent, name, commObjectId, deviceObjectId, objectNumber,
                                        parameterId, displayOrder, parameterValue, kind, objectType, ioTyp, index,
                                        handle);
}

const TAddrlinkFactory& TAddrlinkFactory::Default()
{
    static const TAddrlinkFactory factory;
    return factory;
}
