#pragma once

#include "tests/climalib/support/DataObjectFixtureBase.h"
#include "tests/climalib/support/ProbeDataObject.h"

#include <memory>

namespace climatest {

// A probe data object (new, so its handle comes from the device's table) registered with a fake
// device behind a fake main window, and a grid to fill. The messages of the set-up are cleared.
class ProbeFixture : public DataObjectFixtureBase {
protected:
    ProbeFixture() : probe(std::make_unique<TProbeDataObject>(window.Handle(), System, Parent, "Probe", 0))
    {
        SetSubject(*probe);
        Device().Register(probe.get());
        window.Clear();
    }

    std::unique_ptr<TProbeDataObject> probe;
};

} // namespace climatest
