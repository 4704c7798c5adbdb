#pragma once

#include "outside/datacore/DataBasis.h"
#include "platform/WindowMessages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// How the controller managers make a new object of climalib below a parent: with the main
// window, the parent's System and Handle, the default name and a new handle.
template <class T>
std::function<std::unique_ptr<TDataBasis>()> ClimaMaker(platform::HWND window, const TDataBasis& parent,
                                                       const std::string& name)
{
    return [window, system = parent.GetSystem(), handle = parent.GetHandle(), name] {
        return std::unique_ptr<TDataBasis>(std::make_unique<T>(window, system, handle, name, 0));
    };
}

// The restored object of a record: System, Parent, Name and Handle of the record.
template <class T>
std::unique_ptr<TDataBasis> ClimaFromRecord(platform::HWND window, const TDatenStruktur& record)
{
    return std::make_unique<T>(window, record.System, record.Parent, record.Name, record.Handle);
}

// Lets a new object of climalib make its communication objects; the answer is not looked at.
template <class T>
void ClimaCreateObjects(TDataBasis* object)
{
    if (auto* own = dynamic_cast<T*>(object))
        own->CreateObjects();
}

// The clean-up before a climalib object goes: its communication objects.
template <class T>
std::function<void(TDataBasis&)> ClimaDeleteObjects()
{
    return [](TDataBasis& object) {
        if (auto* own = dynamic_cast<T*>(&object))
            own->DeleteObjects();
    };
}
