#include "tools/command_line.h"

#include <cwctype>
#include <limits>
#include <optional>
#include <string_view>

namespace vix {
namespace {

std::wstring Lower(std::wstring_view text) {
    std::wstring lower(text);
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(std::towlower(c));
    return lower;
}

// "/Capture" and "-capture" both name "capture"; nothing for a word that
// is no switch.
std::optional<std::wstring> SwitchName(const std::wstring& arg) {
    if (arg.size() < 2 || (arg[0] != L'/' && arg[0] != L'-')) return std::nullopt;
    return Lower(std::wstring_view(arg).substr(1));
}

// A whole decimal number, with a sign if `signedOk`, that fits an int.
std::optional<int> Number(std::wstring_view text, bool signedOk) {
    bool negative = false;
    if (signedOk && !text.empty() && (text[0] == L'-' || text[0] == L'+')) {
        negative = text[0] == L'-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) return std::nullopt;
    long long value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

// "X,Y" or "X,Y,W,H": exactly `count` numbers.
std::optional<std::vector<int>> Numbers(const std::wstring& text, std::size_t count) {
    std::vector<int> numbers;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(L',', start);
        const auto n = Number(std::wstring_view(text).substr(start, comma - start), true);
        if (!n) return std::nullopt;
        numbers.push_back(*n);
        if (comma == std::wstring::npos) break;
        start = comma + 1;
    }
    if (numbers.size() != count) return std::nullopt;
    return numbers;
}

CommandLine Error(std::wstring text) {
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = std::move(text);
    return line;
}

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

// The switches and whether each was given, with its value.
struct Given {
    std::optional<std::wstring> capture, delay, out, pick;
    bool cursor = false;
    bool usage = false;
};

// Reads the arguments into `given`; the first fault's message, if any.
std::optional<std::wstring> Collect(const std::vector<std::wstring>& args, Given& given) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto name = SwitchName(args[i]);
        if (!name) return L"Unknown argument " + Quoted(args[i]) + L": see vix.exe /?";
        if (*name == L"?" || *name == L"help") {
            given.usage = true;
            continue;
        }
        if (*name == L"cursor") {
            if (given.cursor) return L"/cursor is given twice.";
            given.cursor = true;
            continue;
        }
        std::optional<std::wstring>* slot = *name == L"capture" ? &given.capture
                                            : *name == L"delay" ? &given.delay
                                            : *name == L"out"   ? &given.out
                                            : *name == L"pick"  ? &given.pick
                                                                : nullptr;
        if (!slot) return L"Unknown option " + Quoted(args[i]) + L": see vix.exe /?";
        if (slot->has_value()) return L"/" + *name + L" is given twice.";
        if (i + 1 >= args.size() || args[i + 1].empty())
            return L"/" + *name + L" needs a value: see vix.exe /?";
        *slot = args[++i];
    }
    return std::nullopt;
}

CommandLine Pick(const Given& given) {
    if (given.capture || given.delay || given.out || given.cursor)
        return Error(L"/pick takes no other option.");
    const auto xy = Numbers(*given.pick, 2);
    if (!xy) return Error(L"Bad point " + Quoted(*given.pick) + L": /pick needs X,Y in pixels.");
    CommandLine line;
    line.action = CommandLine::Action::Pick;
    line.pickAt = {(*xy)[0], (*xy)[1]};
    return line;
}

std::optional<std::wstring> ReadSource(const std::wstring& text, CaptureCommand& command) {
    const std::wstring word = Lower(text);
    if (word == L"screen") {
        command.source = CaptureSource::Screen;
        return std::nullopt;
    }
    if (word == L"window") {
        command.source = CaptureSource::Window;
        return std::nullopt;
    }
    const auto r = Numbers(text, 4);
    if (!r) return L"Bad capture " + Quoted(text) + L": give screen, window or X,Y,W,H in pixels.";
    const int x = (*r)[0], y = (*r)[1], w = (*r)[2], h = (*r)[3];
    if (w <= 0 || h <= 0)
        return L"Bad region " + Quoted(text) + L": its width and height must be above 0.";
    // The far edge must be a number too.
    if (x > std::numeric_limits<int>::max() - w || y > std::numeric_limits<int>::max() - h)
        return L"Bad region " + Quoted(text) + L": it reaches beyond any desktop.";
    command.source = CaptureSource::Region;
    command.region = Rect::FromBounds(x, y, w, h);
    return std::nullopt;
}

CommandLine Capture(const Given& given) {
    CaptureCommand command;
    if (auto fault = ReadSource(*given.capture, command)) return Error(*fault);
    if (given.delay) {
        const auto seconds = Number(*given.delay, false);
        if (!seconds || *seconds > kLongestCommandDelay)
            return Error(L"Bad delay " + Quoted(*given.delay) + L": give whole seconds from 0 to " +
                         std::to_wstring(kLongestCommandDelay) + L".");
        command.delaySeconds = *seconds;
    }
    command.withCursor = given.cursor;
    if (!given.out) return Error(L"/capture needs /out FILE.");
    const auto format = FormatByEnding(*given.out);
    if (!format)
        return Error(L"Bad file name " + Quoted(*given.out) +
                     L": it must end in .png, .jpg, .jpeg, .tif or .tiff.");
    command.outFile = *given.out;
    command.format = *format;
    CommandLine line;
    line.action = CommandLine::Action::Capture;
    line.capture = std::move(command);
    return line;
}

}  // namespace

std::optional<CaptureFileFormat> FormatByEnding(const std::wstring& fileName) {
    const std::wstring name = Lower(fileName);
    const auto endsWith = [&name](std::wstring_view ending) {
        return name.size() > ending.size() && name.ends_with(ending);
    };
    if (endsWith(L".png")) return CaptureFileFormat::Png;
    if (endsWith(L".jpg") || endsWith(L".jpeg")) return CaptureFileFormat::Jpeg;
    if (endsWith(L".tif") || endsWith(L".tiff")) return CaptureFileFormat::Tiff;
    return std::nullopt;
}

CommandLine ParseCommandLine(const std::vector<std::wstring>& args) {
    if (args.empty()) return {};
    Given given;
    if (auto fault = Collect(args, given)) return Error(*fault);
    // Asking for the usage wins over anything else given with it.
    if (given.usage) return {.action = CommandLine::Action::Usage};
    if (given.pick) return Pick(given);
    if (given.capture) return Capture(given);
    if (given.out || given.delay || given.cursor)
        return Error(L"/out, /delay and /cursor go with /capture: see vix.exe /?");
    return {};
}

}  // namespace vix
