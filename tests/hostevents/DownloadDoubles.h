#pragma once

#include "outside/devicelink/DevicelinkFactory.h"
#include "outside/imagebuild/ImagebuildFactory.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace hosttest {

// A target system whose journal outlives it: handed to the sink when it goes, with its end.
class JournalingTarget final : public TTalvoZielsystem {
public:
    JournalingTarget(TEts2Cdi_Extended1* link, TEtsDeviceParam* deviceParam, std::vector<std::string>& sink)
        : TTalvoZielsystem(link, deviceParam), sink_(sink)
    {
    }
    ~JournalingTarget() override
    {
        sink_ = Journal();
        sink_.push_back("~TTalvoZielsystem");
    }

private:
    std::vector<std::string>& sink_;
};

// Makes journaling target systems; the journal of the last one made, and how many were made.
class JournalingTargets final : public TDevicelinkFactory {
public:
    std::unique_ptr<TTalvoZielsystem> CreateTalvoZielsystem(TEts2Cdi_Extended1* link,
                                                            TEtsDeviceParam* deviceParam) const override
    {
        ++Made;
        return std::make_unique<JournalingTarget>(link, deviceParam, Journal);
    }
    mutable std::vector<std::string> Journal;
    mutable int Made = 0;
};

// An image compiler that records its calls and the character data it got, answers Answer, or
// runs Fail instead (to throw).
class SpyCompiler final : public TImagebuildFactory {
public:
    bool TalvoCompiler(TTalvoZielsystem* /*target*/, TDatenManager<TDatenStruktur>* records,
                       TEtsDeviceParam* /*deviceParam*/, std::map<std::int32_t, std::uint16_t>* /*associations*/,
                       platform::TMemoryStream* characterData, platform::TMemoryStream* /*deviceText*/,
                       platform::TMemoryStream* /*compilerStream*/) const override
    {
        ++Calls;
        Records = records != nullptr ? records->Count() : 0;
        CharacterData = characterData != nullptr ? characterData->Bytes() : std::string();
        if (Fail)
            Fail();
        return Answer;
    }
    bool Answer = true;
    std::function<void()> Fail;
    mutable int Calls = 0;
    mutable std::size_t Records = 0;
    mutable std::string CharacterData;
};

} // namespace hosttest
