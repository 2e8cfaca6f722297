#include "SettingChecks.h"

#include "CatalogueFindings.h"

#include "host/UniString.h"
#include "loading/CatalogueValues.h"
#include "loading/ColourAmount.h"

#include <charconv>
#include <map>
#include <string>

namespace {

constexpr const char* webLink = "weblink";
constexpr const char* colourAmountName = "colourmixer.amountofcolour";

// Whether `text`, past leading white space and a sign, is a decimal number and nothing else.
bool IsWholeFraction(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\n\v\f\r");
    if (first == std::string_view::npos) {
        return false;
    }
    text.remove_prefix(first);
    if (text.front() == '-' || text.front() == '+') {
        text.remove_prefix(1);
    }
    float value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() &&
           std::string_view(end, text.data() + text.size()).find_first_not_of(" \t\n\v\f\r") ==
               std::string_view::npos;
}

void CheckColourAmount(std::size_t line, const std::string& value, CatalogueFindings& findings) {
    const float fraction = ParseFraction(value);
    const int amount = ColourAmountFromFraction(fraction);
    const std::string effect = ": the colour amount becomes " + std::to_string(amount) + " of 255";
    if (!IsWholeFraction(value)) {
        findings.Warning(line, "the colour amount " + Quoted(value) + " is not read as written" + effect);
    } else if (!(fraction >= 0.0f && fraction < 1.0f)) {
        findings.Warning(
            line, "the colour amount " + Quoted(value) +
                      " lies outside 0 up to 1 and only the low 8 bits of 256 times it are kept" + effect);
    }
}

} // namespace

void CheckSettings(const CatalogueOutline& outline, const std::vector<std::size_t>& settings,
                   CatalogueFindings& findings) {
    // The line of the setting of each known name that is in force so far.
    std::map<std::string, std::size_t> inForce;
    for (const std::size_t index : settings) {
        const CatalogueOutline::Element& element = outline[index];
        const std::u16string* name = element.Find(u"name");
        const std::u16string* value = element.Find(u"value");
        if (name == nullptr || value == nullptr) {
            continue;
        }
        const host::UniString nameText(ToUtf8(*name, MaxValueLength));
        const char* known = nameText.IsEqualIgnoringCase(webLink)            ? webLink
                            : nameText.IsEqualIgnoringCase(colourAmountName) ? colourAmountName
                                                                             : nullptr;
        if (known == nullptr) {
            findings.Warning(element.line, "setting " + Quoted(nameText.ToStdString()) +
                                               " is ignored: the add-on knows only \"" + webLink +
                                               "\" and \"" + colourAmountName + "\"");
            continue;
        }
        if (const auto earlier = inForce.find(known); earlier != inForce.end()) {
            findings.Warning(earlier->second, "setting \"" + std::string(known) +
                                                  "\" is overridden by the one on line " +
                                                  std::to_string(element.line));
        }
        inForce[known] = element.line;
        if (known == colourAmountName) {
            CheckColourAmount(element.line, ToUtf8(*value, MaxValueLength), findings);
        }
    }
}
