#pragma once

#include "outside/datacore/DataBasis.h"
#include "platform/UiService.h"
#include "views/ShowException.h"

namespace views {

// Drops between the views are decided by the data objects. findPair(target, dragged) names the
// two objects of a drag, or answers false; an exception is shown under the caption.

template <class FindPair>
bool AllowDataObjectDrop(FindPair findPair, const char* caption)
{
    try {
        TDataBasis* target = nullptr;
        TDataBasis* dragged = nullptr;
        return findPair(target, dragged) && target->AllowDrop(dragged);
    } catch (...) {
        ShowCurrentException(caption);
        return false;
    }
}

template <class FindPair>
void DropDataObject(FindPair findPair, const char* caption)
{
    try {
        TDataBasis* target = nullptr;
        TDataBasis* dragged = nullptr;
        if (findPair(target, dragged)) {
            platform::SetScreenCursor(platform::crHourGlass);
            target->Drop(dragged);
        }
    } catch (...) {
        ShowCurrentException(caption);
    }
    platform::SetScreenCursor(platform::crDefault);
}

} // namespace views
