#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// How the tests talk to the fake Photoshop server: a control file that says
// how the server behaves, and a record file where it writes one line per
// call it receives. The control file's path is the value "Control" of
// HKEY_CURRENT_USER\Software\VixTests\FakePhotoshop; the server reads it
// when it starts and again at every creation of its application object.

namespace vix::test {

inline constexpr wchar_t kFakePhotoshopKey[] = L"Software\\VixTests\\FakePhotoshop";
inline constexpr wchar_t kFakePhotoshopControlValue[] = L"Control";

struct FakePhotoshopConfig {
    enum class Answer { Result, Message, None };

    std::wstring recordPath;             // where the calls are recorded; empty: nowhere
    std::uint32_t refuseCreate = 0;      // an HRESULT: creating the application fails with it
    std::uint32_t failVisible = 0;       // setting Visible fails with this HRESULT
    std::uint32_t failControl = 0;       // MakeControlObject fails with this HRESULT
    std::uint32_t playError = 0;         // Play raises this HRESULT with a description
    Answer playAnswer = Answer::Result;  // what Play returns otherwise
    std::uint32_t busyCalls = 0;         // so many calls after creation are rejected as busy
    std::uint32_t slowMs = 0;            // every call takes at least this long
    std::uint32_t classDelayMs = 0;      // the class is started so long after the server
    bool photoshopWindow = false;        // a top-level window of class "Photoshop"
    bool colorPicker = false;            // a "PSFloatC" window titled "Color Picker"

    friend bool operator==(const FakePhotoshopConfig&, const FakePhotoshopConfig&) = default;
};

// The description the server's Play error carries.
inline constexpr wchar_t kFakePlayErrorText[] = L"The command is not currently available.";
// The 'Msge' text of a refusing result.
inline constexpr wchar_t kFakeResultMessage[] = L"Could not complete the command.";

// "name=value" lines, UTF-8; unknown names are ignored.
std::string ConfigText(const FakePhotoshopConfig& config);
FakePhotoshopConfig ParseConfig(std::string_view text);

// One recorded call: interface (or "Server", "Factory", "Window"), method,
// how it arrived ("vtable", "dispatch" or "-") and named fields, tab
// separated. Tabs, line breaks and backslashes inside a field are escaped.
struct RecordLine {
    std::string object;
    std::string method;
    std::string via;
    std::vector<std::pair<std::string, std::string>> fields;

    std::optional<std::string> Field(std::string_view name) const;
    // The field, or "" when missing.
    std::string operator[](std::string_view name) const { return Field(name).value_or(""); }
};

std::string EscapeField(std::string_view text);
std::string UnescapeField(std::string_view text);
std::string FormatRecordLine(const RecordLine& line);
// Lines that do not have at least three fields are skipped.
std::vector<RecordLine> ParseRecord(std::string_view text);

}  // namespace vix::test
