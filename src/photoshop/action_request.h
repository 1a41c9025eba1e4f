#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "photoshop/four_cc.h"

// The requests the program sends to Photoshop, as data: each is an event, an
// action descriptor tree and a rule for reading the answer. The Windows side
// builds the tree with Photoshop's own descriptor objects and plays it; the
// test server rebuilds the same tree from the calls it receives.

namespace vix {

// A reference names its target by parts: a class, or a property of a class.
struct ReferencePart {
    enum class Kind { Class, Property };
    Kind kind = Kind::Class;
    FourCC classCode = 0;
    FourCC key = 0;  // Property only
    friend bool operator==(const ReferencePart&, const ReferencePart&) = default;
};

struct ActionReference {
    std::vector<ReferencePart> parts;
    void PutClass(FourCC classCode);
    void PutProperty(FourCC classCode, FourCC key);
    friend bool operator==(const ActionReference&, const ActionReference&) = default;
};

struct ActionDescriptor;

struct DoubleValue {
    double value = 0;
    friend bool operator==(const DoubleValue&, const DoubleValue&) = default;
};
struct UnitDoubleValue {
    FourCC unit = 0;
    double value = 0;
    friend bool operator==(const UnitDoubleValue&, const UnitDoubleValue&) = default;
};
struct StringValue {
    std::wstring value;
    friend bool operator==(const StringValue&, const StringValue&) = default;
};
struct BooleanValue {
    bool value = false;
    friend bool operator==(const BooleanValue&, const BooleanValue&) = default;
};
// The object's descriptor is copied when it is put, as Photoshop does, so a
// later change to the source descriptor does not reach the parent.
struct ObjectValue {
    FourCC classCode = 0;
    std::shared_ptr<const ActionDescriptor> descriptor;
    friend bool operator==(const ObjectValue& a, const ObjectValue& b);
};
struct EnumeratedValue {
    FourCC type = 0;
    FourCC value = 0;
    friend bool operator==(const EnumeratedValue&, const EnumeratedValue&) = default;
};
struct ReferenceValue {
    ActionReference reference;
    friend bool operator==(const ReferenceValue&, const ReferenceValue&) = default;
};
struct ClassValue {
    FourCC classCode = 0;
    friend bool operator==(const ClassValue&, const ClassValue&) = default;
};

using ActionValue = std::variant<DoubleValue, UnitDoubleValue, StringValue, BooleanValue,
                                 ObjectValue, EnumeratedValue, ReferenceValue, ClassValue>;

struct ActionItem {
    FourCC key = 0;
    ActionValue value;
    friend bool operator==(const ActionItem&, const ActionItem&) = default;
};

// Keys in the order they were first put; putting a key again replaces its
// value in place.
struct ActionDescriptor {
    std::vector<ActionItem> items;

    void Put(FourCC key, ActionValue value);
    bool HasKey(FourCC key) const;
    const ActionValue* Find(FourCC key) const;

    void PutDouble(FourCC key, double value) { Put(key, DoubleValue{value}); }
    void PutUnitDouble(FourCC key, FourCC unit, double value) {
        Put(key, UnitDoubleValue{unit, value});
    }
    void PutString(FourCC key, std::wstring value) { Put(key, StringValue{std::move(value)}); }
    void PutBoolean(FourCC key, bool value) { Put(key, BooleanValue{value}); }
    void PutObject(FourCC key, FourCC classCode, const ActionDescriptor& object);
    void PutEnumerated(FourCC key, FourCC type, FourCC value) {
        Put(key, EnumeratedValue{type, value});
    }
    void PutReference(FourCC key, ActionReference reference) {
        Put(key, ReferenceValue{std::move(reference)});
    }
    void PutClass(FourCC key, FourCC classCode) { Put(key, ClassValue{classCode}); }

    friend bool operator==(const ActionDescriptor&, const ActionDescriptor&) = default;
};

// Dialog modes of Photoshop's action control.
inline constexpr std::int32_t kDialogDoNotDisplay = 0;
inline constexpr std::int32_t kDialogDisplay = 1;
inline constexpr std::int32_t kDialogSilent = 2;

// How a played request's answer decides success.
enum class ResultRule {
    NoResultSucceeds,  // PSCheckResult
    NoResultFails,     // PSCheckResultStrict
    Ignored,           // the answer is released unread
};

struct ActionRequest {
    FourCC event = 0;
    std::optional<ActionDescriptor> descriptor;  // none: played without one
    std::int32_t dialogMode = kDialogSilent;
    ResultRule rule = ResultRule::NoResultSucceeds;
    friend bool operator==(const ActionRequest&, const ActionRequest&) = default;
};

// Sets Photoshop's foreground (or background) colour; red, green and blue
// from 0 to 255.
ActionRequest PSSetColor(bool foreground, double red, double green, double blue);
// Makes a document of `width` x `height` pixels at `resolution` pixels per
// inch in colour mode `mode`, its background filled with `fill`.
ActionRequest PSNewDocument(const std::wstring& name, FourCC mode, FourCC fill, double width,
                            double height, double resolution);
// Makes a layer in the active document; `opacity` in percent.
ActionRequest PSNewLayer(const std::wstring& name, FourCC blendMode, bool group, double opacity);
// Pastes the clipboard into the active document.
ActionRequest PSPaste();

// What came back from a play: the result descriptor, if any, and what asking
// it for 'Msge' said.
enum class PlayAnswer {
    NoResult,
    Result,             // a result without 'Msge'
    ResultWithMessage,  // a result holding 'Msge': Photoshop refused
    ResultUnreadable,   // asking the result for 'Msge' failed
};

// 0 for success, -1 for failure. Never throws.
int PSCheckResult(PlayAnswer answer);
int PSCheckResultStrict(PlayAnswer answer);
int CheckPlayAnswer(ResultRule rule, PlayAnswer answer);

// One-line text forms, for the test server's record of calls:
//   {'Rd  ': double 255, 'T   ': object 'RGBC' {...}}
//   ref(property 'Clr ' 'FrgC'; class 'Lyr ')
// Strings are quoted and escaped, numbers written in their shortest exact
// form, text in UTF-8. The same tree always gives the same text.
std::string DescriptorText(const ActionDescriptor& descriptor);
std::string ReferenceText(const ActionReference& reference);
// A number as those texts write it.
std::string ActionNumberText(double value);

}  // namespace vix
