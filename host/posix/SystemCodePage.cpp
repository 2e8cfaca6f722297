#include "host/CodePage.h"

namespace host {

CodePage SystemCodePage() {
    return CodePage::Utf8;
}

} // namespace host
