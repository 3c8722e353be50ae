// The waiting box and what wakes it.
#include "toolkit/disc_wait.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "toolkit/run_handler.h"
#include "toolkit/scaling.h"

namespace tk {

namespace {

// The mount table's file, open for as long as the box waits on it.
class MountTableWatch {
  public:
    explicit MountTableWatch(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~MountTableWatch() {
        if (fd_ >= 0) ::close(fd_);
    }
    MountTableWatch(const MountTableWatch&) = delete;
    MountTableWatch& operator=(const MountTableWatch&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

constexpr int kPollMs = 500;
// How often an answer being worked out is looked for, and how long before the box shows for it.
constexpr int kAskingMs = 10;
constexpr int kGraceMs = 100;

}  // namespace

bool QtDiscWait::waitUntil(QWidget* parent, const QString& text, const Ready& ready) {
    QString shown = text;
    QElapsedTimer since;
    since.start();
    State state = ready(shown);
    if (state == State::Asking) {
        // A quick answer shows no box; meanwhile keys and clicks wait rather than reach the window.
        QEventLoop grace;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, &grace, [&] {
            state = ready(shown);
            if (state != State::Asking || since.elapsed() >= kGraceMs) grace.quit();
        });
        look.start(kAskingMs);
        grace.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (state == State::Ready) return true;

    QDialog box(parent);
    box.setWindowTitle(applicationTitle());
    box.setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(&box);
    // A small box of one size, like the other prompts: nothing to resize or maximise.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* label = new QLabel(shown, &box);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setMinimumWidth(scaled(300));
    layout->addWidget(label);
    auto* busy = new QProgressBar(&box);
    busy->setRange(0, 0);
    busy->setTextVisible(false);
    busy->setMinimumWidth(scaled(300));
    layout->addWidget(busy);
    auto* cancel = new QPushButton(QCoreApplication::translate("DiscWait", "Cancelar"), &box);
    cancel->setObjectName(QStringLiteral("Cancelar"));
    cancel->setDefault(true);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    QObject::connect(cancel, &QPushButton::clicked, &box, &QDialog::reject);

    // Asked at once while an answer is on its way; otherwise at each change and each poll.
    QElapsedTimer lastAsked;
    lastAsked.start();
    bool changed = false;
    auto check = [&] {
        if (box.result() == QDialog::Rejected &&
            (state == State::Asking || changed || lastAsked.elapsed() >= kPollMs)) {
            changed = false;
            lastAsked.restart();
            state = ready(shown);
            if (label->text() != shown) label->setText(shown);
            if (state == State::Ready) box.accept();
        }
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &box, check);
    poll.start(kAskingMs);
    const qint64 left = std::max<qint64>(0, timeout_.count() - since.elapsed());
    QTimer::singleShot(std::chrono::milliseconds(left), &box, &QDialog::reject);

    // A mount or an unmount anywhere wakes the box at once.
    MountTableWatch table(mountInfo_);
    std::unique_ptr<QSocketNotifier> changes;
    if (table.fd() >= 0) {
        changes = std::make_unique<QSocketNotifier>(table.fd(), QSocketNotifier::Exception);
        QObject::connect(changes.get(), &QSocketNotifier::activated, &box, [&] {
            changed = true;
            check();
        });
    }
    return box.exec() == QDialog::Accepted;
}

}  // namespace tk
