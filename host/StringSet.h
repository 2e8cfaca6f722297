#pragma once

#include "host/UniString.h"

#include <cstddef>
#include <unordered_set>
#include <vector>

namespace host {

// A set of Unicode strings of the foundation library that remembers the order of insertion.
// Membership is exact, case-sensitive string equality; a value added again keeps its first place.
class StringSet {
public:
    using const_iterator = std::vector<UniString>::const_iterator;

    // True when the value was new.
    bool Add(const UniString& value);
    bool Contains(const UniString& value) const { return members.contains(value); }

    std::size_t GetSize() const { return ordered.size(); }
    bool IsEmpty() const { return ordered.empty(); }
    // The value at `index` in insertion order; null when out of range.
    const UniString* Get(std::size_t index) const {
        return index < ordered.size() ? &ordered[index] : nullptr;
    }

    const_iterator begin() const { return ordered.begin(); }
    const_iterator end() const { return ordered.end(); }

    friend bool operator==(const StringSet& left, const StringSet& right) {
        return left.ordered == right.ordered;
    }

private:
    std::vector<UniString> ordered;
    std::unordered_set<UniString> members;
};

} // namespace host
