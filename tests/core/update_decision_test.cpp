#include "update/update_decision.h"

#include <gtest/gtest.h>

#include "update/update_plan.h"

namespace vix {
namespace {

UpdateAnswer Answer(std::wstring_view text) {
    UpdateAnswer list;
    ParseUpdateAnswer(text, L';', list);
    return list;
}

TEST(ParseDecimal, SignAndDigitsOnly) {
    EXPECT_EQ(ParseDecimal(L"2"), 2);
    EXPECT_EQ(ParseDecimal(L"007"), 7);
    EXPECT_EQ(ParseDecimal(L"-1"), -1);
    EXPECT_EQ(ParseDecimal(L"+3"), 3);
    EXPECT_EQ(ParseDecimal(L"2147483647"), 2147483647);
    EXPECT_EQ(ParseDecimal(L"-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseDecimal(L"+0000000005"), 5);
    for (const wchar_t* bad :
         {L"", L"-", L"2 ", L" 2", L"2.0", L"0x10", L"$10", L"1e3", L"2147483648", L"-2147483649",
          L"99999999999999999999", L"\uFF12", L"000000000005", L"+00000000005"})
        EXPECT_FALSE(ParseDecimal(bad).has_value()) << bad;
}

TEST(ParseVersionNumber, NineDigitsAtMostAndNoSign) {
    EXPECT_EQ(ParseVersionNumber(L"0"), 0);
    EXPECT_EQ(ParseVersionNumber(L"02"), 2);
    EXPECT_EQ(ParseVersionNumber(L"999999999"), 999999999);
    for (const wchar_t* bad :
         {L"", L"-1", L"+1", L"1000000000", L"0000000001", L"1 ", L"1.2", L"3<b>", L"\uFF13"})
        EXPECT_FALSE(ParseVersionNumber(bad).has_value()) << bad;
}

struct DecisionCase {
    const wchar_t* answer;
    const wchar_t* dontNotify;
    UpdateVerdict verdict;
    const wchar_t* label;
};

constexpr DecisionCase kDecisions[] = {
    {L"majvers_availible=2;minvers_availible=1", L"", UpdateVerdict::Offer, L"Latest version: 2.1"},
    {L"majvers_availible=2;minvers_availible=0", L"", UpdateVerdict::NotNewer, L""},
    {L"majvers_availible=1;minvers_availible=9", L"", UpdateVerdict::NotNewer, L""},
    {L"majvers_availible=3;minvers_availible=0", L"", UpdateVerdict::Offer, L"Latest version: 3.0"},
    // Above our major number the minor one is read all the same: nothing
    // unread goes into the label or the tag.
    {L"majvers_availible=3", L"", UpdateVerdict::NotANumber, L""},
    {L"majvers_availible=3;minvers_availible=x", L"", UpdateVerdict::NotANumber, L""},
    {L"majvers_availible=3;minvers_availible=0<script>", L"", UpdateVerdict::NotANumber, L""},
    {L"majvers_availible=3;minvers_availible=;2.1", L"", UpdateVerdict::NotANumber, L""},
    {L"majvers_availible=3;minvers_availible=-4", L"", UpdateVerdict::NotANumber, L""},
    {L"majvers_availible=3;minvers_availible=1234567890", L"", UpdateVerdict::NotANumber, L""},
    {L"majvers_availible=2;minvers_availible=-4", L"", UpdateVerdict::NotANumber, L""},
    {L"majvers_availible=2;minvers_availible=1;", L"", UpdateVerdict::Offer,
     L"Latest version: 2.1"},
    {L"majvers_availible=2 ;minvers_availible=1", L"", UpdateVerdict::NotANumber, L""},
    {L"majvers_availible=2", L"", UpdateVerdict::NotANumber, L""},
    {L"minvers_availible=1", L"", UpdateVerdict::NotANumber, L""},
    {L"", L"", UpdateVerdict::NotANumber, L""},
    {L"<html>Not found</html>", L"", UpdateVerdict::NotANumber, L""},
    // Shown and tagged as read: "02" is 2.
    {L"MAJVERS_AVAILIBLE=02;Minvers_Availible=001", L"", UpdateVerdict::Offer,
     L"Latest version: 2.1"},
    {L"majvers_availible=02;minvers_availible=1", L";2.1", UpdateVerdict::Declined, L""},
    {L"majvers_availible=2;minvers_availible=1", L";2.1", UpdateVerdict::Declined, L""},
    {L"majvers_availible=2;minvers_availible=2", L";2.1", UpdateVerdict::Offer,
     L"Latest version: 2.2"},
    {L"majvers_availible=2;minvers_availible=1", L";1.9;2.1;3.", UpdateVerdict::Declined, L""},
    {L"majvers_availible=3;minvers_availible=0", L";3.0", UpdateVerdict::Declined, L""},
    // A plain substring test: ";2.1" is inside ";2.10".
    {L"majvers_availible=2;minvers_availible=1", L";2.10", UpdateVerdict::Declined, L""},
    {L"majvers_availible=2;minvers_availible=1", L"2.1", UpdateVerdict::Offer,
     L"Latest version: 2.1"},
};

TEST(DecideUpdate, VersionsTagAndLabel) {
    for (const auto& c : kDecisions) {
        const auto decision = DecideUpdate(Answer(c.answer), c.dontNotify);
        EXPECT_EQ(decision.verdict, c.verdict) << c.answer << " / " << c.dontNotify;
        EXPECT_EQ(decision.label, c.label) << c.answer << " / " << c.dontNotify;
    }
}

TEST(DecideUpdate, ComparesWithTheGivenVersion) {
    const auto answer = Answer(L"majvers_availible=3;minvers_availible=4");
    EXPECT_EQ(DecideUpdate(answer, L"", {3, 3}).verdict, UpdateVerdict::Offer);
    EXPECT_EQ(DecideUpdate(answer, L"", {3, 4}).verdict, UpdateVerdict::NotNewer);
    EXPECT_EQ(DecideUpdate(answer, L"", {4, 0}).verdict, UpdateVerdict::NotNewer);
}

TEST(RememberDeclined, GrowsByOneTagPerDeclinedVersion) {
    std::wstring dontNotify;
    const auto v21 = Answer(L"majvers_availible=2;minvers_availible=1");
    const auto v22 = Answer(L"majvers_availible=2;minvers_availible=02");
    const auto v3 = Answer(L"majvers_availible=3;minvers_availible=0");
    RememberDeclined(dontNotify, DecideUpdate(v21, dontNotify).offered);
    EXPECT_EQ(dontNotify, L";2.1");
    EXPECT_EQ(DecideUpdate(v21, dontNotify).verdict, UpdateVerdict::Declined);
    EXPECT_EQ(DecideUpdate(v22, dontNotify).verdict, UpdateVerdict::Offer);
    RememberDeclined(dontNotify, DecideUpdate(v22, dontNotify).offered);
    RememberDeclined(dontNotify, DecideUpdate(v3, dontNotify).offered);
    EXPECT_EQ(dontNotify, L";2.1;2.2;3.0");
    EXPECT_EQ(DecideUpdate(v3, dontNotify).verdict, UpdateVerdict::Declined);
    EXPECT_EQ(DecideUpdate(Answer(L"majvers_availible=3;minvers_availible=1"), dontNotify).verdict,
              UpdateVerdict::Offer);
}

// Only the very version fetched before is started again; a higher stored
// number (left by an answer that offered an old program under a huge
// number) does not stop the download of the version offered now.
TEST(PlanUpdate, DownloadsAnyUpdateProgramButTheOneFetchedBefore) {
    const auto answer =
        Answer(L"upgrade_program_version=5;upgrade_program_path=https://dl.example/u.exe");
    const auto plan = PlanUpdate(answer, 4);
    EXPECT_EQ(plan.step, UpdateStep::Download);
    EXPECT_EQ(plan.version, 5);
    EXPECT_EQ(plan.address.ToString(), L"https://dl.example/u.exe");
    EXPECT_EQ(PlanUpdate(answer, 5).step, UpdateStep::StartExisting);
    EXPECT_EQ(PlanUpdate(answer, 2147483647).step, UpdateStep::Download);
}

TEST(PlanUpdate, RefusesAnythingButACleanHttpsAddress) {
    for (const wchar_t* path :
         {L"http://dl.example/u.exe", L"HTTP://dl.example/u.exe", L"ftp://dl.example/u.exe",
          L"file://C:/u.exe", L"\\\\host\\share\\u.exe", L"https://dl.example/u.exe\r\n",
          L"https://user@dl.example/u.exe", L"u.exe", L""}) {
        const auto answer =
            Answer(std::wstring(L"upgrade_program_version=5;upgrade_program_path=") + path);
        EXPECT_EQ(PlanUpdate(answer, 0).step, UpdateStep::RefusedAddress) << path;
    }
}

TEST(PlanUpdate, VersionNumberIsCheckedBeforeTheAddress) {
    for (const wchar_t* text :
         {L"upgrade_program_path=https://dl.example/u.exe",
          L"upgrade_program_version=5 ;upgrade_program_path=https://dl.example/u.exe",
          L"upgrade_program_version=v5;upgrade_program_path=http://dl.example/u.exe"})
        EXPECT_EQ(PlanUpdate(Answer(text), 0).step, UpdateStep::NotANumber) << text;
}

// What of a bad number the error box repeats: short, printable, and marked
// where it was cut.
TEST(UnreadableVersionMessage, QuotesOnlyAShortPrintablePart) {
    struct Case {
        std::wstring sent;
        std::wstring shown;
    };
    const Case cases[] = {
        {L"v5", L"'v5' is not a valid integer value"},
        {L"", L"'' is not a valid integer value"},
        {L"5\r\nMore\u202Etxt", L"'5??More?txt' is not a valid integer value"},
        {std::wstring(16, L'9'), L"'" + std::wstring(16, L'9') + L"' is not a valid integer value"},
        {std::wstring(17, L'9'),
         L"'" + std::wstring(16, L'9') + L"...' is not a valid integer value"},
        {std::wstring(5000, L'x'),
         L"'" + std::wstring(16, L'x') + L"...' is not a valid integer value"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UnreadableVersionMessage(c.sent), c.shown) << c.sent.size();
}

}  // namespace
}  // namespace vix
