#include "host/std/ItemRecord.h"

namespace host {

void ItemRecord::Attach(Item* source, ItemObserverRef observer) {
    const ItemAttachment attachment{source, observer};
    if (std::find(attachments.begin(), attachments.end(), attachment) == attachments.end()) {
        attachments.push_back(attachment);
    }
}

void ItemRecord::Detach(Item* source, ItemObserverRef observer) {
    const ItemAttachment attachment{source, observer};
    attachments.erase(std::remove(attachments.begin(), attachments.end(), attachment), attachments.end());
}

} // namespace host
