#include "host/std/TemplateItems.h"

#include "host/DialogItems.h"

#include <set>

namespace host {

bool IsWellFormed(const DialogTemplate& dialogTemplate) {
    if (dialogTemplate.width < 0 || dialogTemplate.height < 0) {
        return false;
    }
    std::set<std::int16_t> ids;
    for (const DialogTemplateItem& item : dialogTemplate.items) {
        const auto kind = std::int16_t(item.kind);
        if (item.id <= 0 || !ids.insert(item.id).second || item.width < 0 || item.height < 0 ||
            kind < std::int16_t(DialogItemKind::PushButton) || kind > std::int16_t(DialogItemKind::Picture)) {
            return false;
        }
    }
    return true;
}

Rect ItemRect(const DialogTemplateItem& item) {
    const std::int16_t height = item.kind == DialogItemKind::PopUp ? PopUp::ClosedHeight : item.height;
    return Rect(item.left, item.top, std::int16_t(item.left + item.width), std::int16_t(item.top + height));
}

} // namespace host
