#include "outside/hostdata/EtsProgressDialog.h"

#include "platform/UiService.h"

#include <algorithm>

TEtsProgressDialog::TEtsProgressDialog(TEts2Cdi* link, std::int32_t meter) : link_(link), meter_(meter)
{
    platform::Ui().StartProgress({{}, {}, PositionCount}, [aborted = aborted_] { *aborted = true; });
}

TEtsProgressDialog::~TEtsProgressDialog()
{
    platform::Ui().StopProgress();
}

void TEtsProgressDialog::EtsMeterSetPosition(std::uint16_t position)
{
    const auto shown = std::min<std::int32_t>(position, PositionCount);
    platform::Ui().SetProgress(shown, {{}, ShownText(), PositionCount});
}

std::string TEtsProgressDialog::ShownText() const
{
    std::string shown;
    for (const std::string* line : {&text_, &text1_, &text2_}) {
        if (line->empty())
            continue;
        if (!shown.empty())
            shown += '\n';
        shown += *line;
    }
    return shown;
}
