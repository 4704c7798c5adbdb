#pragma once

#include <cstdint>
#include <memory>
#include <string>

class TEts2Cdi;

// The host's progress meter of one operation (an import, a copy), shown in the editor's progress
// dialog from construction to destruction. A position shows with the texts set before it; the
// user's cancel is kept until asked.
class TEtsProgressDialog {
public:
    static constexpr std::int32_t PositionCount = 100;

    // meter: the host's meter the operation opened.
    TEtsProgressDialog(TEts2Cdi* link, std::int32_t meter);
    ~TEtsProgressDialog();
    TEtsProgressDialog(const TEtsProgressDialog&) = delete;
    TEtsProgressDialog& operator=(const TEtsProgressDialog&) = delete;

    // 0 to 100.
    void EtsMeterSetPosition(std::uint16_t position);
    // The main text and the two detail lines below it.
    void EtsMeterSetText(const std::string& text) { text_ = text; }
    void EtsMeterSetText1(const std::string& text) { text1_ = text; }
    void EtsMeterSetText2(const std::string& text) { text2_ = text; }
    // True once the user has cancelled.
    bool EtsGetAbortFlag() const { return *aborted_; }

    TEts2Cdi* Link() const { return link_; }
    std::int32_t Meter() const { return meter_; }

private:
    // The main text and the detail lines that are set, one per line.
    std::string ShownText() const;

    TEts2Cdi* link_;
    std::int32_t meter_;
    std::string text_;
    std::string text1_;
    std::string text2_;
    // Shared with the dialog's cancel action, which may outlive this object in the dialog.
    std::shared_ptr<bool> aborted_ = std::make_shared<bool>(false);
};
