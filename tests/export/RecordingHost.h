#pragma once

#include "host/AlertBox.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

// Stands in for the host while a test runs: a service table whose CreateAttribute keeps a copy of
// every attribute record, together with what its texture location held during the call, and an
// alert responder that keeps every alert. Both are taken away again at the end.
class RecordingHost {
public:
    struct Material {
        std::array<std::byte, 968> bytes;
        bool hasLocation = false;
        std::string locationPath;     // the path the texture location held during the call
        bool locationExisted = false; // whether something stood at that path during the call
        bool extensionWasZero = false;
    };

    RecordingHost();
    ~RecordingHost();
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    std::vector<Material> materials;
    std::vector<host::AlertRequest> alerts;

private:
    host::AlertResponder previousResponder;
};

// A little-endian field of a recorded record.
template <typename T> T FieldAt(const std::array<std::byte, 968>& bytes, std::size_t offset) {
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}
