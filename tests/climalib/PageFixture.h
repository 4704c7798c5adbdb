#pragma once

#include "climalib/ReglerFunktion.h"
#include "tests/climalib/support/DataObjectFixtureBase.h"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>

namespace climatest {

// A page of class T below a real controller function, both registered with a fake device behind
// a fake main window, and a grid to fill. The controller starts with one circuit, "Heizen", no
// lock; the device answers the level access with 1. The messages of the set-up are cleared.
template <class T>
class PageFixture : public DataObjectFixtureBase {
protected:
    PageFixture()
        : controller(std::make_unique<TReglerFunktion>(window.Handle(), System, 1, "Regler", 0)),
          page(std::make_unique<T>(window.Handle(), System, controller->GetHandle(), "Seite", 0))
    {
        SetSubject(*page);
        Device().Register(controller.get());
        Device().Register(page.get());
        Device().SetZugriffAufBedienebenen(1);
        window.Clear();
    }

    // The controller's structure as the page reads it.
    void SetController(int circuits, int mode, int lock = 0)
    {
        controller->Regelkreise = static_cast<T_DB_EnumReglerFunktion::TEnumRegelkreise>(circuits);
        controller->ReglerBetriebsart = static_cast<T_DB_EnumReglerFunktion::TEnumReglerBetriebsart>(mode);
        controller->ReglerBedienungSperrbar = static_cast<T_DB_EnumReglerFunktion::TEnumReglerBedienungSperrbar>(lock);
    }
    // The main window answers the controller's handle with nothing.
    void LoseController() { Device().Unregister(controller->GetHandle()); }

    // Builds the grid, then the trace starts and the item with the value is chosen in the row's
    // combo box, as a user does.
    void Choose(int tag, int value)
    {
        Build();
        Mark();
        ChooseValue(tag, value);
    }
    // Builds the grid, then the trace starts and the row's spin editor is set to the value and
    // the cell left.
    void Spin(int tag, double value)
    {
        Build();
        Mark();
        SpinAndLeave(tag, value);
    }

    // The value each communication object (display order) was last set to.
    std::map<int, int> ObjectValues()
    {
        std::map<int, int> values;
        for (const FakeDevice::TransportRequest& r : Device().TransportRequests()) {
            if (r.Code == UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER)
                values[r.DisplayOrder] = r.Value;
        }
        return values;
    }

    std::unique_ptr<TReglerFunktion> controller;
    std::unique_ptr<T> page;
};

// A page fixture with another device's records for the global-parameter copy, as the wizard
// hands them over: its controller function (Handle 500) and the page's target record below it
// (Handle 501).
template <class T>
class PageGlobalFixture : public PageFixture<T> {
protected:
    PageGlobalFixture()
    {
        targetController.Handle = 500;
        targetController.Typ = static_cast<std::int16_t>(TReglerFunktion::Typ);
        target.Handle = 501;
        target.Parent = 500;
        target.Typ = static_cast<std::int16_t>(T::Typ);
    }
    // Marks the page's parameters of the tags "Ändern".
    void MarkParameters(std::initializer_list<int> tags)
    {
        for (const int tag : tags)
            this->page->SetGlobalParameterValue(tag, gpvAendern);
    }
    // Marks the parameters and has the page write them into the target; the page's answer.
    int Copy(std::initializer_list<int> marked, std::string& message)
    {
        MarkParameters(marked);
        const auto table = RecordTable({targetController, target});
        return this->page->WriteGlobalParameter(table.get(), &target, message);
    }

    TDatenStruktur targetController;
    TDatenStruktur target;
};

} // namespace climatest
