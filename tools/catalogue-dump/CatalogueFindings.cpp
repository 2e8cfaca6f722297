#include "CatalogueFindings.h"

#include <algorithm>

void CatalogueFindings::Add(Severity severity, std::size_t line, std::string text) {
    findings.push_back({severity, line, std::move(text)});
}

std::vector<CatalogueFindings::Finding> CatalogueFindings::InLineOrder() const {
    std::vector<Finding> sorted = findings;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return sorted;
}

std::size_t CatalogueFindings::Count(Severity severity) const {
    return std::size_t(std::count_if(findings.begin(), findings.end(),
                                     [&](const Finding& f) { return f.severity == severity; }));
}

std::string Quoted(const std::string& text) {
    constexpr std::size_t shown = 60;
    if (text.size() <= shown) {
        return "\"" + text + "\"";
    }
    std::size_t cut = shown;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    std::string quoted = "\"";
    quoted.append(text, 0, cut);
    return quoted + "...\"";
}
