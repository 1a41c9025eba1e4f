// The user-interface tables refuse every thread but the one that owns them.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "ui/skin.h"
#include "ui/ui_thread.h"

namespace vix::ui {
namespace {

std::atomic<int> faults{0};
void CountFault() { ++faults; }

class UiThread : public ::testing::Test {
  protected:
    void SetUp() override {
        faults = 0;
        previous_ = SetWrongThreadHandler(&CountFault);
    }
    void TearDown() override { SetWrongThreadHandler(previous_); }

  private:
    WrongThreadHandler previous_ = nullptr;
};

TEST_F(UiThread, TheTestsOwnThreadMayUseTheTables) {
    SkinFont(FontId::Main);
    SkinPicture(L"NO SUCH PICTURE");
    EXPECT_EQ(faults, 0);
}

TEST_F(UiThread, AWorkerTouchingATableIsCaughtEachTime) {
    SkinFont(FontId::Main);  // this thread owns the tables
    std::thread worker([] {
        SkinFont(FontId::Main);
        SkinPicture(L"NO SUCH PICTURE");
    });
    worker.join();
    EXPECT_EQ(faults, 2);
}

}  // namespace
}  // namespace vix::ui
