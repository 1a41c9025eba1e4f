#include "photoshop/action_request.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/utf16.h"

namespace vix {

bool operator==(const ObjectValue& a, const ObjectValue& b) {
    if (a.classCode != b.classCode) return false;
    if (!a.descriptor || !b.descriptor) return a.descriptor == b.descriptor;
    return *a.descriptor == *b.descriptor;
}

void ActionReference::PutClass(FourCC classCode) {
    parts.push_back({ReferencePart::Kind::Class, classCode, 0});
}

void ActionReference::PutProperty(FourCC classCode, FourCC key) {
    parts.push_back({ReferencePart::Kind::Property, classCode, key});
}

void ActionDescriptor::Put(FourCC key, ActionValue value) {
    for (auto& item : items) {
        if (item.key == key) {
            item.value = std::move(value);
            return;
        }
    }
    items.push_back({key, std::move(value)});
}

const ActionValue* ActionDescriptor::Find(FourCC key) const {
    for (const auto& item : items)
        if (item.key == key) return &item.value;
    return nullptr;
}

bool ActionDescriptor::HasKey(FourCC key) const { return Find(key) != nullptr; }

void ActionDescriptor::PutObject(FourCC key, FourCC classCode, const ActionDescriptor& object) {
    Put(key, ObjectValue{classCode, std::make_shared<const ActionDescriptor>(object)});
}

ActionRequest PSSetColor(bool foreground, double red, double green, double blue) {
    ActionReference target;
    target.PutProperty(ps::kColor, foreground ? ps::kForeground : ps::kBackground);
    ActionDescriptor color;
    color.PutDouble(ps::kRed, red);
    color.PutDouble(ps::kGreen, green);
    color.PutDouble(ps::kBlue, blue);
    ActionDescriptor request;
    request.PutReference(ps::kTarget, target);
    request.PutObject(ps::kTo, ps::kRgbColor, color);
    return {ps::kSet, request, kDialogSilent, ResultRule::NoResultSucceeds};
}

ActionRequest PSNewDocument(const std::wstring& name, FourCC mode, FourCC fill, double width,
                            double height, double resolution) {
    ActionDescriptor document;
    document.PutUnitDouble(ps::kResolution, ps::kResolutionUnit, resolution);
    document.PutString(ps::kName, name);
    document.PutClass(ps::kMode, mode);
    document.PutUnitDouble(ps::kWidth, ps::kPixelUnit, width);
    document.PutUnitDouble(ps::kHeight, ps::kPixelUnit, height);
    document.PutEnumerated(ps::kFill, ps::kFill, fill);
    ActionDescriptor request;
    request.PutObject(ps::kNew, ps::kDocument, document);
    return {ps::kMake, request, kDialogSilent, ResultRule::NoResultSucceeds};
}

ActionRequest PSNewLayer(const std::wstring& name, FourCC blendMode, bool group, double opacity) {
    ActionReference target;
    target.PutClass(ps::kLayer);
    ActionDescriptor layer;
    layer.PutString(ps::kName, name);
    layer.PutUnitDouble(ps::kOpacity, ps::kPercentUnit, opacity);
    layer.PutEnumerated(ps::kMode, ps::kBlendMode, blendMode);
    layer.PutBoolean(ps::kGroup, group);
    ActionDescriptor request;
    request.PutReference(ps::kTarget, target);
    request.PutObject(ps::kUsing, ps::kLayer, layer);
    return {ps::kMake, request, kDialogSilent, ResultRule::NoResultFails};
}

ActionRequest PSPaste() { return {ps::kPaste, std::nullopt, kDialogSilent, ResultRule::Ignored}; }

int PSCheckResult(PlayAnswer answer) {
    switch (answer) {
        case PlayAnswer::NoResult: return 0;
        case PlayAnswer::Result: return 0;
        case PlayAnswer::ResultWithMessage: return -1;
        case PlayAnswer::ResultUnreadable: return -1;
    }
    return -1;
}

int PSCheckResultStrict(PlayAnswer answer) {
    return answer == PlayAnswer::NoResult ? -1 : PSCheckResult(answer);
}

int CheckPlayAnswer(ResultRule rule, PlayAnswer answer) {
    switch (rule) {
        case ResultRule::NoResultSucceeds: return PSCheckResult(answer);
        case ResultRule::NoResultFails: return PSCheckResultStrict(answer);
        case ResultRule::Ignored: return 0;
    }
    return -1;
}

namespace {

std::string Quoted(FourCC code) {
    // Built up in place: GCC 12 warns wrongly about "'" + text at -O3.
    std::string text(1, '\'');
    text += FourCCText(code);
    text += '\'';
    return text;
}

std::string StringLiteral(const std::wstring& text) {
    std::string out = "\"";
    for (char c : ToUtf8(text)) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    static constexpr char kHex[] = "0123456789ABCDEF";
                    out += "\\x";
                    out += kHex[(c >> 4) & 0xF];
                    out += kHex[c & 0xF];
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

struct ValueText {
    std::string operator()(const DoubleValue& v) const {
        return "double " + ActionNumberText(v.value);
    }
    std::string operator()(const UnitDoubleValue& v) const {
        return "unit " + Quoted(v.unit) + " " + ActionNumberText(v.value);
    }
    std::string operator()(const StringValue& v) const {
        return "string " + StringLiteral(v.value);
    }
    std::string operator()(const BooleanValue& v) const {
        return v.value ? "bool true" : "bool false";
    }
    std::string operator()(const ObjectValue& v) const {
        return "object " + Quoted(v.classCode) + " " +
               (v.descriptor ? DescriptorText(*v.descriptor) : std::string("{}"));
    }
    std::string operator()(const EnumeratedValue& v) const {
        return "enum " + Quoted(v.type) + " " + Quoted(v.value);
    }
    std::string operator()(const ReferenceValue& v) const { return ReferenceText(v.reference); }
    std::string operator()(const ClassValue& v) const { return "class " + Quoted(v.classCode); }
};

}  // namespace

// The shortest text that reads back as the same number, fixed or with an
// exponent, fixed on a tie: what the standard library's floating-point
// to_chars writes, without its 170 KB of tables in the program.
std::string ActionNumberText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char scientific[32];
    int digits = 1;
    for (; digits < 17; ++digits) {
        std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, value);
        if (std::strtod(scientific, nullptr) == value) break;
    }
    std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, value);
    const int exponent = std::atoi(std::strchr(scientific, 'e') + 1);
    const int decimals = std::max(0, digits - 1 - exponent);
    const int fixedLength = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    if (fixedLength > static_cast<int>(std::strlen(scientific))) return scientific;
    std::string fixed(static_cast<std::size_t>(fixedLength) + 1, '\0');
    std::snprintf(fixed.data(), fixed.size(), "%.*f", decimals, value);
    fixed.pop_back();
    return fixed;
}

std::string DescriptorText(const ActionDescriptor& descriptor) {
    std::string text = "{";
    for (std::size_t i = 0; i < descriptor.items.size(); ++i) {
        const auto& item = descriptor.items[i];
        if (i > 0) text += ", ";
        text += Quoted(item.key) + ": " + std::visit(ValueText{}, item.value);
    }
    return text + "}";
}

std::string ReferenceText(const ActionReference& reference) {
    std::string text = "ref(";
    for (std::size_t i = 0; i < reference.parts.size(); ++i) {
        const auto& part = reference.parts[i];
        if (i > 0) text += "; ";
        if (part.kind == ReferencePart::Kind::Property)
            text += "property " + Quoted(part.classCode) + " " + Quoted(part.key);
        else
            text += "class " + Quoted(part.classCode);
    }
    return text + ")";
}

}  // namespace vix
