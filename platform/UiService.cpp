#include "platform/UiService.h"

#include <cstdio>

namespace platform {
namespace {

// Stands in until a real service is installed: tells on standard error and takes the first button.
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

    int ShowDetailMessageBox(const std::string& text, const std::string& caption, const std::string& detail,
                             const std::string& file, std::int32_t line, const std::string& function,
                             unsigned) override
    {
        std::fprintf(stderr, "[%s] %s\n%s\n%s (%s:%d)\n", caption.c_str(), text.c_str(), detail.c_str(),
                     function.c_str(), file.c_str(), static_cast<int>(line));
        return IDOK;
    }

    TCursor ScreenCursor() const override { return cursor_; }
    void SetScreenCursor(TCursor cursor) override { cursor_ = cursor; }

    void StartProgress(const TProgressInfo&, std::function<void()>) override {}
    void SetProgress(std::int32_t, const TProgressInfo&) override {}
    void StopProgress() override {}

private:
    TCursor cursor_ = crDefault;
};

TUiService*& Current()
{
    static TConsoleUiService console;
    static TUiService* current = &console;
    return current;
}

} // namespace

int TUiService::ShowModal(QDialog&)
{
    return IDCANCEL;
}

bool TUiService::InputQuery(const std::string&, const std::string&, std::string&)
{
    return false;
}

bool TUiService::OpenFileDialog(TFileDialogInfo&)
{
    return false;
}

bool TUiService::ChooseColor(QColor&, const std::vector<QColor>&)
{
    return false;
}

bool TUiService::PrinterSetup(QPrinter&)
{
    return false;
}

bool TUiService::SaveFileDialog(TFileDialogInfo&)
{
    return false;
}

bool TUiService::ShellOpen(const std::string&, const std::string&)
{
    return false;
}

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
