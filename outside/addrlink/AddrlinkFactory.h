#pragma once

#include "outside/addrlink/EtsObjekt.h"

#include <cstdint>
#include <memory>
#include <string>

// Makes the communication-object data objects of this library for the program, with the
// constructor's arguments, so that another factory can put others in their place.
class TAddrlinkFactory {
public:
    TAddrlinkFactory() = default;
    virtual ~TAddrlinkFactory() = default;
    TAddrlinkFactory(const TAddrlinkFactory&) = delete;
    TAddrlinkFactory& operator=(const TAddrlinkFactory&) = delete;

    virtual std::unique_ptr<TEtsObjekt> CreateEtsObjekt(platform::HWND window, std::int32_t system, std::int32_t parent,
                                                        const std::string& name, std::int32_t commObjectId,
                                                        std::int32_t deviceObjectId, std::int32_t objectNumber,
                                                        std::int32_t parameterId, std::int32_t displayOrder,
                                                        std::int32_t parameterValue,
                                                        TEtsObjekt::TEnumEtsObjektArt kind,
                                                        TEtsObjekt::TEnumObjectType objectType,
                                                        TEtsObjekt::TEnumIOTyp ioTyp, int index,
                                                        std::int32_t handle) const;

    // The library's own factory.
    static const TAddrlinkFactory& Default();
};
