#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string_view>
#include <vector>

#include "photoshop/busy_retry.h"
#include "photoshop/export_flow.h"
#include "platform/com_ptr.h"
#include "platform/variant.h"

// Photoshop's automation over COM: the class registered for
// "Photoshop.Application", started as a local server.
//
// Every call goes through IDispatch by dispatch id rather than through the
// interfaces' vtables. IDispatch is marshalled by the system's own proxy,
// so the calls work whatever type library the installed Photoshop has
// registered (its version number differs between releases) and whatever
// the per-user registration of the chosen version left of the interface
// keys; a vtable call would need the matching type library to be
// registered for the proxy of each interface.

namespace vix {

class ComPhotoshopConnection final : public PhotoshopConnection {
  public:
    // `clock` paces the retries of calls that Photoshop rejects as busy.
    explicit ComPhotoshopConnection(RetryClock& clock, BusyRetryPolicy policy = {});

    CallResult CreateApplication() override;
    CallResult MakeVisible() override;
    CallResult GetActionControl() override;
    PlayResult Play(const ActionRequest& request) override;
    void ReleaseApplication() override;

    bool HasApplication() const { return static_cast<bool>(application_); }
    bool HasActionControl() const { return static_cast<bool>(control_); }

  private:
    // One Invoke; `arguments` in the method's order, owned by the caller.
    // A busy rejection is tried again within the policy; a failure raises
    // platform::ComError.
    platform::Variant Call(IDispatch* object, DISPID id, WORD flags, std::vector<VARIANT> arguments,
                           std::wstring_view operation);
    platform::ComPtr<IDispatch> Make(DISPID id, std::wstring_view operation);
    platform::ComPtr<IDispatch> Build(const ActionReference& tree);
    platform::ComPtr<IDispatch> Build(const ActionDescriptor& tree);
    void Put(IDispatch* descriptor, const ActionItem& item);
    PlayAnswer Answer(const platform::Variant& result);

    RetryClock& clock_;
    BusyRetryPolicy policy_;
    platform::ComPtr<IDispatch> application_;  // PSApplication: one export long
    platform::ComPtr<IDispatch> control_;      // PSActionControl: kept until replaced
};

}  // namespace vix
