#include "app/HostMeter.h"

#include "outside/hostlink/Ets2CdiExtended1.h"

THostMeter::THostMeter(TEts2Cdi_Extended1* link, platform::HWND window, std::int32_t kind, const std::string& caption)
    : link_(link)
{
    if (link_ == nullptr)
        return;
    meter_ = link_->CoMeterDlgOpen(window, kind);
    link_->CoMeterSetCaption(meter_, caption);
    progress_.emplace(link_, meter_);
}

THostMeter::~THostMeter()
{
    if (link_ == nullptr)
        return;
    progress_.reset();
    link_->CoMeterDlgClose(meter_);
}

void THostMeter::SetPosition(std::uint16_t position)
{
    if (progress_)
        progress_->EtsMeterSetPosition(position);
}

void THostMeter::Finish()
{
    if (!progress_)
        return;
    progress_->EtsMeterSetText1("");
    progress_->EtsMeterSetText2("");
    for (std::uint16_t position = 80; position < 100; ++position)
        progress_->EtsMeterSetPosition(position);
}
