// The icon engine that makes the real icon on first use and hands every question on to it.
#include "toolkit/lazy_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <memory>

namespace tk {

namespace {

// Shared by the engine's clones, which Qt makes whenever an icon is copied and changed.
struct Made {
    std::function<QIcon()> make;
    QIcon icon;

    const QIcon& get() {
        if (make) {
            icon = make();
            make = nullptr;
        }
        return icon;
    }
};

class LazyIconEngine : public QIconEngine {
  public:
    explicit LazyIconEngine(std::shared_ptr<Made> made) : made_(std::move(made)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        made_->get().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return made_->get().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return made_->get().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return made_->get().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return made_->get().availableSizes(mode, state);
    }
    QString iconName() override { return made_->get().name(); }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("tk::LazyIconEngine"); }
    QIconEngine* clone() const override { return new LazyIconEngine(made_); }

  private:
    std::shared_ptr<Made> made_;
};

}  // namespace

QIcon lazyIcon(std::function<QIcon()> make) {
    return QIcon(new LazyIconEngine(std::make_shared<Made>(Made{std::move(make), QIcon()})));
}

}  // namespace tk
