#include "update/update_answer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vix {
namespace {

using Items = std::vector<std::pair<std::wstring, std::wstring>>;

Items Parse(std::wstring_view text, wchar_t separator = L';') {
    UpdateAnswer list;
    ParseUpdateAnswer(text, separator, list);
    Items items;
    for (const auto& item : list.items())
        items.emplace_back(item.name, item.value);
    return items;
}

TEST(ParseUpdateAnswer, SplitsItemsAtTheSeparatorAndNamesAtTheFirstEquals) {
    EXPECT_EQ(Parse(L"majvers_availible=2;minvers_availible=1"),
              (Items{{L"majvers_availible", L"2"}, {L"minvers_availible", L"1"}}));
    EXPECT_EQ(Parse(L"upgrade_program_path=https://h/u.exe?a=b=c"),
              (Items{{L"upgrade_program_path", L"https://h/u.exe?a=b=c"}}));
}

TEST(ParseUpdateAnswer, TrailingSeparatorParsesTheSame) {
    EXPECT_EQ(Parse(L"majvers_availible=2;minvers_availible=1;"),
              Parse(L"majvers_availible=2;minvers_availible=1"));
}

TEST(ParseUpdateAnswer, NothingIsTrimmed) {
    EXPECT_EQ(Parse(L" a = 2 ;b=1\r\n"), (Items{{L" a ", L" 2 "}, {L"b", L"1\r\n"}}));
}

TEST(ParseUpdateAnswer, ItemWithoutEqualsHasAnEmptyNameAndTheWholeItemAsValue) {
    EXPECT_EQ(Parse(L"hello;a=1"), (Items{{L"", L"hello"}, {L"a", L"1"}}));
    // The second such item replaces the first: both set the empty name.
    EXPECT_EQ(Parse(L"hello;world"), (Items{{L"", L"world"}}));
}

TEST(ParseUpdateAnswer, EmptyValueRemovesTheName) {
    EXPECT_EQ(Parse(L"a=1;b=2;a="), (Items{{L"b", L"2"}}));
    EXPECT_EQ(Parse(L"a="), Items{});
    // An empty item in the middle sets the empty name to nothing: it removes
    // an earlier item without "=".
    EXPECT_EQ(Parse(L"junk;;a=1"), (Items{{L"a", L"1"}}));
}

TEST(ParseUpdateAnswer, LaterItemReplacesAnEarlierOneOfTheSameNameInAnyCase) {
    EXPECT_EQ(Parse(L"MajVers_Availible=2;majvers_availible=3"),
              (Items{{L"MajVers_Availible", L"3"}}));
}

TEST(ParseUpdateAnswer, EmptyTextAndLoneSeparatorsGiveNothing) {
    EXPECT_EQ(Parse(L""), Items{});
    EXPECT_EQ(Parse(L";;;"), Items{});
}

TEST(ParseUpdateAnswer, UsesTheGivenSeparator) {
    EXPECT_EQ(Parse(L"a=1,b=2;c", L','), (Items{{L"a", L"1"}, {L"b", L"2;c"}}));
}

TEST(ParseUpdateAnswer, AddsToWhatTheListHolds) {
    UpdateAnswer list;
    list.Set(L"kept", L"x");
    list.Set(L"a", L"old");
    ParseUpdateAnswer(L"a=new", L';', list);
    EXPECT_EQ(list.Value(L"kept"), L"x");
    EXPECT_EQ(list.Value(L"A"), L"new");
}

TEST(UpdateAnswerList, LookupIgnoresLetterCaseOnly) {
    UpdateAnswer list;
    list.Set(L"upgrade_program_version", L"7");
    EXPECT_EQ(list.Value(L"UPGRADE_PROGRAM_VERSION"), L"7");
    EXPECT_TRUE(list.Has(L"Upgrade_Program_Version"));
    EXPECT_FALSE(list.Has(L"upgrade_program_version "));
    EXPECT_EQ(list.Value(L"missing"), L"");
}

TEST(DecodeAnswerBody, ReadsUtf8UpToTheLimit) {
    EXPECT_EQ(DecodeAnswerBody("majvers_availible=2"), L"majvers_availible=2");
    EXPECT_EQ(DecodeAnswerBody("a=\xC3\xA9"), L"a=\u00e9");
    EXPECT_EQ(DecodeAnswerBody("a=\xFF"), L"a=\uFFFD");
    EXPECT_TRUE(DecodeAnswerBody(std::string(kMaxAnswerBytes, 'x')).has_value());
    EXPECT_FALSE(DecodeAnswerBody(std::string(kMaxAnswerBytes + 1, 'x')).has_value());
}

}  // namespace
}  // namespace vix
