// Cleaning one chosen found item.
#include "core/ExportGuard.h"
#include "core/ScrubcoreApp.h"

// TODO(windows-items): files, registry values, the paging-file setting and
// the Recycle Bin land with the Windows items; until then nothing is cleaned.
SCRUBCORE_API int Privacy_CleanSelitems(const wchar_t* foundItemText) {
    (void)foundItemText;
    return 1;
}
