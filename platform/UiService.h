#pragma once

#include <string>

namespace platform {

// Answers and styles of a message box, with the numbers Windows gives them.
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };
enum : unsigned {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_ABORTRETRYIGNORE = 0x02,
    MB_YESNOCANCEL = 0x03,
    MB_YESNO = 0x04,
    MB_RETRYCANCEL = 0x05,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};

// Everything that asks or tells the user goes through this service: real dialogs in the
// program, scripted answers in tests. Texts are Windows-1252 bytes.
class TUiService {
public:
    virtual ~TUiService() = default;
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned style) = 0;
};

// The service in use. Until one is installed, boxes go to standard error and answer as
// if the user took the first button.
TUiService& Ui();

// Installs a service for its own lifetime and puts the former one back afterwards.
class TScopedUiService {
public:
    explicit TScopedUiService(TUiService& service);
    ~TScopedUiService();
    TScopedUiService(const TScopedUiService&) = delete;
    TScopedUiService& operator=(const TScopedUiService&) = delete;

private:
    TUiService* previous_;
};

inline int MessageBox(const std::string& text, const std::string& caption, unsigned style)
{
    return Ui().MessageBox(text, caption, style);
}

} // namespace platform
