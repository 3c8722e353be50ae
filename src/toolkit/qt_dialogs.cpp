// Modal boxes and the open dialog on QMessageBox and QFileDialog.
#include "toolkit/qt_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

namespace tk {

namespace {

// Centres itself on the screen once its size is known (after QMessageBox has laid itself out).
class ScreenCentredBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen == nullptr || event->spontaneous()) return;
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
};

}  // namespace

void QtErrorBox::show(QWidget* parent, const QString& title, const QString& message) {
    QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);  // a message quoting a file name must not turn into markup
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtMessageDialog::warning(QWidget* parent, const QString& text) {
    ScreenCentredBox box(QMessageBox::Warning, QStringLiteral("Warning"), text,
                         QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool QtConfirmation::confirmOverwrite(QWidget* parent, const QString& fileName) {
    return ask(parent, QCoreApplication::translate(
                           "Confirmation",
                           "O ficheiro %1 já existe e vai ser esvaziado.\nDeseja continuar?")
                           .arg(fileName));
}

bool QtConfirmation::ask(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Confirmation", "Confirmar"),
                    question, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* yes =
        box.addButton(QCoreApplication::translate("Confirmation", "&Sim"), QMessageBox::YesRole);
    QPushButton* no =
        box.addButton(QCoreApplication::translate("Confirmation", "&Não"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

QStringList qtNameFilters(const std::vector<FileFilter>& filters) {
    QStringList names;
    for (const FileFilter& filter : filters) {
        // Qt reads the patterns from the last parenthesised group, separated by spaces.
        QString patterns = filter.pattern;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        names << QStringLiteral("%1 (%2)").arg(filter.name, patterns);
    }
    return names;
}

std::optional<FileDialogResult> QtFileDialog::run(QWidget* parent,
                                                  const FileDialogRequest& request) {
    QFileDialog dialog(parent, request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setWindowModality(Qt::ApplicationModal);

    const QStringList names = qtNameFilters(request.filters);
    if (!names.isEmpty()) {
        dialog.setNameFilters(names);
        const int index = request.filterIndex >= 1 && request.filterIndex <= names.size()
                              ? request.filterIndex - 1
                              : 0;
        dialog.selectNameFilter(names.at(index));
    }
    if (!request.defaultExtension.isEmpty()) dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialFolder.isEmpty()) dialog.setDirectory(request.initialFolder);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;

    FileDialogResult result;
    result.fileName = QFileInfo(chosen.first()).absoluteFilePath();
    const qsizetype filter = names.indexOf(dialog.selectedNameFilter());
    result.filterIndex = filter >= 0 ? static_cast<int>(filter) + 1 : 1;
    return result;
}

}  // namespace tk
