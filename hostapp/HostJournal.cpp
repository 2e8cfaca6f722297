#include "hostapp/HostJournal.h"

void HostJournal::AddDebugText(std::string_view text) {
    pendingDebugText.append(text);
    std::size_t end = 0;
    while ((end = pendingDebugText.find('\n')) != std::string::npos) {
        std::string line = pendingDebugText.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        debugLines.push_back(std::move(line));
        pendingDebugText.erase(0, end + 1);
    }
}

void HostJournal::FlushDebugText() {
    if (!pendingDebugText.empty()) {
        debugLines.push_back(std::move(pendingDebugText));
        pendingDebugText.clear();
    }
}
