// Recording stand-ins for the platform seams, for toolkit and window tests alike.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QString>
#include <QStringList>
#include <QThread>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/platform.h"

namespace tk::fakes {

// Records every box instead of showing it.
class RecordingErrorBox : public ErrorBox {
  public:
    struct Shown {
        QWidget* parent;
        QString title;
        QString message;
    };
    std::vector<Shown> shown;

    void show(QWidget* parent, const QString& title, const QString& message) override {
        shown.push_back({parent, title, message});
    }
};

// Records every warning; onWarning runs while the prompt would be open (to insert a CD, say).
class RecordingMessageDialog : public MessageDialog {
  public:
    struct Warning {
        QWidget* parent;
        QString text;
    };
    std::vector<Warning> warnings;
    std::function<void()> onWarning;

    void warning(QWidget* parent, const QString& text) override {
        warnings.push_back({parent, text});
        if (onWarning) onWarning();
    }
};

// Answers from a queue given in advance; with the queue empty the user cancels.
class ScriptedFileDialog : public FileDialog {
  public:
    std::vector<FileDialogRequest> requests;

    void answer(const QString& fileName, int filterIndex = 1) {
        answers_.push_back({true, FileDialogResult{fileName, filterIndex}});
    }
    void cancel() { answers_.push_back({false, {}}); }

    std::optional<FileDialogResult> run(QWidget*, const FileDialogRequest& request) override {
        requests.push_back(request);
        if (answers_.empty()) return std::nullopt;
        const Answer next = answers_.front();
        answers_.pop_front();
        if (!next.ok) return std::nullopt;
        return next.result;
    }

  private:
    // Kept apart from std::optional: copying one out of the queue trips a false
    // "may be used uninitialized" in optimised builds.
    struct Answer {
        bool ok;
        FileDialogResult result;
    };
    std::deque<Answer> answers_;
};

// Answers from a queue given in advance, then `otherwise` (No, the default button, unless set);
// `asked` holds each file named for emptying and each question, in order.
class ScriptedConfirmation : public Confirmation {
  public:
    QStringList asked;
    std::deque<bool> answers;
    bool otherwise = false;

    bool confirmOverwrite(QWidget* parent, const QString& fileName) override {
        return ask(parent, fileName);
    }
    bool ask(QWidget*, const QString& question) override {
        asked << question;
        if (answers.empty()) return otherwise;
        const bool next = answers.front();
        answers.pop_front();
        return next;
    }
};

// Records the starts and starts nothing.
class RecordingProcessStarter : public ProcessStarter {
  public:
    struct Start {
        std::string program;
        std::vector<std::string> args;
        std::string workingDir;
    };
    std::vector<Start> starts;

    int fails = 0;  // the error number every start gives, 0 for none

    int start(const std::string& program, const std::vector<std::string>& args,
              const std::string& workingDir) override {
        starts.push_back({program, args, workingDir});
        return fails;
    }
};

// Answers from tables set by the test (by default it does not answer, as with no system bus);
// a mount takes `mountAt` for the device and records the call. A play asks for mounts from a
// worker thread: every answer holds the lock.
class RecordingDiskService : public DiskService {
  public:
    std::mutex lock;
    bool answers = false;
    std::vector<std::string> drives;
    std::map<std::string, std::vector<std::string>> mounts;  // device -> mount points
    std::map<std::string, std::string> mountAt;              // device -> where a mount puts it
    std::vector<std::string> mountCalls;
    std::map<std::string, mp3::DiscIdentity> identities;  // device -> the disc in it

    bool available() override {
        const std::lock_guard held(lock);
        return answers;
    }
    std::vector<std::string> opticalDrives() override {
        const std::lock_guard held(lock);
        if (!answers) return {};
        return drives;
    }
    std::optional<std::vector<std::string>> mountPoints(const std::string& device) override {
        const std::lock_guard held(lock);
        auto it = mounts.find(device);
        if (!answers || it == mounts.end()) return std::nullopt;
        return it->second;
    }
    std::optional<std::string> mount(const std::string& device) override {
        const std::lock_guard held(lock);
        mountCalls.push_back(device);
        auto it = mountAt.find(device);
        if (!answers || it == mountAt.end()) return std::nullopt;
        mounts[device] = {it->second};
        return it->second;
    }
    std::optional<mp3::DiscIdentity> identity(const std::string& device) override {
        const std::lock_guard held(lock);
        auto it = identities.find(device);
        if (!answers || it == identities.end()) return std::nullopt;
        return it->second;
    }
};

// Records what it was asked to open; answers `opens`.
class RecordingDefaultApplication : public DefaultApplication {
  public:
    std::vector<std::string> opened;
    bool opens = true;

    bool open(const std::string& path) override {
        opened.push_back(path);
        return opens;
    }
};

// Instead of the box: waits unseen for an answer on its way, as the box does; then, as if the box
// showed, runs `meanwhile` (a disc arriving, say) and asks `ready` again, up to `tries` times, and
// gives up as a user cancelling would. `texts` holds what each box said, its changes included.
class ScriptedDiscWait : public DiscWait {
  public:
    QStringList texts;
    std::function<void()> meanwhile;
    int tries = 1;

    bool waitUntil(QWidget*, const QString& text, const Ready& ready) override {
        QString shown = text;
        if (settle(ready, shown) == State::Ready) return true;
        texts << shown;
        for (int i = 0; i < tries; ++i) {
            if (meanwhile) meanwhile();
            const State state = settle(ready, shown);
            if (texts.last() != shown) texts << shown;
            if (state == State::Ready) return true;
        }
        return false;
    }

  private:
    // Asks until the answer is in: work off the user-interface thread posts its end to it.
    static State settle(const Ready& ready, QString& shown) {
        const QDeadlineTimer deadline(10000);
        State state = ready(shown);
        while (state == State::Asking && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
            state = ready(shown);
        }
        return state;
    }
};

// One of each stand-in, wired into a Platform; pass it where a window wants a Platform&.
class FakePlatform {
  public:
    RecordingErrorBox errorBox;
    RecordingMessageDialog messageDialog;
    ScriptedFileDialog fileDialog;
    ScriptedConfirmation confirmation;
    RecordingProcessStarter processStarter;
    RecordingDiskService diskService;
    RecordingDefaultApplication defaultApplication;
    ScriptedDiscWait discWait;
    Platform platform{&errorBox,       &messageDialog, &fileDialog,         &confirmation,
                      &processStarter, &diskService,   &defaultApplication, &discWait};

    FakePlatform() = default;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    operator Platform&() { return platform; }

    // The messages the error box has shown, in order.
    QStringList errors() const {
        QStringList out;
        for (const auto& shown : errorBox.shown) out << shown.message;
        return out;
    }
};

}  // namespace tk::fakes
