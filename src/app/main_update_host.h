#pragma once

#include "update/update_host.h"

// The main window as the update code sees it: the two update settings, the
// window to centre on, and closing.

namespace vix {

class Tvix_main;

class MainUpdateHost final : public UpdateHost {
  public:
    explicit MainUpdateHost(Tvix_main& main) : main_(main) {}

    std::wstring ProgramPath() const override;
    std::wstring UpdateFolder() const override;
    HWND DialogOwner() const override;
    void RunBehind(const std::function<void()>& dialog) override;
    std::wstring DeclinedVersions() const override;
    void StoreDeclinedVersions(const std::wstring& declined) override;
    std::int32_t UpdateProgramVersion() const override;
    void StoreUpdateProgramVersion(std::int32_t version) override;
    void CloseProgram() override;

  private:
    Tvix_main& main_;
};

}  // namespace vix
