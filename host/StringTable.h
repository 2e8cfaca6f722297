#pragma once

#include "host/UniString.h"

#include <cstddef>
#include <unordered_map>
#include <utility>

namespace host {

// A hash table of the foundation library keyed by Unicode strings (exact, case-sensitive keys).
// Iteration order is unspecified.
template <typename Value> class StringTable {
public:
    using const_iterator = typename std::unordered_map<UniString, Value>::const_iterator;

    // The value stored under `key`, or null.
    Value* Find(const UniString& key) {
        auto found = entries.find(key);
        return found == entries.end() ? nullptr : &found->second;
    }
    const Value* Find(const UniString& key) const {
        auto found = entries.find(key);
        return found == entries.end() ? nullptr : &found->second;
    }

    // Stores `value` under `key`, replacing what was there.
    void Put(const UniString& key, Value value) { entries.insert_or_assign(key, std::move(value)); }

    std::size_t GetSize() const { return entries.size(); }
    bool IsEmpty() const { return entries.empty(); }

    // Entries are (key, value) pairs.
    const_iterator begin() const { return entries.begin(); }
    const_iterator end() const { return entries.end(); }

private:
    std::unordered_map<UniString, Value> entries;
};

} // namespace host
