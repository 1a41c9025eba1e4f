// Hand-offs from worker threads to an owning thread, and the worker owner's
// shutdown: no wait outlasts the owner, no worker outlives its owner.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "common/sync_call_queue.h"
#include "common/worker_thread.h"

namespace vix {
namespace {

using namespace std::chrono_literals;

// A hang is this suite's failure: end the run with a message instead.
class Watchdog {
  public:
    explicit Watchdog(const char* what)
        : thread_([what](std::stop_token stop) {
              const auto end = std::chrono::steady_clock::now() + 20s;
              while (!stop.stop_requested()) {
                  if (std::chrono::steady_clock::now() > end) {
                      std::fprintf(stderr, "deadlock: %s\n", what);
                      std::abort();
                  }
                  std::this_thread::sleep_for(10ms);
              }
          }) {}

  private:
    std::jthread thread_;
};

// The owner's side: a queue whose wake-ups are counted, and a pump that
// runs what is queued until a condition holds.
class Owner {
  public:
    SyncCallQueue queue{[this] {
        ++wakes;
        return wakeWorks.load();
    }};
    std::atomic<int> wakes{0};
    std::atomic<bool> wakeWorks{true};

    template <typename F>
    void PumpUntil(F done) {
        while (!done()) {
            queue.RunPending();
            std::this_thread::sleep_for(1ms);
        }
    }
};

TEST(SyncCall, TheWorkerWaitsUntilTheOwnerHasRunTheCall) {
    Watchdog dog("plain call");
    Owner owner;
    const auto ownerId = std::this_thread::get_id();
    std::atomic<bool> ranOnOwner{false};
    std::atomic<bool> returned{false};
    CallOutcome outcome = CallOutcome::Cancelled;
    WorkerThread worker([&](std::stop_token stop) {
        outcome = owner.queue.Call(
            [&] {
                std::this_thread::sleep_for(50ms);
                ranOnOwner = std::this_thread::get_id() == ownerId;
            },
            stop);
        // Only now, after the call has run.
        returned = ranOnOwner.load();
    });
    owner.PumpUntil([&] { return !worker.running(); });
    worker.Stop();
    EXPECT_EQ(outcome, CallOutcome::Ran);
    EXPECT_TRUE(ranOnOwner);
    EXPECT_TRUE(returned) << "the worker went on before the call had run";
    EXPECT_EQ(owner.wakes, 1);
}

TEST(SyncCall, AnErrorOfTheCallIsRaisedInTheWorker) {
    Watchdog dog("error");
    Owner owner;
    std::string caught;
    WorkerThread worker([&](std::stop_token stop) {
        try {
            owner.queue.Call([] { throw std::runtime_error("no such version"); }, stop);
        } catch (const std::runtime_error& e) {
            caught = e.what();
        }
    });
    owner.PumpUntil([&] { return !worker.running(); });
    worker.Stop();
    EXPECT_EQ(caught, "no such version");
    EXPECT_FALSE(worker.error());
}

TEST(SyncCall, ClosingReleasesAWaitingWorkerAndTheCallNeverRuns) {
    Watchdog dog("close");
    Owner owner;
    std::atomic<bool> ran{false};
    CallOutcome outcome = CallOutcome::Ran;
    WorkerThread worker(
        [&](std::stop_token stop) { outcome = owner.queue.Call([&] { ran = true; }, stop); });
    while (owner.wakes == 0)
        std::this_thread::sleep_for(1ms);
    owner.queue.Close();  // the owner stops without handling it
    worker.Stop();
    owner.queue.RunPending();
    EXPECT_EQ(outcome, CallOutcome::Cancelled);
    EXPECT_FALSE(ran);
    EXPECT_EQ(owner.queue.Call([&] { ran = true; }), CallOutcome::Cancelled)
        << "closed: not even the owner's own calls run";
    EXPECT_FALSE(ran);
}

TEST(SyncCall, StoppingTheOwnerOfAWaitingWorkerNeitherHangsNorRunsTheCall) {
    // The user-interface thread leaves its message loop while the worker
    // waits for it, and destroys the worker's owner without pumping again.
    Watchdog dog("stop while waiting");
    Owner owner;
    std::atomic<bool> ran{false};
    std::atomic<bool> leftWait{false};
    {
        WorkerThread worker([&](std::stop_token stop) {
            EXPECT_EQ(owner.queue.Call([&] { ran = true; }, stop), CallOutcome::Cancelled);
            leftWait = true;
        });
        while (owner.wakes == 0)
            std::this_thread::sleep_for(1ms);
    }
    EXPECT_TRUE(leftWait) << "the owner went while its worker was still there";
    owner.queue.RunPending();
    EXPECT_FALSE(ran) << "a call whose worker has gone must not run";
}

TEST(SyncCall, StoppingTheWorkerFromInsideItsOwnCallDoesNotHang) {
    // The update dialog runs inside the hand-off; closing the program from
    // its nested loop stops the worker that waits for that very call.
    Watchdog dog("stop from inside the call");
    Owner owner;
    WorkerThread worker;
    std::atomic<bool> workerLeft{false};
    bool callFinished = false;
    worker = WorkerThread([&](std::stop_token stop) {
        EXPECT_EQ(owner.queue.Call(
                      [&] {
                          worker.Stop();
                          callFinished = true;
                      },
                      stop),
                  CallOutcome::Cancelled);
        workerLeft = true;
    });
    owner.PumpUntil([&] { return callFinished; });
    EXPECT_TRUE(workerLeft);
    EXPECT_FALSE(worker.running());
}

// A body held in a call that no stop reaches (a network read under Wine):
// the owner does not wait for it, and the body ends later on what it shares.
TEST(WorkerThread, StoppingWithoutWaitingLeavesAStuckBodyToEndOnItsOwn) {
    Watchdog dog("stop without waiting");
    struct Shared {
        std::atomic<bool> release{false};
        std::atomic<bool> sawStop{false};
        std::atomic<bool> ended{false};
    };
    const auto shared = std::make_shared<Shared>();
    {
        WorkerThread worker([shared](std::stop_token stop) {
            while (!shared->release)
                std::this_thread::sleep_for(1ms);
            shared->sawStop = stop.stop_requested();
            shared->ended = true;
        });
        worker.StopWithoutWaiting();
        EXPECT_FALSE(worker.running());
        EXPECT_FALSE(worker.error());
        worker.Stop();  // and the owner's end: nothing left to wait for
    }
    EXPECT_FALSE(shared->ended);
    shared->release = true;
    while (!shared->ended)
        std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(shared->sawStop);
}

TEST(SyncCall, AWakeThatCannotBeDeliveredCancelsTheCall) {
    Watchdog dog("failed wake");
    Owner owner;
    owner.wakeWorks = false;
    std::atomic<bool> ran{false};
    CallOutcome outcome = CallOutcome::Ran;
    WorkerThread worker(
        [&](std::stop_token stop) { outcome = owner.queue.Call([&] { ran = true; }, stop); });
    worker.Stop();
    owner.queue.RunPending();
    EXPECT_EQ(outcome, CallOutcome::Cancelled);
    EXPECT_FALSE(ran);
}

TEST(SyncCall, OnTheOwnersThreadTheCallSimplyRuns) {
    Owner owner;
    int runs = 0;
    EXPECT_EQ(owner.queue.Call([&] { ++runs; }), CallOutcome::Ran);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(owner.wakes, 0);
}

TEST(SyncCall, CallsOfSeveralWorkersEachRunOnceInTheOrderQueued) {
    Watchdog dog("several workers");
    Owner owner;
    std::vector<int> order;  // touched on the owner's thread only
    std::vector<WorkerThread> workers;
    for (int w = 0; w < 4; ++w)
        workers.emplace_back([&, w](std::stop_token stop) {
            for (int i = 0; i < 25; ++i)
                owner.queue.Call([&order, w, i] { order.push_back(w * 100 + i); }, stop);
        });
    owner.PumpUntil([&] { return order.size() == 100; });
    for (auto& worker : workers)
        worker.Stop();
    for (int w = 0; w < 4; ++w) {
        int last = -1;
        for (int v : order)
            if (v / 100 == w) {
                EXPECT_EQ(v % 100, last + 1) << "worker " << w;
                last = v % 100;
            }
        EXPECT_EQ(last, 24);
    }
}

TEST(WorkerThread, WhatEscapesTheBodyIsKeptAndRunningEnds) {
    WorkerThread worker([](std::stop_token) { throw std::logic_error("lost connection"); });
    worker.Stop();
    EXPECT_FALSE(worker.running());
    ASSERT_TRUE(worker.error());
    EXPECT_THROW(std::rethrow_exception(worker.error()), std::logic_error);
}

TEST(WorkerThread, StopAsksTheBodyToEndAndWaitsForIt) {
    std::atomic<bool> ended{false};
    WorkerThread worker([&](std::stop_token stop) {
        while (!stop.stop_requested())
            std::this_thread::sleep_for(1ms);
        std::this_thread::sleep_for(30ms);
        ended = true;
    });
    EXPECT_TRUE(worker.running());
    worker.Stop();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(worker.running());
    worker.Stop();  // twice is harmless
}

}  // namespace
}  // namespace vix
