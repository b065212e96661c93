#include "tandrel/directory_notices.h"

namespace tandrel {

void ShowDslamDirectory(core::ShowNotice& notice, DirectoryList list) {
    for (const DirectoryNotice& directory : NoticesOf(list)) {
        notice(directory.Text());
    }
}

}  // namespace tandrel
