// The open dialog's run through the file dialog seam.
#include "toolkit/open_dialog.h"

namespace tk {

bool OpenDialog::execute(QWidget* parent) {
    FileDialogRequest request;
    request.title = title;
    request.filters = filter;
    request.filterIndex = filterIndex;
    request.defaultExtension = defaultExt;
    request.initialFolder = initialDir;
    request.fileName = fileName;

    std::optional<FileDialogResult> result = platform_->fileDialog->run(parent, request);
    if (!result) return false;
    fileName = result->fileName;
    filterIndex = result->filterIndex;
    return true;
}

}  // namespace tk
