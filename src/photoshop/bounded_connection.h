#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "photoshop/busy_retry.h"
#include "photoshop/export_flow.h"

// Photoshop's automation with every call bounded in time. The calls, the
// activation that starts Photoshop among them, are made over COM on a thread
// of their own, while the calling (user-interface) thread handles its
// messages: the program's windows answer input all along. A call that has
// not ended when the bound has passed fails with its message, whether
// Photoshop turned it away as busy all that time or never answered; the
// thread held in it is left to end on its own, and the next call starts a
// new one. A quit seen while waiting ends the wait, and the busy retries, at
// once.

namespace vix {

class BoundedPhotoshopConnection final : public PhotoshopConnection {
  public:
    explicit BoundedPhotoshopConnection(BusyRetryPolicy policy = {});
    // Lets Photoshop's objects go on the calls' thread, waiting for that
    // at most kReleaseWaitMs: the program's end is not held up by a
    // Photoshop that no longer answers.
    ~BoundedPhotoshopConnection() override;
    BoundedPhotoshopConnection(const BoundedPhotoshopConnection&) = delete;
    BoundedPhotoshopConnection& operator=(const BoundedPhotoshopConnection&) = delete;

    CallResult CreateApplication() override;
    CallResult MakeVisible() override;
    CallResult GetActionControl() override;
    PlayResult Play(const ActionRequest& request) override;
    void ReleaseApplication() override;

  private:
    class Worker;
    enum class Outcome { Answered, NoAnswer, Quit };

    // Runs `call` on the calls' thread and waits for it within the bound.
    Outcome Run(std::function<void(PhotoshopConnection&)> call);
    std::wstring FailureText(Outcome outcome) const;

    BusyRetryPolicy policy_;
    std::shared_ptr<Worker> worker_;
};

// Past the bound the busy retries end by themselves and report; a call still
// running this much later is taken as never answering.
inline constexpr std::uint32_t kAnswerGraceMs = 500;
inline constexpr std::uint32_t kReleaseWaitMs = 2000;

}  // namespace vix
