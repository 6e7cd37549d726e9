#pragma once
// The About box: the program's name and terms, and links to its e-mail and web addresses.
#include "controls/CHyperLink.h"
#include "win/Dialog.h"
#include "win/Handles.h"

namespace huex {

class AboutDialog : public win::Dialog {
  public:
    AboutDialog();

    CHyperLink emailLink, webLink;

  protected:
    BOOL onInitDialog() override;
    bool onMessage(win::Message& m) override;

  private:
    void showPictureForDpi();
    win::UniqueBitmap picture_;
};

} // namespace huex
