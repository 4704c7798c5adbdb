#pragma once

#include "outside/hostdata/EtsProgressDialog.h"
#include "platform/WindowMessages.h"

#include <cstdint>
#include <optional>
#include <string>

class TEts2Cdi_Extended1;

// The host's progress meter of one import or copy: opened with its kind and caption, driven
// through the hostdata progress object, and closed on every way out.
class THostMeter {
public:
    // Kinds of the host's meters.
    static constexpr std::int32_t KindImport = 2;
    static constexpr std::int32_t KindCopy = 13;

    THostMeter(TEts2Cdi_Extended1* link, platform::HWND window, std::int32_t kind, const std::string& caption);
    ~THostMeter();
    THostMeter(const THostMeter&) = delete;
    THostMeter& operator=(const THostMeter&) = delete;

    // None without a host link.
    TEtsProgressDialog* Progress() { return progress_ ? &*progress_ : nullptr; }
    bool Aborted() const { return progress_ && progress_->EtsGetAbortFlag(); }
    void SetPosition(std::uint16_t position);
    // Both detail lines emptied, the positions 80 to 99 one after the other.
    void Finish();

private:
    TEts2Cdi_Extended1* link_;
    std::int32_t meter_ = 0;
    std::optional<TEtsProgressDialog> progress_;
};
