#include "host/CodePage.h"

#include <windows.h>

namespace host {

// The program's active code page: UTF-8 where its manifest asks for it, the system's otherwise.
CodePage SystemCodePage() {
    return CodePage(GetACP());
}

} // namespace host
