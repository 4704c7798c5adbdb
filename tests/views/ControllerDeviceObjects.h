#pragma once

#include "climalib/ReglerFunktion.h"
#include "climalib/ReglerFunktionalitaet.h"
#include "climalib/ReglerRaumtemperaturMessung.h"
#include "climalib/ReglerSollwerte.h"
#include "climalib/ReglerStellgroessenStatusAusgabe.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/keyplan/TastsensorFunktion.h"
#include "outside/keyplan/TsBetaetigung.h"
#include "outside/keyplan/TsTaste.h"
#include "outside/sysfunc/TalvoDatumUhrzeitSenden.h"
#include "outside/sysfunc/TalvoDisplay.h"
#include "outside/sysfunc/TalvoSystem.h"
#include "tests/climalib/support/FakeMainWindow.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace viewstest {

// A device of the libraries' real data objects, made as the function managers make them: the
// system with display, clock and a key function of five keys, and a controller function whose
// objects are linked to the project's group addresses.
class ControllerDeviceObjects {
public:
    static constexpr std::int32_t System = 1;
    static constexpr std::int32_t SystemHandle = 1;
    static constexpr std::int32_t ReglerHandle = 10;

    // subGroupId(main, middle, sub) names a group address of the project.
    void Build(const std::function<std::int32_t(int, int, int)>& subGroupId, bool withOperatingModeObject)
    {
        Make<TTalvoSystem>(0, "Talvo Tastsensor 4fach mit RTR + Display", 2, 0, SystemHandle, false);
        Make<TTalvoDisplay>(SystemHandle, "Display", 2).SetPosId(1);
        Make<TTalvoDatumUhrzeitSenden>(SystemHandle, "Datum und Uhrzeit senden", 3).SetPosId(2);
        Make<TTastsensorFunktion>(SystemHandle, "Tastsensor", 4).SetPosId(3);
        Make<TTsBetaetigung>(4, "Bet\xE4tigung", 4, 5);
        for (const int key : {4, 3, 10, 2, 1})
            Make<TTsTaste>(5, "Taste " + std::to_string(key), key, 20 + key);
        Make<TReglerFunktion>(SystemHandle, "Raumtemperaturregler", ReglerHandle).SetPosId(4);
        Make<TReglerFunktionalitaet>(ReglerHandle, "Funktionalit\xE4t", 11).SetPosId(1);
        Make<TReglerSollwerte>(ReglerHandle, "Sollwerte", 12).SetPosId(2);
        Make<TReglerRaumtemperaturMessung>(ReglerHandle, "Raumtemperaturmessung", 13).SetPosId(3);
        Make<TReglerStellgroessenStatusAusgabe>(ReglerHandle, "Stellgr\xF6\xDF" "en- und Statusausgabe", 14)
            .SetPosId(4);
        Objekt(40, "Istwert", 1).AddSubGroupLink(subGroupId(2, 0, 1), 2 * 2048 + 1, true);
        Objekt(41, "Sollwert Basis", 2).AddSubGroupLink(subGroupId(2, 1, 1), 2 * 2048 + 256 + 1, true);
        Objekt(42, "Stellgr\xF6\xDF" "e Heizen", 3);
        if (withOperatingModeObject)
            Objekt(43, "Betriebsart", 4).AddSubGroupLink(subGroupId(2, 2, 1), 2 * 2048 + 512 + 1, true);
        for (auto& object : objects)
            object->SetPosId(object->GetPosId() == 0 ? 50 : object->GetPosId());
    }

    climatest::FakeMainWindow hub;
    std::vector<std::unique_ptr<TDataBasis>> objects;
    std::map<int, TDataBasis*> map;

private:
    template <class T, class... Args>
    T& Make(Args&&... args)
    {
        auto object = std::make_unique<T>(hub.Handle(), System, std::forward<Args>(args)...);
        T& made = *object;
        hub.Device().Register(object.get());
        map[made.GetHandle()] = object.get();
        objects.push_back(std::move(object));
        return made;
    }

    TEtsObjekt& Objekt(std::int32_t handle, const std::string& name, int number)
    {
        return Make<TEtsObjekt>(ReglerHandle, name, 0, 0, number, 0, 3000 + number, 1, 0, 10, 2, 0, handle);
    }
};

} // namespace viewstest
