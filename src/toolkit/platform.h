// The platform seams, one abstract interface per modal box or outside service, and their set.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
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

// Asks before something is lost: an existing file emptied, a disc's association replaced. "No"
// is the default; true to go on.
class Confirmation {
  public:
    virtual ~Confirmation() = default;
    virtual bool confirmOverwrite(QWidget* parent, const QString& fileName) = 0;
    virtual bool ask(QWidget* parent, const QString& question) = 0;
};

// Starts a program without a shell and without waiting for it.
class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;
    // Program, arguments and folder are bytes in the locale's encoding. 0 once the program runs;
    // otherwise the system's error number for why it could not be started (not a program this
    // system runs, a missing interpreter, a folder it cannot enter...).
    virtual int start(const std::string& program, const std::vector<std::string>& args,
                      const std::string& workingDir) = 0;
};

// Opens a file with the desktop's default application for its type (the freedesktop MIME
// defaults); false when nothing could be started for it.
class DefaultApplication {
  public:
    virtual ~DefaultApplication() = default;
    // The path is bytes in the locale's encoding.
    virtual bool open(const std::string& path) = 0;
};

// Waits for a disc, or for the disk service's answer: a small modal box with the text and a cancel
// button, shown only once `ready` has not answered at once. `ready` is asked again whenever the
// system's mount table changes, at short intervals, and often while it says it is still Asking
// (an answer computed off the user-interface thread); it must never block, and may change the
// text the box shows.
class DiscWait {
  public:
    enum class State { Ready, NotYet, Asking };
    using Ready = std::function<State(QString& text)>;

    virtual ~DiscWait() = default;
    // True once `ready` is; false when the user cancels or the time runs out.
    virtual bool waitUntil(QWidget* parent, const QString& text, const Ready& ready) = 0;
};

// One of each seam; windows get it at construction so tests can hand in stand-ins.
struct Platform {
    ErrorBox* errorBox = nullptr;
    MessageDialog* messageDialog = nullptr;
    FileDialog* fileDialog = nullptr;
    Confirmation* confirmation = nullptr;
    ProcessStarter* processStarter = nullptr;
    DiskService* diskService = nullptr;
    DefaultApplication* defaultApplication = nullptr;
    DiscWait* discWait = nullptr;

    // The process-wide Qt implementations.
    static Platform& qt();
};

}  // namespace tk
