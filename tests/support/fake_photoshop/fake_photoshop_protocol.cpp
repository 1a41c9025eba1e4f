#include "fake_photoshop_protocol.h"

#include <charconv>

#include "common/utf16.h"

namespace vix::test {

namespace {

std::string Hex(std::uint32_t value) {
    char buffer[16];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    (void)ec;  // sixteen characters hold any 32-bit number
    std::string text = "0x";
    text.append(buffer, end);
    return text;
}

std::uint32_t Number(std::string_view text) {
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        base = 16;
    }
    std::uint32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, base);
    return value;
}

const char* AnswerName(FakePhotoshopConfig::Answer answer) {
    switch (answer) {
        case FakePhotoshopConfig::Answer::Result: return "result";
        case FakePhotoshopConfig::Answer::Message: return "message";
        case FakePhotoshopConfig::Answer::None: return "none";
    }
    return "result";
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

}  // namespace

std::string ConfigText(const FakePhotoshopConfig& c) {
    std::string text;
    const auto line = [&text](const char* name, const std::string& value) {
        text += name;
        text += '=';
        text += value;
        text += '\n';
    };
    line("record", ToUtf8(c.recordPath));
    line("refuse_create", Hex(c.refuseCreate));
    line("fail_visible", Hex(c.failVisible));
    line("fail_control", Hex(c.failControl));
    line("play_error", Hex(c.playError));
    line("play_answer", AnswerName(c.playAnswer));
    line("busy_calls", std::to_string(c.busyCalls));
    line("slow_ms", std::to_string(c.slowMs));
    line("class_delay_ms", std::to_string(c.classDelayMs));
    line("photoshop_window", c.photoshopWindow ? "1" : "0");
    line("color_picker", c.colorPicker ? "1" : "0");
    return text;
}

FakePhotoshopConfig ParseConfig(std::string_view text) {
    FakePhotoshopConfig c;
    for (auto line : Split(text, '\n')) {
        if (line.ends_with('\r')) line.remove_suffix(1);
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const auto name = line.substr(0, eq);
        const auto value = line.substr(eq + 1);
        if (name == "record") c.recordPath = FromUtf8(value);
        if (name == "refuse_create") c.refuseCreate = Number(value);
        if (name == "fail_visible") c.failVisible = Number(value);
        if (name == "fail_control") c.failControl = Number(value);
        if (name == "play_error") c.playError = Number(value);
        if (name == "play_answer") {
            if (value == "message") c.playAnswer = FakePhotoshopConfig::Answer::Message;
            if (value == "none") c.playAnswer = FakePhotoshopConfig::Answer::None;
            if (value == "result") c.playAnswer = FakePhotoshopConfig::Answer::Result;
        }
        if (name == "busy_calls") c.busyCalls = Number(value);
        if (name == "slow_ms") c.slowMs = Number(value);
        if (name == "class_delay_ms") c.classDelayMs = Number(value);
        if (name == "photoshop_window") c.photoshopWindow = value == "1";
        if (name == "color_picker") c.colorPicker = value == "1";
    }
    return c;
}

std::optional<std::string> RecordLine::Field(std::string_view name) const {
    for (const auto& [n, v] : fields)
        if (n == name) return v;
    return std::nullopt;
}

std::string EscapeField(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += c;
        }
    }
    return out;
}

std::string UnescapeField(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
            case 't': out += '\t'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            default: out += text[i];
        }
    }
    return out;
}

std::string FormatRecordLine(const RecordLine& line) {
    std::string text = EscapeField(line.object);
    text += '\t';
    text += EscapeField(line.method);
    text += '\t';
    text += EscapeField(line.via);
    for (const auto& [name, value] : line.fields) {
        text += '\t';
        text += EscapeField(name);
        text += '=';
        text += EscapeField(value);
    }
    text += '\n';
    return text;
}

std::vector<RecordLine> ParseRecord(std::string_view text) {
    std::vector<RecordLine> lines;
    for (auto raw : Split(text, '\n')) {
        const auto parts = Split(raw, '\t');
        if (parts.size() < 3) continue;
        RecordLine line{
            UnescapeField(parts[0]), UnescapeField(parts[1]), UnescapeField(parts[2]), {}};
        for (std::size_t i = 3; i < parts.size(); ++i) {
            const auto eq = parts[i].find('=');
            line.fields.emplace_back(UnescapeField(parts[i].substr(0, eq)),
                                     eq == std::string_view::npos
                                         ? std::string()
                                         : UnescapeField(parts[i].substr(eq + 1)));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace vix::test
