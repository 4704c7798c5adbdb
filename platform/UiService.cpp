#include "platform/UiService.h"

#include <cstdio>

namespace platform {
namespace {

class TConsoleUiService final : public TUiService {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override
    {
        std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
        switch (style & 0x0F) {
        case MB_ABORTRETRYIGNORE: return IDABORT;
        case MB_YESNOCANCEL:
        case MB_YESNO: return IDYES;
        case MB_RETRYCANCEL: return IDRETRY;
        default: return IDOK;
        }
    }
};

TUiService*& Current()
{
    static TConsoleUiService console;
    static TUiService* current = &console;
    return current;
}

} // namespace

TUiService& Ui()
{
    return *Current();
}

TScopedUiService::TScopedUiService(TUiService& service) : previous_(Current())
{
    Current() = &service;
}

TScopedUiService::~TScopedUiService()
{
    Current() = previous_;
}

} // namespace platform
