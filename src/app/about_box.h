#pragma once

#include "ui/form.h"
#include "ui/image_button.h"
#include "ui/label.h"
#include "ui/panel.h"

// The About box: the logo, the version, the maker's notice and addresses.

namespace vix {

class TAbout final : public ui::ProgramForm {
  public:
    void Create(HWND owner) override;
    // Shown modally, centred on `mainWindow` until the help menu has asked
    // for it once; from then on centred on the screen.
    int ShowAbout(HWND mainWindow);
    void CenterOnScreenFromNowOn() { centreOnScreen_ = true; }

    const ui::Label& VersionLabel() {
        EnsureContent();
        return lblVersion;
    }

  protected:
    void CreateContent() override;
    void FormShow() override;

  private:
    void lblWebClick();

    ui::Panel pnlBand;
    ui::PictureBox imgLogo;
    ui::Label lblVersion;
    ui::Label lblNotice;
    ui::Label lblContact;
    ui::Label lblMail;
    ui::Label lblWeb;
    HWND btnOK = nullptr;
    bool centreOnScreen_ = false;
};

}  // namespace vix
