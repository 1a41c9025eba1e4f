// The program's automation connection against the fake Photoshop, which COM
// starts through its registration as it would start Photoshop.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "fake_photoshop_control.h"
#include "manual_clock.h"
#include "photoshop/com_connection.h"
#include "platform/com_apartment.h"

namespace vix::test {
namespace {

constexpr HRESULT kRefused = static_cast<HRESULT>(0x80080005);  // CO_E_SERVER_EXEC_FAILURE
constexpr HRESULT kPlayFailed = static_cast<HRESULT>(0x80042001);

class PhotoshopConnectionTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(FakePhotoshop::Register()); }
    void TearDown() override {
        // The action control outlives the export; the connection's end lets
        // the last reference go, and with it the server.
        connection.reset();
        EXPECT_TRUE(fake.WaitForExit());
    }
    void Connect() {
        ASSERT_TRUE(connection->CreateApplication().ok);
        ASSERT_TRUE(connection->MakeVisible().ok);
        ASSERT_TRUE(connection->GetActionControl().ok);
    }

    platform::ComApartment apartment;
    FakePhotoshop fake;
    ManualClock clock;
    std::unique_ptr<ComPhotoshopConnection> connection =
        std::make_unique<ComPhotoshopConnection>(clock, BusyRetryPolicy{2000, 100});
};

TEST_F(PhotoshopConnectionTest, SetColorArrivesByDispatchWithItsTree) {
    fake.Configure({});
    Connect();
    const auto request = PSSetColor(true, 255, 0, 0);
    const auto played = connection->Play(request);
    EXPECT_FALSE(played.raised) << ToUtf8(played.errorText);
    EXPECT_EQ(played.answer, PlayAnswer::Result);

    EXPECT_EQ(fake.Calls("Server", "Start").size(), 1u);
    EXPECT_EQ(fake.Calls("IPhotoshopApplication", "Visible.put").at(0)["value"], "-1");
    const auto plays = fake.Calls("IActionControl", "Play");
    ASSERT_EQ(plays.size(), 1u);
    EXPECT_EQ(plays[0].via, "dispatch");
    EXPECT_EQ(plays[0]["event"], "setd");
    EXPECT_EQ(plays[0]["mode"], "2");
    EXPECT_EQ(plays[0]["tree"], DescriptorText(*request.descriptor));
    const auto asked = fake.Calls("IActionDescriptor", "HasKey");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0]["key"], "Msge");
}

TEST_F(PhotoshopConnectionTest, EveryRequestKindArrivesIntact) {
    fake.Configure({});
    Connect();
    const ActionRequest requests[] = {
        PSSetColor(false, 1, 2.5, 254),
        PSNewDocument(L"Vix_Export \u00e9\t\"x\"", ps::kRgbMode, ps::kTransparent, 1, 1, 72.0),
        PSNewLayer(L"Vix_Export_Layer", ps::kNormal, true, 37.5),
        PSPaste(),
    };
    for (const auto& request : requests)
        EXPECT_FALSE(connection->Play(request).raised);
    const auto plays = fake.Calls("IActionControl", "Play");
    ASSERT_EQ(plays.size(), std::size(requests));
    for (std::size_t i = 0; i < std::size(requests); ++i) {
        const auto& request = requests[i];
        EXPECT_EQ(plays[i]["event"], FourCCText(request.event));
        EXPECT_EQ(plays[i]["tree"], request.descriptor ? DescriptorText(*request.descriptor) : "");
        EXPECT_EQ(plays[i]["descriptor"] == "none", !request.descriptor);
    }
    // The paste's answer is released unread.
    EXPECT_EQ(fake.Calls("IActionDescriptor", "HasKey").size(), 3u);
}

TEST_F(PhotoshopConnectionTest, AnswersAreReadAsTheResultRulesNeed) {
    struct Case {
        FakePhotoshopConfig::Answer answer;
        PlayAnswer read;
    };
    const Case cases[] = {
        {FakePhotoshopConfig::Answer::Result, PlayAnswer::Result},
        {FakePhotoshopConfig::Answer::Message, PlayAnswer::ResultWithMessage},
        {FakePhotoshopConfig::Answer::None, PlayAnswer::NoResult},
    };
    for (const auto& c : cases) {
        FakePhotoshopConfig config;
        config.playAnswer = c.answer;
        fake.Configure(config);
        // The server reads its configuration at each creation.
        Connect();
        EXPECT_EQ(connection->Play(PSNewLayer(L"L", ps::kNormal, false, 100)).answer, c.read);
        connection->ReleaseApplication();
    }
}

TEST_F(PhotoshopConnectionTest, FailuresComeBackWithTheirTexts) {
    FakePhotoshopConfig config;
    config.refuseCreate = static_cast<std::uint32_t>(kRefused);
    fake.Configure(config);
    const auto created = connection->CreateApplication();
    EXPECT_FALSE(created.ok);
    EXPECT_FALSE(created.errorText.empty());
    EXPECT_FALSE(connection->HasApplication());

    config = {};
    config.failVisible = static_cast<std::uint32_t>(E_ACCESSDENIED);
    config.failControl = static_cast<std::uint32_t>(E_OUTOFMEMORY);
    fake.Configure(config);
    ASSERT_TRUE(connection->CreateApplication().ok);
    EXPECT_FALSE(connection->MakeVisible().ok);
    EXPECT_FALSE(connection->GetActionControl().ok);
    EXPECT_FALSE(connection->HasActionControl());
    connection->ReleaseApplication();

    config = {};
    config.playError = static_cast<std::uint32_t>(kPlayFailed);
    fake.Configure(config);
    Connect();
    const auto played = connection->Play(PSSetColor(true, 1, 2, 3));
    EXPECT_TRUE(played.raised);
    EXPECT_NE(played.errorText.find(kFakePlayErrorText), std::wstring::npos)
        << ToUtf8(played.errorText);
}

TEST_F(PhotoshopConnectionTest, ABusyPhotoshopIsWaitedForWithinTheBound) {
    FakePhotoshopConfig config;
    config.busyCalls = 3;
    fake.Configure(config);
    ASSERT_TRUE(connection->CreateApplication().ok);
    EXPECT_TRUE(connection->MakeVisible().ok);
    EXPECT_EQ(clock.pauses, 3);
    connection->ReleaseApplication();

    // Past the bound the call fails like any other: 400 ms in pauses of
    // 100 ms are five tries, all of them turned away. The server is free
    // again for the releases, which a busy one would also turn away.
    config.busyCalls = 5;
    fake.Configure(config);
    ManualClock impatientClock;
    auto impatient =
        std::make_unique<ComPhotoshopConnection>(impatientClock, BusyRetryPolicy{400, 100});
    ASSERT_TRUE(impatient->CreateApplication().ok);
    EXPECT_FALSE(impatient->MakeVisible().ok);
    EXPECT_EQ(impatientClock.pauses, 4);
    EXPECT_EQ(fake.Calls("Filter", "RetryLater").size(), 5u);
    impatient.reset();
}

TEST_F(PhotoshopConnectionTest, TheActionControlOutlivesTheApplication) {
    fake.Configure({});
    Connect();
    connection->ReleaseApplication();
    EXPECT_FALSE(connection->HasApplication());
    EXPECT_TRUE(connection->HasActionControl());
    // A play needs only the control once descriptors are not asked for.
    EXPECT_FALSE(connection->Play(PSPaste()).raised);
}

}  // namespace
}  // namespace vix::test
