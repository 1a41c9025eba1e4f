#include "tools/command_line.h"

#include <gtest/gtest.h>

#include "common/utf16.h"

namespace vix {
namespace {

using Action = CommandLine::Action;
using Format = CaptureFileFormat;
using Args = std::vector<std::wstring>;

TEST(CommandLine, NoArgumentsStartsTheProgramAndAQuestionMarkWinsOverTheOtherOptions) {
    EXPECT_EQ(ParseCommandLine({}).action, Action::Start);
    for (const Args& args : {Args{L"/?"}, Args{L"-?"}, Args{L"/HELP"},
                             Args{L"/capture", L"screen", L"/?"}, Args{L"/pick", L"1,2", L"-?"}})
        EXPECT_EQ(ParseCommandLine(args).action, Action::Usage) << ToUtf8(args.back());
}

TEST(CommandLine, ACaptureOrAPickIsReadWithItsOptionsInAnyOrderAndCase) {
    // The command's fields in order: source, region, delay, cursor, file, format.
    const std::pair<Args, CaptureCommand> cases[] = {
        {{L"/capture", L"screen", L"/delay", L"0", L"/out", L"\u00e9t\u00e9.png"},
         {CaptureSource::Screen, {}, 0, false, L"\u00e9t\u00e9.png", Format::Png}},
        {{L"-CAPTURE", L"Window", L"-Out", L"C:\\b c\\shot.JPEG", L"/Delay", L"60", L"/CURSOR"},
         {CaptureSource::Window, {}, 60, true, L"C:\\b c\\shot.JPEG", Format::Jpeg}},
        // A monitor left of the primary one lies at negative coordinates.
        {{L"/out", L"r.tif", L"/capture", L"-1280,-20,300,200"},
         {CaptureSource::Region, {-1280, -20, -980, 180}, 0, false, L"r.tif", Format::Tiff}},
        {{L"/capture", L"0,0,1,1", L"/out", L"a.png"},
         {CaptureSource::Region, {0, 0, 1, 1}, 0, false, L"a.png", Format::Png}}};
    for (const auto& [args, capture] : cases) {
        const CommandLine line = ParseCommandLine(args);
        ASSERT_EQ(line.action, Action::Capture) << ToUtf8(line.error);
        EXPECT_EQ(line.capture, capture) << ToUtf8(capture.outFile);
    }
    const CommandLine pick = ParseCommandLine({L"/PICK", L"-5,+7"});
    ASSERT_EQ(pick.action, Action::Pick) << ToUtf8(pick.error);
    EXPECT_EQ(pick.pickAt, (Point{-5, 7}));
}

TEST(CommandLine, TheFileFormatIsTheFileNamesEndingInAnyCase) {
    const std::pair<const wchar_t*, std::optional<Format>> cases[] = {
        {L"a.png", Format::Png},  {L"a.JPG", Format::Jpeg},  {L"a.Jpeg", Format::Jpeg},
        {L"a.tif", Format::Tiff}, {L"a.TIFF", Format::Tiff}, {L".png", std::nullopt},
        {L"a.bmp", std::nullopt}, {L"apng", std::nullopt}};
    for (const auto& [name, format] : cases)
        EXPECT_EQ(FormatByEnding(name), format) << ToUtf8(name);
}

TEST(CommandLine, EveryFaultIsAnErrorOfOneLineNamingIt) {
    const std::pair<Args, const wchar_t*> cases[] = {
        {{L"/capture", L"screen"}, L"/out FILE"},
        {{L"/capture", L"screen", L"/out"}, L"/out needs a value"},
        {{L"/capture", L"desk", L"/out", L"a.png"}, L"\"desk\""},
        {{L"/capture", L"1,2,3,4,5", L"/out", L"a.png"}, L"\"1,2,3,4,5\""},
        {{L"/capture", L"1,,3,4", L"/out", L"a.png"}, L"\"1,,3,4\""},
        {{L"/capture", L"0,0,0,10", L"/out", L"a.png"}, L"width and height"},
        {{L"/capture", L"0,0,10,-4", L"/out", L"a.png"}, L"width and height"},
        {{L"/capture", L"2147483000,0,1000,10", L"/out", L"a.png"}, L"beyond"},
        {{L"/capture", L"99999999999,0,10,10", L"/out", L"a.png"}, L"99999999999"},
        {{L"/capture", L"screen", L"/out", L"a.bmp"}, L"\"a.bmp\""},
        {{L"/capture", L"screen", L"/delay", L"61", L"/out", L"a.png"}, L"0 to 60"},
        {{L"/capture", L"screen", L"/delay", L"-1", L"/out", L"a.png"}, L"\"-1\""},
        {{L"/capture", L"screen", L"/delay", L"2.5", L"/out", L"a.png"}, L"\"2.5\""},
        {{L"/capture", L"screen", L"/capture", L"window", L"/out", L"a.png"}, L"twice"},
        {{L"/capture", L"screen", L"/cursor", L"/CURSOR", L"/out", L"a.png"}, L"twice"},
        {{L"/capture", L"screen", L"/out", L"a.png", L"/zoom"}, L"\"/zoom\""},
        {{L"capture", L"screen"}, L"\"capture\""},
        {{L"/pick", L"10"}, L"\"10\""},
        {{L"/pick", L"10,20", L"/out", L"a.png"}, L"/pick"},
        {{L"/out", L"a.png"}, L"with /capture"},
        {{L"/cursor"}, L"with /capture"}};
    for (const auto& [args, names] : cases) {
        const CommandLine line = ParseCommandLine(args);
        EXPECT_EQ(line.action, Action::Error) << ToUtf8(names);
        EXPECT_NE(line.error.find(names), std::wstring::npos) << ToUtf8(line.error);
        EXPECT_EQ(line.error.find(L'\n'), std::wstring::npos) << ToUtf8(line.error);
    }
}

}  // namespace
}  // namespace vix
