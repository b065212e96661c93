#pragma once

#include "core/notice.h"
#include "tandrel/directory_rows.h"

namespace tandrel {

// Shows each notice of the list in turn; the next only once the one before
// has been dismissed. Reads and writes no box and cannot fail.
void ShowDslamDirectory(core::ShowNotice& notice, DirectoryList list);

}  // namespace tandrel
