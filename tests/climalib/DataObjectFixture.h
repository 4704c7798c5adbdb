#pragma once

#include "outside/datacore/EnumDataBasis.h"
#include "tests/climalib/support/DataObjectFixtureBase.h"

#include <memory>

namespace climatest {

constexpr auto Ja = T_DB_EnumDataBasis::Ja;
constexpr auto Nein = T_DB_EnumDataBasis::Nein;

// One data object of class T (new, its handle from the device's table) registered with a fake
// device behind a fake main window, and a grid to fill; the messages of the set-up are cleared.
// A choice or a number goes into the grid as it stands (ChooseItem, SpinAndLeave).
template <class T>
class DataObjectFixture : public DataObjectFixtureBase {
protected:
    DataObjectFixture() : object(std::make_unique<T>(window.Handle(), System, Parent, "Objekt", 0))
    {
        SetSubject(*object);
        Device().Register(object.get());
        window.Clear();
    }

    std::unique_ptr<T> object;
};

} // namespace climatest
