#pragma once
// Dialog base: `this` is stored at WM_INITDIALOG and cleared when the window dies, so late
// messages never reach a destroyed object. Modal runs use our own loop (pre-translation first,
// then IsDialogMessage, then translate and dispatch) with the owner disabled meanwhile.
#include "win/Message.h"

namespace huex::win {

class Dialog {
  public:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();

    // Runs until the window is destroyed; returns the code given to endDialog (0 when the window
    // went away otherwise, -1 when it could not be created). An exception thrown by a handler
    // destroys the window and leaves this function.
    INT_PTR runModal(HWND owner);
    // Creates the window without running it (tests, embedding).
    HWND create(HWND owner);
    // Ends the modal run: records the code and destroys the window.
    void endDialog(INT_PTR code);
    [[nodiscard]] HWND hwnd() const { return hwnd_; }
    [[nodiscard]] int templateId() const { return templateId_; }

    // Keyboard shortcuts, hot keys and posted commands are taken here before normal dispatch.
    virtual bool preTranslateMessage(MSG& /*msg*/) { return false; }

  protected:
    // A template built in memory, used instead of the resource; it must outlive create().
    void setTemplateData(const void* data) { templateData_ = data; }
    virtual BOOL onInitDialog() { return TRUE; }
    // One switch per class; true when taken.
    virtual bool onMessage(Message& /*m*/) { return false; }
    virtual void onDestroyed() {}

  private:
    static INT_PTR CALLBACK procedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) noexcept;
    INT_PTR handle(UINT id, WPARAM wParam, LPARAM lParam);
    void enableOwner();
    int templateId_;
    const void* templateData_ = nullptr;
    HWND hwnd_ = nullptr;
    INT_PTR endCode_ = 0;
    HWND disabledOwner_ = nullptr; // the owner a modal run disabled, until it is enabled again
};

} // namespace huex::win
