#include "tools/command_line.h"

#include <gtest/gtest.h>

#include "common/utf16.h"

namespace vix {
namespace {

using Action = CommandLine::Action;
using Args = std::vector<std::wstring>;

struct Accepted {
    Args args;
    CaptureCommand capture;
};

TEST(CommandLine, NoArgumentsStartsTheProgramAndAQuestionMarkShowsTheUsage) {
    EXPECT_EQ(ParseCommandLine({}).action, Action::Start);
    for (const Args& args : {Args{L"/?"}, Args{L"-?"}, Args{L"/HELP"},
                             Args{L"/capture", L"screen", L"/?"}, Args{L"/pick", L"1,2", L"-?"}})
        EXPECT_EQ(ParseCommandLine(args).action, Action::Usage) << ToUtf8(args[0]);
}

TEST(CommandLine, CapturesAreReadWithTheirSourceDelayCursorAndFormat) {
    const Accepted cases[] = {
        {{L"/capture", L"screen", L"/out", L"a.png"},
         {.source = CaptureSource::Screen, .outFile = L"a.png"}},
        {{L"-CAPTURE", L"Window", L"-Out", L"C:\\b c\\shot.JPEG", L"/Delay", L"3", L"/CURSOR"},
         {.source = CaptureSource::Window,
          .delaySeconds = 3,
          .withCursor = true,
          .outFile = L"C:\\b c\\shot.JPEG",
          .format = CaptureFileFormat::Jpeg}},
        // A monitor left of the primary one lies at negative coordinates.
        {{L"/out", L"r.TIFF", L"/capture", L"-1280,-20,300,200"},
         {.source = CaptureSource::Region,
          .region = {-1280, -20, -980, 180},
          .outFile = L"r.TIFF",
          .format = CaptureFileFormat::Tiff}},
        {{L"/capture", L"0,0,1,1", L"/delay", L"60", L"/out", L"x.tif"},
         {.source = CaptureSource::Region,
          .region = {0, 0, 1, 1},
          .delaySeconds = 60,
          .outFile = L"x.tif",
          .format = CaptureFileFormat::Tiff}},
        {{L"/capture", L"screen", L"/delay", L"0", L"/out", L"\u00e9t\u00e9.jpg"},
         {.outFile = L"\u00e9t\u00e9.jpg", .format = CaptureFileFormat::Jpeg}},
    };
    for (const Accepted& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        ASSERT_EQ(line.action, Action::Capture) << ToUtf8(line.error);
        EXPECT_EQ(line.capture, c.capture) << ToUtf8(c.capture.outFile);
    }
}

TEST(CommandLine, APickIsReadWithNegativeCoordinates) {
    const CommandLine line = ParseCommandLine({L"/PICK", L"-5,+7"});
    ASSERT_EQ(line.action, Action::Pick) << ToUtf8(line.error);
    EXPECT_EQ(line.pickAt, (Point{-5, 7}));
}

struct Refused {
    Args args;
    const wchar_t* names;  // a part of the message that points at the fault
};

TEST(CommandLine, EveryFaultIsAnErrorOfOneLineNamingIt) {
    const Refused cases[] = {
        {{L"/capture", L"screen"}, L"/out FILE"},
        {{L"/capture", L"screen", L"/out"}, L"/out needs a value"},
        {{L"/capture", L"desk", L"/out", L"a.png"}, L"\"desk\""},
        {{L"/capture", L"1,2,3", L"/out", L"a.png"}, L"\"1,2,3\""},
        {{L"/capture", L"1,2,3,4,5", L"/out", L"a.png"}, L"\"1,2,3,4,5\""},
        {{L"/capture", L"1,,3,4", L"/out", L"a.png"}, L"\"1,,3,4\""},
        {{L"/capture", L"1,2,3x,4", L"/out", L"a.png"}, L"\"1,2,3x,4\""},
        {{L"/capture", L"0,0,0,10", L"/out", L"a.png"}, L"width and height"},
        {{L"/capture", L"0,0,10,-4", L"/out", L"a.png"}, L"width and height"},
        {{L"/capture", L"2147483000,0,1000,10", L"/out", L"a.png"}, L"beyond"},
        {{L"/capture", L"99999999999,0,10,10", L"/out", L"a.png"}, L"99999999999"},
        {{L"/capture", L"screen", L"/out", L"a.bmp"}, L"\"a.bmp\""},
        {{L"/capture", L"screen", L"/out", L".png"}, L"\".png\""},
        {{L"/capture", L"screen", L"/delay", L"61", L"/out", L"a.png"}, L"0 to 60"},
        {{L"/capture", L"screen", L"/delay", L"-1", L"/out", L"a.png"}, L"\"-1\""},
        {{L"/capture", L"screen", L"/delay", L"2.5", L"/out", L"a.png"}, L"\"2.5\""},
        {{L"/capture", L"screen", L"/capture", L"window", L"/out", L"a.png"}, L"twice"},
        {{L"/capture", L"screen", L"/cursor", L"/CURSOR", L"/out", L"a.png"}, L"twice"},
        {{L"/capture", L"screen", L"/out", L"a.png", L"/zoom"}, L"\"/zoom\""},
        {{L"capture", L"screen"}, L"\"capture\""},
        {{L"/pick", L"10"}, L"\"10\""},
        {{L"/pick", L"10,20", L"/out", L"a.png"}, L"/pick"},
        {{L"/pick", L"10,20", L"/pick", L"1,1"}, L"twice"},
        {{L"/out", L"a.png"}, L"with /capture"},
        {{L"/cursor"}, L"with /capture"},
    };
    for (const Refused& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        EXPECT_EQ(line.action, Action::Error) << ToUtf8(c.names);
        EXPECT_NE(line.error.find(c.names), std::wstring::npos) << ToUtf8(line.error);
        EXPECT_EQ(line.error.find(L'\n'), std::wstring::npos) << ToUtf8(line.error);
    }
}

}  // namespace
}  // namespace vix
