#pragma once
// A static text made into a link: underlined, coloured by state, the hand cursor, a tooltip with
// the target, opened with the shell on a click or Space.
#include "controls/LinkRules.h"
#include "win/Control.h"
#include "win/Handles.h"

#include <commctrl.h>

#include <functional>
#include <string>

namespace huex {

class CHyperLink : public win::Control {
  public:
    // Opens a target with a show command; a shell result code (above 32 on success).
    using Opener = std::function<int(const std::wstring& target, int show)>;
    // Tells the user that a link could not be opened.
    using FailureReport = std::function<void(HWND link, const std::wstring& message)>;

    CHyperLink();
    ~CHyperLink() override;

    void SetURL(const std::wstring& url);
    [[nodiscard]] const std::wstring& url() const { return url_; }
    void setOptions(unsigned options) { options_ = options; }
    [[nodiscard]] unsigned options() const { return options_; }
    [[nodiscard]] LinkState state() const { return state_; }
    [[nodiscard]] HWND tooltip() const { return tooltip_; }
    [[nodiscard]] COLORREF textColour() const { return linkTextColour(state_, options_); }
    // The shell and a message box unless replaced (tests replace both).
    void setOpener(Opener opener) { opener_ = std::move(opener); }
    void setFailureReport(FailureReport report) { failureReport_ = std::move(report); }

    // Opens the target now; on failure a beep and the report.
    void open();

    bool onReflected(win::Message& m) override;

  protected:
    bool onMessage(win::Message& m) override;
    void onAttached() override;

  private:
    void sizeToText();
    void hoverStep(LPARAM clientPoint);
    void repaint() const;
    void updateTip();
    TTTOOLINFOW tipTool();

    LinkState state_;
    unsigned options_ = defaultLinkOptions;
    std::wstring url_;
    win::UniqueFont linkFont_;
    HWND tooltip_ = nullptr;
    HCURSOR handCursor_ = nullptr; // the system's, never freed
    Opener opener_;
    FailureReport failureReport_;
};

} // namespace huex
