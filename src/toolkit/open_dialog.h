// The open dialog a window owns: its properties persist between uses, like the component's.
#pragma once

#include <QString>
#include <vector>

#include "toolkit/platform.h"

namespace tk {

class OpenDialog {
  public:
    explicit OpenDialog(Platform& platform) : platform_(&platform) {}

    QString title;
    std::vector<FileFilter> filter;
    int filterIndex = 1;  // 1-based
    QString defaultExt;
    QString initialDir;
    QString fileName;

    // Shows the dialog; on OK keeps the chosen absolute name and filter and returns true.
    // On cancel every property stays as it was.
    bool execute(QWidget* parent = nullptr);

  private:
    Platform* platform_;
};

}  // namespace tk
