#include "host/StringSet.h"

namespace host {

bool StringSet::Add(const UniString& value) {
    if (!members.insert(value).second) {
        return false;
    }
    try {
        ordered.push_back(value);
    } catch (...) {
        members.erase(value);
        throw;
    }
    return true;
}

} // namespace host
