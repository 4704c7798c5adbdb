#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QColor;
class QDialog;
class QPrinter;
class QWidget;

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
    MB_ICONHAND = MB_ICONERROR,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONEXCLAMATION = MB_ICONWARNING,
    MB_ICONINFORMATION = 0x40,
};

// The screen cursor, with the numbers of the class library.
using TCursor = std::int32_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crHourGlass = -11;

// What a progress dialog shows: caption, message text and the number of steps.
struct TProgressInfo {
    std::string caption;
    std::string text;
    std::int32_t stepCount = 0;
};

// What a file dialog starts with and, after OK, what the user chose. The filter is in the form
// "Text-Dateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*": pairs of a description and its patterns,
// separated by "|"; FilterIndex counts the pairs from 1.
struct TFileDialogInfo {
    std::string Title;
    std::string Filter;
    std::int32_t FilterIndex = 1;
    std::string InitialDir;
    std::string FileName; // in: proposed; out: the chosen path
    std::string DefaultExt; // without the dot; added to a chosen name that has no extension
    std::uint32_t Options = 0; // a set of the ofXxx bits below
};

// Options of a file dialog, with the numbers Windows gives them. An open dialog always asks for
// a file that exists; a dialog can always be resized.
enum : std::uint32_t {
    ofOverwritePrompt = 0x00000002, // save: asks before a file that exists is chosen
    ofPathMustExist = 0x00000800,
    ofFileMustExist = 0x00001000,
    ofNoReadOnlyReturn = 0x00008000, // a write-protected file cannot be chosen
    ofEnableSizing = 0x00800000,
};

// Everything that asks or tells the user goes through this service: real dialogs in the
// program, scripted answers in tests. Texts are Windows-1252 bytes.
class TUiService {
public:
    virtual ~TUiService() = default;

    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned style) = 0;

    // The detailed error box: a heading text under the caption, the detail text on demand, and
    // where the failure happened (source file, line, qualified operation name).
    virtual int ShowDetailMessageBox(const std::string& text, const std::string& caption,
                                     const std::string& detail, const std::string& file,
                                     std::int32_t line, const std::string& function, unsigned style) = 0;

    virtual TCursor ScreenCursor() const = 0;
    virtual void SetScreenCursor(TCursor cursor) = 0;

    // The one progress dialog. Start opens it (or takes the new texts when it is open); the
    // cancel action runs when the user cancels. Step shows a step with the given texts and
    // step count and does nothing while the dialog is closed; Stop closes it and may be called
    // when it is closed.
    virtual void StartProgress(const TProgressInfo& info, std::function<void()> onCancel) = 0;
    virtual void SetProgress(std::int32_t step, const TProgressInfo& info) = 0;
    virtual void StopProgress() = 0;

    // Runs the dialog modally and answers its result, with the Windows numbers (1 OK,
    // 2 Cancel, ...). Without a real service: 2, the dialog never shown.
    virtual int ShowModal(QDialog& dialog);
    // Asks for one line of text: true, with value replaced, on OK; false, value unchanged, on
    // Cancel.
    virtual bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);
    // The file dialogs: true, with info.FileName and info.FilterIndex set, when the user chose a
    // file; false on Cancel.
    virtual bool OpenFileDialog(TFileDialogInfo& info);
    virtual bool SaveFileDialog(TFileDialogInfo& info);
    // The colour dialog, starting on the colour, with the custom colours in its first places:
    // true, with the colour replaced, when the user chose one; false on Cancel.
    virtual bool ChooseColor(QColor& color, const std::vector<QColor>& customColors);
    // The printer set-up dialog on the printer: true, with the printer set up, on OK; false on
    // Cancel. Without a real service: false.
    virtual bool PrinterSetup(QPrinter& printer);
    // Shows the window without waiting for it (a preview that stays open beside the program).
    // Without a real service the window is not shown.
    virtual void ShowWindow(QWidget& window);
    // The printer dialog on the printer: true, with the printer set up, when the user chose to
    // print; false on Cancel. Without a real service: false.
    virtual bool PrintDialog(QPrinter& printer);
    // Has the desktop open the file (a program is started with the parameters); false when
    // that failed.
    virtual bool ShellOpen(const std::string& file, const std::string& parameters);
};

// The service in use. Until one is installed, boxes go to standard error and answer as
// if the user took the first button; cursor and progress are only remembered.
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

inline int ShowDetailMessageBox(const std::string& text, const std::string& caption,
                                const std::string& detail, const std::string& file, std::int32_t line,
                                const std::string& function, unsigned style)
{
    return Ui().ShowDetailMessageBox(text, caption, detail, file, line, function, style);
}

inline void SetScreenCursor(TCursor cursor)
{
    Ui().SetScreenCursor(cursor);
}

} // namespace platform
