#pragma once

namespace ui {

// Decoded pictures and window buffers are large and short-lived. Keeping each
// in a mapping of its own means closing its window hands the memory back to
// the system; glibc's sliding threshold would otherwise move them onto the
// heap after the first was freed, and the memory would stay with the process.
void KeepLargeAllocationsReturnable();

}  // namespace ui
