#include "ValueChecks.h"

#include "CatalogueFindings.h"

#include "loading/CatalogueValues.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace {

enum class Kind { Text, Number, Flag };

struct Attribute {
    std::u16string_view name;
    Kind kind;
};

constexpr std::array<Attribute, 16> colourAttributes{{{u"mode", Kind::Text},
                                                      {u"surface", Kind::Text},
                                                      {u"name", Kind::Text},
                                                      {u"description", Kind::Text},
                                                      {u"structure", Kind::Text},
                                                      {u"colourName", Kind::Text},
                                                      {u"red", Kind::Number},
                                                      {u"green", Kind::Number},
                                                      {u"blue", Kind::Number},
                                                      {u"texture", Kind::Text},
                                                      {u"wheel", Kind::Flag},
                                                      {u"remarks", Kind::Text},
                                                      {u"ared", Kind::Number},
                                                      {u"agreen", Kind::Number},
                                                      {u"ablue", Kind::Number},
                                                      {u"auxiliaryColourTable", Kind::Flag}}};
constexpr std::array<Attribute, 4> auxiliaryAttributes{
    {{u"colourName", Kind::Text}, {u"red", Kind::Number}, {u"green", Kind::Number}, {u"blue", Kind::Number}}};
constexpr std::array<Attribute, 2> settingAttributes{{{u"name", Kind::Text}, {u"value", Kind::Text}}};

bool IsWhiteSpace(char16_t c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string Utf8(std::u16string_view text) {
    return ToUtf8(text);
}

std::string Written(std::u16string_view name, std::u16string_view value) {
    return Utf8(name) + "=" + Quoted(Utf8(value));
}

// Warns where the add-on's reading of a number differs from what is written.
void CheckNumber(std::size_t line, std::u16string_view name, std::u16string_view value,
                 CatalogueFindings& findings) {
    const std::int16_t read = ParseShort(value);
    std::u16string_view rest = value;
    while (!rest.empty() && IsWhiteSpace(rest.front())) {
        rest.remove_prefix(1);
    }
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
        rest.remove_prefix(1);
    }
    std::size_t digits = 0;
    std::int64_t written = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') {
        written = std::min<std::int64_t>(written * 10 + (rest[digits] - '0'), 1'000'000);
        ++digits;
    }
    rest.remove_prefix(digits);
    while (!rest.empty() && IsWhiteSpace(rest.front())) {
        rest.remove_prefix(1);
    }
    if (digits == 0) {
        findings.Warning(line, Written(name, value) + " is no number: the add-on reads 0");
    } else if (!rest.empty()) {
        findings.Warning(line, Written(name, value) +
                                   " is read up to the first character that is no digit, as " +
                                   std::to_string(read));
    } else if (written > 32767 + (read < 0 ? 1 : 0)) {
        findings.Warning(line, Written(name, value) + " lies outside -32768 to 32767: the add-on reads " +
                                   std::to_string(read));
    }
}

void CheckFlag(std::size_t line, std::u16string_view name, std::u16string_view value,
               CatalogueFindings& findings) {
    const std::string text = Utf8(value);
    bool isFalse = text.size() == 5;
    for (std::size_t i = 0; isFalse && i < 5; ++i) {
        isFalse = (text[i] | 0x20) == "false"[i];
    }
    if (!text.empty() && !ParseFlag(value) && !isFalse) {
        findings.Warning(line,
                         Written(name, value) + " counts as false: only \"true\", in any case, sets it");
    }
}

void CheckLength(std::size_t line, std::u16string_view name, std::u16string_view value,
                 CatalogueFindings& findings) {
    const std::string whole = Utf8(value);
    if (whole.size() <= MaxValueLength) {
        return;
    }
    const std::string kept = ToUtf8(value, MaxValueLength);
    const std::string tail = kept.size() > 20 ? kept.substr(kept.size() - 20) : kept;
    std::size_t start = 0;
    while (start < tail.size() && (static_cast<unsigned char>(tail[start]) & 0xC0) == 0x80) {
        ++start;
    }
    findings.Warning(line, Utf8(name) + " is " + std::to_string(whole.size()) +
                               " bytes long: the add-on keeps " + std::to_string(kept.size()) +
                               ", up to \"..." + tail.substr(start) + "\"");
}

// Checks every attribute of `read`; answers the numbers as the add-on reads them, in the order of
// `read`, with nothing for attributes that are absent or no number.
template <std::size_t N>
std::array<std::optional<std::int16_t>, N> CheckAttributes(const CatalogueOutline::Element& element,
                                                           const std::array<Attribute, N>& read, bool failed,
                                                           CatalogueFindings& findings) {
    std::array<std::optional<std::int16_t>, N> numbers{};
    std::string tag = "<";
    tag += Utf8(element.name) + ">";
    std::string missing;
    std::size_t missingCount = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const std::u16string* value = element.Find(read[i].name);
        if (value == nullptr) {
            // The load failed on the first one missing, which the caller reports.
            if (!failed || missingCount > 0) {
                missing += (missing.empty() ? "\"" : ", \"") + Utf8(read[i].name) + "\"";
            }
            ++missingCount;
            continue;
        }
        if (read[i].kind == Kind::Text) {
            CheckLength(element.line, read[i].name, *value, findings);
        } else if (read[i].kind == Kind::Number) {
            CheckNumber(element.line, read[i].name, *value, findings);
            numbers[i] = ParseShort(*value);
        } else if (read[i].kind == Kind::Flag) {
            CheckFlag(element.line, read[i].name, *value, findings);
        }
    }
    if (!missing.empty()) {
        findings.Error(element.line,
                       tag + (failed ? " also lacks " : " lacks ") + missing + ", which the add-on needs");
    }
    for (const auto& [name, value] : element.attributes) {
        bool known = false;
        for (const Attribute& attribute : read) {
            known = known || attribute.name == name;
        }
        if (!known) {
            findings.Note(element.line, "attribute " + Quoted(Utf8(name)) + " of " + tag + " is not read");
        }
    }
    return numbers;
}

// A colour's channel triple: a -1 in any of them means no colour, other values outside 0 to 255
// keep their low 8 bits.
void CheckTriple(std::size_t line, std::span<const Attribute, 3> names,
                 std::span<const std::optional<std::int16_t>, 3> values, const char* which,
                 CatalogueFindings& findings) {
    if (!values[0] || !values[1] || !values[2]) {
        return;
    }
    int unset = 0;
    for (const auto& value : values) {
        unset += *value == -1 ? 1 : 0;
    }
    const std::string written = Utf8(names[0].name) + ", " + Utf8(names[1].name) + ", " +
                                Utf8(names[2].name) + " " + std::to_string(*values[0]) + ", " +
                                std::to_string(*values[1]) + ", " + std::to_string(*values[2]);
    if (unset > 0 && unset < 3) {
        findings.Warning(line, written + ": a single -1 leaves the colour without " + which);
        return;
    }
    if (unset == 0 && (*values[0] < 0 || *values[0] > 255 || *values[1] < 0 || *values[1] > 255 ||
                       *values[2] < 0 || *values[2] > 255)) {
        findings.Warning(line, written + ": channels keep their low 8 bits, so " + which + " is " +
                                   std::to_string(std::uint8_t(*values[0])) + ", " +
                                   std::to_string(std::uint8_t(*values[1])) + ", " +
                                   std::to_string(std::uint8_t(*values[2])));
    }
}

} // namespace

void CheckColourValues(const CatalogueOutline::Element& element, bool failed, CatalogueFindings& findings) {
    const auto numbers = CheckAttributes(element, colourAttributes, failed, findings);
    const std::span<const Attribute> names(colourAttributes);
    const std::span<const std::optional<std::int16_t>> values(numbers);
    CheckTriple(element.line, names.subspan<6, 3>(), values.subspan<6, 3>(), "its solid colour", findings);
    CheckTriple(element.line, names.subspan<12, 3>(), values.subspan<12, 3>(), "its second colour", findings);
}

void CheckAuxiliaryColourValues(const CatalogueOutline::Element& element, bool failed,
                                CatalogueFindings& findings) {
    const auto numbers = CheckAttributes(element, auxiliaryAttributes, failed, findings);
    for (std::size_t i = 1; i < 4; ++i) {
        if (numbers[i] && (*numbers[i] < 0 || *numbers[i] > 255)) {
            findings.Warning(element.line, Utf8(auxiliaryAttributes[i].name) + " " +
                                               std::to_string(*numbers[i]) +
                                               " keeps its low 8 bits in the tinting table: " +
                                               std::to_string(std::uint8_t(*numbers[i])));
        }
    }
}

void CheckSettingValues(const CatalogueOutline::Element& element, bool failed, CatalogueFindings& findings) {
    CheckAttributes(element, settingAttributes, failed, findings);
}
