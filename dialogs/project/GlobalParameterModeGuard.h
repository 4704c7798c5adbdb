#pragma once

#include "outside/datacore/DataBasis.h"

// Keeps a data object in its global-parameter (three-column) mode for the guard's lifetime and
// switches it back on every way out, exceptions included. No object: nothing.
class TGlobalParameterModeGuard {
public:
    explicit TGlobalParameterModeGuard(TDataBasis* object) : object_(object)
    {
        if (object_)
            object_->SetGlobalParameterMode();
    }
    ~TGlobalParameterModeGuard()
    {
        if (object_)
            object_->ClearGlobalParameterMode();
    }
    TGlobalParameterModeGuard(const TGlobalParameterModeGuard&) = delete;
    TGlobalParameterModeGuard& operator=(const TGlobalParameterModeGuard&) = delete;

private:
    TDataBasis* object_;
};
