// The Qt implementations of the modal seams: error box, warning prompt, open dialog, confirmation.
#pragma once

#include <QStringList>

#include "toolkit/platform.h"

namespace tk {

class QtErrorBox : public ErrorBox {
  public:
    void show(QWidget* parent, const QString& title, const QString& message) override;
};

class QtMessageDialog : public MessageDialog {
  public:
    void warning(QWidget* parent, const QString& text) override;
};

class QtFileDialog : public FileDialog {
  public:
    std::optional<FileDialogResult> run(QWidget* parent, const FileDialogRequest& request) override;
};

class QtConfirmation : public Confirmation {
  public:
    bool confirmOverwrite(QWidget* parent, const QString& fileName) override;
    bool ask(QWidget* parent, const QString& question) override;
};

// Qt's name filters for the request's filters, such as "Lista de MP3 (*.txt)".
QStringList qtNameFilters(const std::vector<FileFilter>& filters);

}  // namespace tk
