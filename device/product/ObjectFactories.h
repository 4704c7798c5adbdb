#pragma once

#include "outside/addrlink/AddrlinkFactory.h"
#include "outside/clockfunc/ClockfuncFactory.h"
#include "outside/keyplan/KeyplanFactory.h"
#include "outside/remotefunc/RemotefuncFactory.h"
#include "outside/scenefunc/ScenefuncFactory.h"
#include "outside/sysfunc/SysfuncFactory.h"

// The factories through which the device model makes the data objects of the outside
// libraries; each defaults to the library's own. The factories are not owned and must outlive
// the device model.
struct TObjectFactories {
    const TSysfuncFactory* Sysfunc = &TSysfuncFactory::Default();
    const TKeyplanFactory* Keyplan = &TKeyplanFactory::Default();
    const TScenefuncFactory* Scenefunc = &TScenefuncFactory::Default();
    const TClockfuncFactory* Clockfunc = &TClockfuncFactory::Default();
    const TRemotefuncFactory* Remotefunc = &TRemotefuncFactory::Default();
    const TAddrlinkFactory* Addrlink = &TAddrlinkFactory::Default();
};
