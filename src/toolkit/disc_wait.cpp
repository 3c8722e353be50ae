// The waiting box and what wakes it.
#include "toolkit/disc_wait.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>
#include <QVBoxLayout>

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

}  // namespace

bool QtDiscWait::waitUntil(QWidget* parent, const QString& text,
                           const std::function<bool()>& ready) {
    if (ready()) return true;

    QDialog box(parent);
    box.setWindowTitle(applicationTitle());
    box.setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(&box);
    // A small box of one size, like the other prompts: nothing to resize or maximise.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* label = new QLabel(text, &box);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    auto* busy = new QProgressBar(&box);
    busy->setRange(0, 0);
    busy->setTextVisible(false);
    busy->setMinimumWidth(scaled(300));
    layout->addWidget(busy);
    auto* cancel = new QPushButton(QStringLiteral("Cancelar"), &box);
    cancel->setObjectName(QStringLiteral("Cancelar"));
    cancel->setDefault(true);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    QObject::connect(cancel, &QPushButton::clicked, &box, &QDialog::reject);

    auto check = [&box, &ready] {
        if (box.result() == QDialog::Rejected && ready()) box.accept();
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &box, check);
    poll.start(kPollMs);
    QTimer::singleShot(timeout_, &box, &QDialog::reject);

    // A mount or an unmount anywhere wakes the box at once.
    MountTableWatch table(mountInfo_);
    std::unique_ptr<QSocketNotifier> changes;
    if (table.fd() >= 0) {
        changes = std::make_unique<QSocketNotifier>(table.fd(), QSocketNotifier::Exception);
        QObject::connect(changes.get(), &QSocketNotifier::activated, &box, check);
    }
    return box.exec() == QDialog::Accepted;
}

}  // namespace tk
