#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/geometry.h"

// What vix.exe is asked to do by its arguments: start as usual, show its
// usage, take one capture into a file, or put the colour at a point on the
// clipboard. The capture and the colour are done by their tools' folders;
// the entry only dispatches.

namespace vix {

// The usage as `/?` shows it; the help file quotes it.
inline constexpr wchar_t kCommandLineUsage[] =
    L"Usage:\n"
    L"  vix.exe                    starts VIX\n"
    L"  vix.exe /capture screen|window|X,Y,W,H [/delay S] [/cursor] /out FILE\n"
    L"      saves one capture to FILE and exits: PNG, JPEG or TIFF by the\n"
    L"      file's ending (.png, .jpg, .jpeg, .tif, .tiff). \"screen\" is the\n"
    L"      whole desktop, every monitor; \"window\" the top-level window under\n"
    L"      the mouse pointer when the delay is up; X,Y,W,H a region of the\n"
    L"      desktop in pixels, which must lie on it. /delay waits S seconds\n"
    L"      (0 to 60) first, /cursor draws the mouse cursor in.\n"
    L"  vix.exe /pick X,Y\n"
    L"      copies the colour of the pixel at X,Y to the clipboard in the\n"
    L"      clipboard format chosen in the settings, and exits.\n"
    L"  vix.exe /?                 shows this text.\n"
    L"Options may start with / or -, in any case. Exit code 0: done; 1: a bad\n"
    L"argument; 2: the region, window or point is not on the desktop; 3: the\n"
    L"screen could not be copied, or the file or the clipboard not written.";

// The process's exit codes for the two one-shot commands.
enum ExitCode : int {
    kExitDone = 0,
    kExitBadArgument = 1,
    kExitOffDesktop = 2,
    kExitNotWritten = 3,
};

inline constexpr int kLongestCommandDelay = 60;

// How a one-shot command ended: its exit code and, unless it is done, the
// one line that says why.
struct CommandOutcome {
    int code = kExitDone;
    std::wstring message{};
};

enum class CaptureSource { Screen, Window, Region };
enum class CaptureFileFormat { Png, Jpeg, Tiff };

struct CaptureCommand {
    CaptureSource source = CaptureSource::Screen;
    Rect region{};  // for CaptureSource::Region
    int delaySeconds = 0;
    bool withCursor = false;
    std::wstring outFile{};
    CaptureFileFormat format = CaptureFileFormat::Png;
    friend bool operator==(const CaptureCommand&, const CaptureCommand&) = default;
};

struct CommandLine {
    enum class Action { Start, Usage, Capture, Pick, Error };
    Action action = Action::Start;
    CaptureCommand capture{};  // Action::Capture
    Point pickAt{};            // Action::Pick
    std::wstring error{};      // Action::Error: one line for the user
};

// The arguments after the program's name. None starts the program as
// usual; anything it cannot take is an error naming the argument.
CommandLine ParseCommandLine(const std::vector<std::wstring>& args);

// The format a file name's ending asks for (in any case); nothing for
// another ending.
std::optional<CaptureFileFormat> FormatByEnding(const std::wstring& fileName);

}  // namespace vix
