// The platform seams, one abstract interface per modal box or outside service, and their set.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/disk_service.h"

namespace tk {

// The standard error box: stop icon, one OK button.
class ErrorBox {
  public:
    virtual ~ErrorBox() = default;
    virtual void show(QWidget* parent, const QString& title, const QString& message) = 0;
};

// The warning prompt (such as "insert the CD"): caption "Warning", one OK button.
class MessageDialog {
  public:
    virtual ~MessageDialog() = default;
    virtual void warning(QWidget* parent, const QString& text) = 0;
};

struct FileFilter {
    QString name;     // "Lista de MP3"
    QString pattern;  // "*.txt", several separated by ';'
};

struct FileDialogRequest {
    QString title;
    std::vector<FileFilter> filters;
    int filterIndex = 1;  // 1-based, as the component library counts; out of range means the first
    QString defaultExtension;  // without the dot
    QString initialFolder;
    QString fileName;
};

struct FileDialogResult {
    QString fileName;  // absolute
    int filterIndex = 1;
};

// The open dialog: nothing when the user cancels.
class FileDialog {
  public:
    virtual ~FileDialog() = default;
    virtual std::optional<FileDialogResult> run(QWidget* parent,
                                                const FileDialogRequest& request) = 0;
};

// Asks before an existing file is emptied; true to go on.
class Confirmation {
  public:
    virtual ~Confirmation() = default;
    virtual bool confirmOverwrite(QWidget* parent, const QString& fileName) = 0;
};

// Starts a program without a shell and without waiting; a start that fails is not reported.
class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;
    // Program, arguments and folder are bytes in the locale's encoding.
    virtual void start(const std::string& program, const std::vector<std::string>& args,
                       const std::string& workingDir) = 0;
};

// One of each seam; windows get it at construction so tests can hand in stand-ins.
struct Platform {
    ErrorBox* errorBox = nullptr;
    MessageDialog* messageDialog = nullptr;
    FileDialog* fileDialog = nullptr;
    Confirmation* confirmation = nullptr;
    ProcessStarter* processStarter = nullptr;
    DiskService* diskService = nullptr;

    // The process-wide Qt implementations.
    static Platform& qt();
};

}  // namespace tk
