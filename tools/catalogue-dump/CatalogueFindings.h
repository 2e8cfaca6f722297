#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What a catalogue check found, each finding with the line of colours.xml it concerns.
class CatalogueFindings {
public:
    // An error fails the load; a warning is something the add-on accepts but drops, cuts or
    // changes without a word; a note is something it does not read at all.
    enum class Severity { Error, Warning, Note };

    struct Finding {
        Severity severity = Severity::Note;
        // 0 when the finding concerns the file as a whole.
        std::size_t line = 0;
        std::string text;
    };

    void Add(Severity severity, std::size_t line, std::string text);
    void Error(std::size_t line, std::string text) { Add(Severity::Error, line, std::move(text)); }
    void Warning(std::size_t line, std::string text) { Add(Severity::Warning, line, std::move(text)); }
    void Note(std::size_t line, std::string text) { Add(Severity::Note, line, std::move(text)); }

    // In line order, findings of one line in the order they were added.
    std::vector<Finding> InLineOrder() const;
    std::size_t Count(Severity severity) const;

private:
    std::vector<Finding> findings;
};

// `text` in double quotes, cut to a readable length.
std::string Quoted(const std::string& text);
