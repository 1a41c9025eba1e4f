#include "photoshop/bounded_connection.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <stop_token>

#include "common/worker_thread.h"
#include "photoshop/com_connection.h"
#include "photoshop/stoppable_clock.h"
#include "platform/com_apartment.h"
#include "platform/handle.h"
#include "ui/message_loop.h"

namespace vix {
namespace {

using Event = std::shared_ptr<platform::KernelHandle>;

Event NewEvent() {
    return std::make_shared<platform::KernelHandle>(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
}

// What a call that ended in a fault of its own leaves behind.
constexpr wchar_t kCallBroke[] = L"The call to Photoshop failed.";

}  // namespace

// The thread that makes the calls, in COM's multithreaded apartment, with
// its own connection. What the thread touches it shares: it may outlive the
// connection that started it, held in a call that Photoshop never answers.
class BoundedPhotoshopConnection::Worker {
  public:
    explicit Worker(BusyRetryPolicy policy) : state_(std::make_shared<State>(policy)) {
        thread_ = WorkerThread([state = state_](std::stop_token stop) { Body(*state, stop); });
    }
    ~Worker() { Leave(); }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Queues `call`; `done` is set once it has run.
    void Post(std::function<void(PhotoshopConnection&)> call, Event done) {
        {
            std::lock_guard lock(state_->mutex);
            state_->jobs.push_back({std::move(call), std::move(done)});
        }
        state_->queued.notify_one();
    }
    // Ends the retries and asks the thread to end after the call it is in,
    // without waiting for it.
    void Leave() {
        state_->clock.Stop();
        thread_.StopWithoutWaiting();
    }
    // Leave, then wait up to `ms` for the thread to have let Photoshop's
    // objects go.
    void Finish(DWORD ms) {
        Leave();
        if (*state_->ended) ::WaitForSingleObject(state_->ended->get(), ms);
    }

  private:
    struct Job {
        std::function<void(PhotoshopConnection&)> call;
        Event done;
    };
    struct State {
        explicit State(BusyRetryPolicy p) : policy(p) {}
        BusyRetryPolicy policy;
        StoppableClock clock;
        std::mutex mutex;
        std::condition_variable_any queued;
        std::deque<Job> jobs;
        Event ended = NewEvent();
    };

    static void Body(State& state, std::stop_token stop) {
        {
            // The calls block this thread only, so it needs no message loop;
            // should COM be unusable, every call fails and says why.
            platform::ComApartment apartment(platform::ApartmentKind::MultiThreaded);
            ComPhotoshopConnection connection(state.clock, state.policy);
            for (;;) {
                Job job;
                {
                    std::unique_lock lock(state.mutex);
                    if (!state.queued.wait(lock, stop, [&] { return !state.jobs.empty(); })) break;
                    job = std::move(state.jobs.front());
                    state.jobs.pop_front();
                }
                try {
                    job.call(connection);
                } catch (...) {
                    // The caller finds no answer and reports the call failed.
                }
                ::SetEvent(job.done->get());
            }
        }  // Photoshop's objects go while the apartment is still there.
        if (*state.ended) ::SetEvent(state.ended->get());
    }

    std::shared_ptr<State> state_;
    WorkerThread thread_;
};

BoundedPhotoshopConnection::BoundedPhotoshopConnection(BusyRetryPolicy policy) : policy_(policy) {}

BoundedPhotoshopConnection::~BoundedPhotoshopConnection() {
    if (worker_) worker_->Finish(kReleaseWaitMs);
}

BoundedPhotoshopConnection::Outcome BoundedPhotoshopConnection::Run(
    std::function<void(PhotoshopConnection&)> call) {
    const Event done = NewEvent();
    if (!*done) return Outcome::NoAnswer;
    if (!worker_) worker_ = std::make_shared<Worker>(policy_);
    worker_->Post(std::move(call), done);
    const ui::WaitEnd end = ui::WaitHandlingMessages(done->get(), policy_.boundMs + kAnswerGraceMs);
    if (end == ui::WaitEnd::Signalled) return Outcome::Answered;
    // The thread may stay in its call for good: the next call gets a new one.
    worker_->Leave();
    worker_.reset();
    return end == ui::WaitEnd::Quit ? Outcome::Quit : Outcome::NoAnswer;
}

std::wstring BoundedPhotoshopConnection::FailureText(Outcome outcome) const {
    if (outcome == Outcome::Quit) return L"The program is closing.";
    const std::uint32_t seconds = (policy_.boundMs + 999) / 1000;
    return L"Photoshop did not answer within " + std::to_wstring(seconds) +
           (seconds == 1 ? L" second." : L" seconds.");
}

CallResult BoundedPhotoshopConnection::CreateApplication() {
    auto result = std::make_shared<CallResult>(CallResult::Failed(kCallBroke));
    const Outcome outcome =
        Run([result](PhotoshopConnection& c) { *result = c.CreateApplication(); });
    return outcome == Outcome::Answered ? *result : CallResult::Failed(FailureText(outcome));
}

CallResult BoundedPhotoshopConnection::MakeVisible() {
    auto result = std::make_shared<CallResult>(CallResult::Failed(kCallBroke));
    const Outcome outcome = Run([result](PhotoshopConnection& c) { *result = c.MakeVisible(); });
    return outcome == Outcome::Answered ? *result : CallResult::Failed(FailureText(outcome));
}

CallResult BoundedPhotoshopConnection::GetActionControl() {
    auto result = std::make_shared<CallResult>(CallResult::Failed(kCallBroke));
    const Outcome outcome =
        Run([result](PhotoshopConnection& c) { *result = c.GetActionControl(); });
    return outcome == Outcome::Answered ? *result : CallResult::Failed(FailureText(outcome));
}

PlayResult BoundedPhotoshopConnection::Play(const ActionRequest& request) {
    auto result = std::make_shared<PlayResult>(PlayResult{true, kCallBroke});
    const Outcome outcome =
        Run([result, request](PhotoshopConnection& c) { *result = c.Play(request); });
    if (outcome == Outcome::Answered) return *result;
    PlayResult failed;
    failed.raised = true;
    failed.errorText = FailureText(outcome);
    return failed;
}

void BoundedPhotoshopConnection::ReleaseApplication() {
    // Without a thread there is no application: it went with the thread
    // that was left behind.
    if (worker_) Run([](PhotoshopConnection& c) { c.ReleaseApplication(); });
}

}  // namespace vix
