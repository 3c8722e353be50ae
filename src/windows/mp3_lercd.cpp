// The disc reader's window: its layout, the reading off the user-interface thread, the preview
// and the save.
#include "windows/mp3_lercd.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <QStyledItemDelegate>
#include <cstdint>
#include <functional>
#include <optional>

#include "catalogue/catalogue.h"
#include "catalogue/cd_number.h"
#include "catalogue/cp1252.h"
#include "catalogue/disc_identity.h"
#include "catalogue/disc_tree.h"
#include "catalogue/drive_location.h"
#include "catalogue/free_cd_number.h"
#include "catalogue/record_writer.h"
#include "catalogue/runtime_error.h"
#include "catalogue/text_file.h"
#include "toolkit/background_job.h"
#include "toolkit/bit_button.h"
#include "toolkit/builders.h"
#include "toolkit/elided_label.h"
#include "toolkit/list_box.h"
#include "toolkit/list_order.h"
#include "toolkit/picture.h"
#include "toolkit/row_functions.h"
#include "toolkit/scaling.h"
#include "windows/artwork.h"
#include "windows/known_discs.h"
#include "windows/text_codec.h"

TForm5* Form5 = nullptr;

namespace {

using tk::Box;
using tk::Fit;

// The red of the captions drawn in the artwork.
constexpr QRgb kCaptionRed = 0xFFE01010;
constexpr QRgb kDimmed = 0xFF8C8C8C;
const QString kIndent = QStringLiteral("      ");
QString alreadyThere() {
    return QCoreApplication::translate("TForm5", "   (já na lista)");
}

QLabel* makeText(QWidget* parent, const char* name, const QString& text, Box box, QRgb colour,
                 int pixelHeight, bool bold) {
    auto* label = new tk::ElidedLabel(parent);
    label->setText(text);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(tk::layoutFont(QStringLiteral("MS Sans Serif"), pixelHeight, bold));
    tk::setTextColour(label, colour);
    tk::Form::place(label, box);
    return label;
}

// "1 faixa", "2 faixas": the two forms are marked where they are written, translated here.
QString amount(std::size_t n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(
        QCoreApplication::translate("TForm5", n == 1 ? one : many));
}

// How a row of a list is drawn: headings bold, what will not be written in grey.
struct RowLook {
    bool heading = false;
    bool dimmed = false;
};

class RowLookDelegate : public QStyledItemDelegate {
  public:
    RowLookDelegate(std::function<RowLook(int)> look, QObject* parent)
        : QStyledItemDelegate(parent), look_(std::move(look)) {}

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const RowLook look = look_(index.row());
        if (look.heading) option->font.setBold(true);
        if (look.dimmed) option->palette.setColor(QPalette::Text, QColor(kDimmed));
    }

  private:
    std::function<RowLook(int)> look_;
};

// Where the files of a disc found with nothing mounted are: udisks2 mounts it when it can, asked
// for the device node (it does not know a link a user made).
std::string mountedFolder(mp3::DiskAuthority* disks, const mp3::DriveLocation& drive) {
    const std::string shown = win::toCp1252Lossless(win::fromLocal(drive.device));
    if (disks == nullptr || !disks->available()) {
        throw mp3::EInputRefused(mp3::cp1252::fromUtf8("Não há nenhum disco montado em ") + shown);
    }
    if (std::optional<std::string> where = disks->mount(drive.node)) return *where;
    throw mp3::EInputRefused(
        mp3::cp1252::fromUtf8("O disco em ") + shown +
        mp3::cp1252::fromUtf8(" não pôde ser montado: veja se há um CD na unidade"));
}

}  // namespace

// What a reading hands over from its thread: nothing else is shared with it.
struct TForm5::Reading {
    std::unique_ptr<mp3::Catalogue> list = std::make_unique<mp3::Catalogue>();
    std::optional<mp3::DriveLocation> drive;
    mp3::DiscIdentity disc;  // of the disc in a device
    mp3::DiscPreview preview;
    bool cancelled = false;
};

struct TForm5::PreviewRow {
    enum class Kind : std::uint8_t { LooseHeading, Loose, AlbumHeading, Album, Track };
    Kind kind;
    std::uint32_t album;
    std::uint32_t item;
};

TForm5::TForm5(tk::Platform& platform, mp3::TextFile& Ficheiro_Lista,
               const mp3::Catalogue& catalogue, QWidget* mainWindow)
    : ChildWindow(platform, mainWindow),
      Ficheiro_Lista_(&Ficheiro_Lista),
      list_(std::make_unique<mp3::Catalogue>()),
      driveJob_(std::make_unique<tk::BackgroundJob>()),
      job_(std::make_unique<tk::BackgroundJob>()) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("Ler CD"));
    placeWindow(250, 150, 680, 560, Border::FixedSingle);
    tk::fillBackground(this, tk::clBlack);
    setFont(tk::layoutFont(QStringLiteral("MS Sans Serif"), 13));
    build();

    readConfiguration();
    showDrive();
    status_ = configRead_ ? tr("Escolha o número do CD e carregue em Ler.")
                          : tr("Sem \"config.ini\" não se sabe onde está o CD.");
    // With every number in use nothing is proposed, and the status line says why.
    if (proposeCdNumber(catalogue)) compare();
    showPreview();

    connect(job_.get(), &tk::BackgroundJob::progressed, this, [this](qint64 seen) {
        setStatus(
            tr("A ler o CD... %1")
                .arg(amount(static_cast<std::size_t>(seen), QT_TR_NOOP("ficheiro ou pasta vistos"),
                            QT_TR_NOOP("ficheiros e pastas vistos"))));
    });
    connect(Ler, &QPushButton::clicked, this, &TForm5::LerClick);
    connect(Cancelar, &QPushButton::clicked, this, &TForm5::CancelarClick);
    connect(Gravar, &QPushButton::clicked, this, &TForm5::GravarClick);
    connect(CD_Numero, &QComboBox::editTextChanged, this, &TForm5::CD_NumeroChange);
}

TForm5::~TForm5() {
    // A reading still under way is let go of: its end is dropped, nothing waits for it.
    job_.reset();
    driveJob_.reset();
    Previsao->setRowSource(nullptr);
    Recusados->setRowSource(nullptr);
    if (Form5 == this) Form5 = nullptr;
}

void TForm5::build() {
    QWidget* c = client();
    // Pictures first: the fields and lists lie above them.
    Image1 = artworkPicture(c, "Image1", "title_ler_cd", {16, 8, 153, 57}, Fit::Stretch);
    Image2 = artworkPicture(c, "Image2", "frame", {16, 150, 649, 263}, Fit::Stretch);
    Image3 = artworkPicture(c, "Image3", "frame", {16, 440, 649, 113}, Fit::Stretch);

    LabelUnidade =
        makeText(c, "LabelUnidade", tr("Unidade de CD"), {192, 12, 300, 22}, kCaptionRed, 17, true);
    Unidade = makeText(c, "Unidade", QString(), {192, 36, 472, 20}, tk::clWhite, 15, true);
    Unidade->setAccessibleDescription(LabelUnidade->text());

    LabelCD = makeText(c, "LabelCD", tr("CD &nº"), {16, 80, 60, 22}, kCaptionRed, 17, true);
    LabelCD->setTextFormat(Qt::AutoText);
    QStringList numbers;
    for (int n = 1; n <= 99; ++n) numbers << QString::number(n);
    CD_Numero = tk::makeEditableCombo(c, "CD_Numero", {78, 78, 65, 24}, numbers);
    // The buddy names the field for screen readers and gives it Alt+N.
    LabelCD->setBuddy(CD_Numero);
    CD_Numero->setAccessibleName(tr("CD nº"));

    Ler = tk::makeBitButton(c, "Ler", tk::BitKind::Retry, tr("&Ler"), {152, 72, 91, 35});
    Cancelar =
        tk::makeBitButton(c, "Cancelar", tk::BitKind::Cancel, tr("&Cancelar"), {248, 72, 105, 35});
    Gravar = tk::makeBitButton(c, "Gravar", tk::BitKind::Ok, tr("&Gravar"), {572, 72, 91, 35});

    Progresso = new QProgressBar(c);
    Progresso->setObjectName(QStringLiteral("Progresso"));
    // The number of files is not known before the walk ends: a busy bar, with the count beside.
    Progresso->setRange(0, 0);
    Progresso->setTextVisible(false);
    Progresso->setAccessibleName(tr("A ler o CD"));
    place(Progresso, {368, 80, 188, 20});
    Progresso->hide();

    Estado = makeText(c, "Estado", QString(), {16, 112, 648, 36}, tk::clLime, 13, true);
    Estado->setWordWrap(true);
    Estado->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Previsao = tk::makeListBox(c, "Previsao", {32, 166, 617, 231}, tk::clNavy, tk::Cursor::Arrow);
    Previsao->setAccessibleName(tr("O que será gravado"));
    previewSource_ =
        std::make_unique<tk::RowFunctions>([this] { return static_cast<int>(rows_.size()); },
                                           [this](int row) { return previewRowText(row); });
    Previsao->setRowSource(previewSource_.get());
    Previsao->setItemDelegate(new RowLookDelegate(
        [this](int row) {
            RowLook look;
            if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return look;
            const PreviewRow& r = rows_[static_cast<std::size_t>(row)];
            switch (r.kind) {
                case PreviewRow::Kind::LooseHeading:
                case PreviewRow::Kind::AlbumHeading:
                    look.heading = true;
                    break;
                case PreviewRow::Kind::Loose:
                    look.dimmed = preview_.loose[r.item].presence == mp3::Presence::AlreadyThere;
                    break;
                case PreviewRow::Kind::Album:
                    look.dimmed = preview_.albums[r.album].newTrackCount() == 0;
                    break;
                case PreviewRow::Kind::Track:
                    look.dimmed = preview_.albums[r.album].tracks[r.item].presence ==
                                  mp3::Presence::AlreadyThere;
                    break;
            }
            return look;
        },
        Previsao));

    LabelRecusados = makeText(c, "LabelRecusados", tr("Não podem ser gravados"), {16, 416, 648, 22},
                              kCaptionRed, 17, true);
    Recusados =
        tk::makeListBox(c, "Recusados", {32, 456, 617, 81}, tk::clMaroon, tk::Cursor::Arrow);
    Recusados->setAccessibleName(LabelRecusados->text());
    // Two rows for each: the path, then why it is left out.
    refusalSource_ = std::make_unique<tk::RowFunctions>(
        [this] { return static_cast<int>(2 * preview_.refusals.size()); },
        [this](int row) { return refusalRowText(row); });
    Recusados->setRowSource(refusalSource_.get());
    Recusados->setItemDelegate(new RowLookDelegate(
        [](int row) {
            RowLook look;
            look.heading = row % 2 == 0;
            return look;
        },
        Recusados));

    setTabOrder(CD_Numero, Ler);
    setTabOrder(Ler, Cancelar);
    setTabOrder(Cancelar, Gravar);
    setTabOrder(Gravar, Previsao);
    setTabOrder(Previsao, Recusados);
    // Enter reads, which never writes; saving takes its own key (Alt+G). Esc stops a reading.
    setDefaultButton(Ler);
    setCancelButton(Cancelar);
    CD_Numero->setFocus();
}

void TForm5::readConfiguration() {
    mp3::TextFile reader;
    try {
        mp3::readConfig(reader, config_);
        configRead_ = true;
    } catch (const mp3::RuntimeError& error) {
        configRead_ = false;
        configError_ = win::fromCp1252(error.what());
    }
}

void TForm5::showDrive() {
    if (!configRead_) {
        Unidade->setText(tr("Não foi possível ler \"config.ini\" (%1): escolha a unidade em "
                            "Ficheiro > Configuração")
                             .arg(configError_));
        return;
    }
    // Asked off the user-interface thread: a disk service that stops answering freezes nothing.
    Unidade->setText(tr("A procurar a unidade de CD..."));
    auto found = std::make_shared<Reading>();
    driveJob_->start(
        [found, drive = win::cp1252ToLocal(config_.Unidade_CD),
         disks = platform().diskService](const tk::BackgroundJob::Progress&) {
            found->drive = mp3::resolveDrive(drive, disks);
            found->disc = mp3::discInDrive(*found->drive, disks, mp3::SystemPaths{});
        },
        [this, found](std::exception_ptr raised) {
            // A reading that began meanwhile shows where it read.
            if (job_->running()) return;
            try {
                if (raised) std::rethrow_exception(raised);
                showDrive(*found->drive, found->disc);
            } catch (const mp3::EDriveNotFound& error) {
                // It names the letter or the device itself.
                Unidade->setText(win::fromCp1252(error.what()));
            } catch (const mp3::RuntimeError& error) {
                Unidade->setText(QStringLiteral("%1 — %2").arg(win::fromCp1252(config_.Unidade_CD),
                                                               win::fromCp1252(error.what())));
            }
            run([this, found] { recognise(found->disc); });
        });
}

void TForm5::showDrive(const mp3::DriveLocation& drive, const mp3::DiscIdentity& disc) {
    const QString named = win::fromCp1252(config_.Unidade_CD);
    const QString device = win::fromLocal(drive.device);
    // A letter names its device too.
    const QString drawn = device == named ? named : QStringLiteral("%1 (%2)").arg(named, device);
    switch (drive.status) {
        case mp3::DriveLocation::Status::Folder:
            Unidade->setText(win::fromLocal(drive.folder));
            break;
        case mp3::DriveLocation::Status::Mounted:
            Unidade->setText(QStringLiteral("%1 → %2").arg(drawn, win::fromLocal(drive.folder)) +
                             (disc.label.empty()
                                  ? QString()
                                  : tr(" («%1»)").arg(QString::fromStdString(disc.label))));
            break;
        case mp3::DriveLocation::Status::NotMounted:
            Unidade->setText(drawn + tr(": nenhum disco montado"));
            break;
    }
}

void TForm5::recognise(const mp3::DiscIdentity& disc) {
    discStatus_.clear();
    if (disc.empty()) return;
    const std::optional<mp3::DiscRegister> known = readKnownDiscs(platform(), this);
    const std::optional<int> cd = known ? known->cdOf(disc) : std::nullopt;
    if (!cd) return;
    // Its own number, so reading it again adds only what is new.
    const std::string label = known->discOf(*cd)->label;
    discStatus_ =
        label.empty()
            ? tr("Este disco é o CD nº %1.").arg(*cd)
            : tr("Este disco é o CD nº %1 («%2»).").arg(*cd).arg(QString::fromStdString(label));
    CD_Numero->setEditText(QString::number(*cd));
    showStatus();
}

bool TForm5::proposeCdNumber(const mp3::Catalogue& catalogue) {
    if (const std::optional<int> free = mp3::firstFreeCdNumber(catalogue)) {
        CD_Numero->setCurrentIndex(*free - 1);
        return true;
    }
    CD_Numero->setCurrentIndex(-1);
    CD_Numero->clearEditText();
    status_ = tr("Os números de CD de 1 a 99 estão todos em uso: escreva um.");
    return false;
}

std::string TForm5::cdText() const {
    // A character the code page lacks becomes '?', which no CD number holds.
    return win::toCp1252Lossless(CD_Numero->currentText());
}

bool TForm5::reading() const {
    return job_->running();
}

void TForm5::LerClick() {
    run([this] { startReading(); });
}

void TForm5::startReading() {
    if (job_->running() || !configRead_) return;
    clearPreview();
    auto result = std::make_shared<Reading>();
    const std::string drive = win::cp1252ToLocal(config_.Unidade_CD);
    // A list never chosen (the start-up dialog cancelled) has no name: its load says so.
    const bool listChosen = Ficheiro_Lista_->state() != mp3::TextFile::State::Unbound;
    const std::string listName = Ficheiro_Lista_->name();
    mp3::DiskAuthority* disks = platform().diskService;
    job_->start(
        [result, drive, listChosen, listName, disks](const tk::BackgroundJob::Progress& progress) {
            // The list as the file holds it now: a save since the main window's last load counts.
            mp3::TextFile file;
            if (listChosen) file.assign(listName);
            result->list->load(file);
            result->drive = mp3::resolveDrive(drive, disks);
            if (result->drive->status == mp3::DriveLocation::Status::NotMounted) {
                result->drive->folder = mountedFolder(disks, *result->drive);
                result->drive->status = mp3::DriveLocation::Status::Mounted;
            }
            result->disc = mp3::discInDrive(*result->drive, disks, mp3::SystemPaths{});
            const mp3::DiscListing listing = mp3::listDiscTree(
                result->drive->folder,
                [&progress](std::size_t seen) { return progress(static_cast<qint64>(seen)); });
            result->cancelled = listing.cancelled;
            if (!listing.cancelled) result->preview = mp3::readDisc(listing, tk::listTextOrder());
        },
        [this, result](std::exception_ptr raised) {
            run([this, &result, raised] { finishReading(*result, raised); });
        });
    setStatus(tr("A ler o CD..."));
    updateButtons();
}

void TForm5::finishReading(Reading& reading, std::exception_ptr raised) {
    updateButtons();
    // A window closed while it read shows nothing more.
    if (closed_) return;
    // Where it read, or tried to: a disc may have been mounted since the window opened.
    if (reading.drive) showDrive(*reading.drive, reading.disc);
    if (raised) {
        setStatus(tr("A leitura do CD falhou."));
        std::rethrow_exception(raised);
    }
    if (reading.cancelled || job_->cancelled()) {
        setStatus(tr("Leitura cancelada: nada foi lido."));
        return;
    }
    list_ = std::move(reading.list);
    preview_ = std::move(reading.preview);
    previewDisc_ = reading.disc;
    hasPreview_ = true;
    recognise(reading.disc);
    compare();
    showPreview();
}

void TForm5::CancelarClick() {
    run([this] {
        if (!job_->running()) return;
        job_->cancel();
        setStatus(tr("A cancelar..."));
    });
}

void TForm5::CD_NumeroChange() {
    run([this] {
        compare();
        // The same rows with other marks: repainted, so the place in the list stays.
        Previsao->viewport()->update();
        showStatus();
        updateButtons();
    });
}

void TForm5::compare() {
    try {
        if (hasPreview_) {
            mp3::compareWithList(preview_, *list_, cdText());
        } else {
            mp3::cdFieldFor(cdText());
        }
        cdRefusal_.clear();
    } catch (const mp3::RuntimeError& error) {
        cdRefusal_ = win::fromCp1252(error.what());
    }
}

void TForm5::GravarClick() {
    run([this] { save(); });
}

void TForm5::save() {
    if (!hasPreview_ || job_->running()) return;
    // The number as typed now: a refusal here is the entry window's, in the error box.
    const std::string cd = cdText();
    const std::optional<int> number = mp3::cdNumberOf(mp3::cdFieldFor(cd));
    // The disc read is remembered as this CD; replacing another disc's association is asked first.
    std::optional<mp3::DiscRegister> known;
    bool remember = false;
    if (!previewDisc_.empty() && number && *number >= 1) {
        known = readKnownDiscs(platform(), this);
        remember = known && known->cdOf(previewDisc_) != number && replaceAsked(*known, *number);
    }
    // Compared with the list as it stands once the save holds it: another copy of the program may
    // have saved this disc since it was read.
    mp3::appendComposed(*Ficheiro_Lista_, [this, &cd](const mp3::Catalogue& now) {
        mp3::compareWithList(preview_, now, cd);
        return mp3::composeDisc(preview_);
    });
    if (remember) {
        known->remember(*number, previewDisc_);
        known->write();
    }
    const std::size_t loose = preview_.newLooseCount();
    const std::size_t tracks = preview_.newTrackCount();
    std::size_t albums = 0;
    for (const mp3::DiscAlbum& album : preview_.albums) albums += album.newTrackCount() > 0;
    const QString typed = CD_Numero->currentText();
    status_ =
        preview_.nothingNew()
            ? tr("Nada de novo para gravar: a lista já tem tudo o que está no CD.")
            : tr("Gravado no CD nº %1: %2 e %3 em %4.")
                  .arg(typed, amount(loose, QT_TR_NOOP("MP3 isolado"), QT_TR_NOOP("MP3 isolados")),
                       amount(tracks, QT_TR_NOOP("faixa"), QT_TR_NOOP("faixas")),
                       amount(albums, QT_TR_NOOP("álbum"), QT_TR_NOOP("álbuns")));
    clearPreview();
    // The next disc goes under the next free number, so it is not previewed under this one.
    mp3::TextFile file(Ficheiro_Lista_->name());
    list_->load(file);
    proposeCdNumber(*list_);
    showStatus();
}

bool TForm5::replaceAsked(const mp3::DiscRegister& known, int cd) {
    const std::optional<mp3::DiscIdentity> other = known.discOf(cd);
    return !other ||
           platform().confirmation->ask(
               this,
               tr("O CD nº %1 já está associado ao disco «%2». Associar a este "
                  "disco?")
                   .arg(cd)
                   .arg(QString::fromStdString(other->label.empty() ? other->uuid : other->label)));
}

void TForm5::clearPreview() {
    previewDisc_ = {};
    hasPreview_ = false;
    preview_ = {};
    showPreview();
}

void TForm5::showPreview() {
    rows_.clear();
    if (hasPreview_) {
        using Kind = PreviewRow::Kind;
        rows_.reserve(2 + preview_.loose.size() + preview_.albums.size() * 13);
        rows_.push_back({Kind::LooseHeading, 0, 0});
        for (std::size_t i = 0; i < preview_.loose.size(); ++i) {
            rows_.push_back({Kind::Loose, 0, static_cast<std::uint32_t>(i)});
        }
        rows_.push_back({Kind::AlbumHeading, 0, 0});
        for (std::size_t a = 0; a < preview_.albums.size(); ++a) {
            rows_.push_back({Kind::Album, static_cast<std::uint32_t>(a), 0});
            for (std::size_t t = 0; t < preview_.albums[a].tracks.size(); ++t) {
                rows_.push_back(
                    {Kind::Track, static_cast<std::uint32_t>(a), static_cast<std::uint32_t>(t)});
            }
        }
    }
    Previsao->resetRows();
    Recusados->resetRows();
    LabelRecusados->setText(preview_.refusals.empty()
                                ? tr("Não podem ser gravados")
                                : tr("Não podem ser gravados: %1").arg(preview_.refusals.size()));

    showStatus();
    updateButtons();
}

void TForm5::showStatus() {
    if (!cdRefusal_.isEmpty()) {
        Estado->setText(tr("CD nº: %1").arg(cdRefusal_));
        return;
    }
    const QString disc = discStatus_.isEmpty() ? QString() : discStatus_ + QLatin1Char(' ');
    if (!hasPreview_) {
        Estado->setText(disc + status_);
        return;
    }
    QString text =
        disc + tr("No CD: %1 e %2. ")
                   .arg(amount(preview_.loose.size(), QT_TR_NOOP("MP3 isolado"),
                               QT_TR_NOOP("MP3 isolados")),
                        amount(preview_.albums.size(), QT_TR_NOOP("álbum"), QT_TR_NOOP("álbuns")));
    if (preview_.nothingNew()) {
        text += tr("Nada de novo para gravar: tudo já está na lista.");
    } else {
        text += tr("Carregue em Gravar para acrescentar à lista, no CD nº %1: %2 e %3.")
                    .arg(CD_Numero->currentText(),
                         amount(preview_.newLooseCount(), QT_TR_NOOP("MP3 isolado novo"),
                                QT_TR_NOOP("MP3 isolados novos")),
                         amount(preview_.newTrackCount(), QT_TR_NOOP("faixa nova"),
                                QT_TR_NOOP("faixas novas")));
    }
    Estado->setText(text);
}

void TForm5::setStatus(const QString& text) {
    status_ = text;
    showStatus();
}

void TForm5::updateButtons() {
    const bool busy = job_->running();
    QWidget* const focus = focusWidget();
    Ler->setEnabled(!busy && configRead_);
    Cancelar->setEnabled(busy);
    Gravar->setEnabled(!busy && hasPreview_ && cdRefusal_.isEmpty() && !preview_.nothingNew());
    Progresso->setVisible(busy);
    // A button that greys under the keyboard's focus hands it on to where the work goes next:
    // the cancel while reading, then the preview to look through, or back to reading.
    const bool focusLost = focus == Ler || focus == Cancelar || focus == Gravar;
    if (focusLost && !focus->isEnabled()) {
        if (busy) {
            Cancelar->setFocus();
        } else if (hasPreview_) {
            Previsao->setFocus();
        } else if (Ler->isEnabled()) {
            Ler->setFocus();
        } else {
            CD_Numero->setFocus();
        }
    }
}

QString TForm5::previewRowText(int row) const {
    using Kind = PreviewRow::Kind;
    const auto heading = [](const QString& name, std::size_t count, const QString& news) {
        return count == 0 ? name + tr(": nenhum")
                          : QStringLiteral("%1: %2, %3").arg(name).arg(count).arg(news);
    };
    const auto entry = [](const QString& indent, const mp3::DiscText& text) {
        return indent + win::fromCp1252(text.text) +
               (text.presence == mp3::Presence::AlreadyThere ? alreadyThere() : QString());
    };
    const PreviewRow& r = rows_[static_cast<std::size_t>(row)];
    switch (r.kind) {
        case Kind::LooseHeading:
            return heading(
                tr("MP3 isolados", "heading"), preview_.loose.size(),
                amount(preview_.newLooseCount(), QT_TR_NOOP("novo"), QT_TR_NOOP("novos")));
        case Kind::Loose:
            return entry(kIndent, preview_.loose[r.item]);
        case Kind::AlbumHeading:
            return heading(tr("Álbuns"), preview_.albums.size(),
                           amount(preview_.newTrackCount(), QT_TR_NOOP("faixa nova"),
                                  QT_TR_NOOP("faixas novas")));
        case Kind::Album: {
            const mp3::DiscAlbum& album = preview_.albums[r.album];
            return kIndent + win::fromCp1252(album.header) +
                   (album.newTrackCount() == 0 ? alreadyThere() : QString());
        }
        case Kind::Track:
            return entry(kIndent + kIndent, preview_.albums[r.album].tracks[r.item]);
    }
    return {};
}

QString TForm5::refusalRowText(int row) const {
    const mp3::DiscRefusal& refusal = preview_.refusals[static_cast<std::size_t>(row / 2)];
    if (row % 2 == 0) {
        return QString::fromUtf16(refusal.shown.data(),
                                  static_cast<qsizetype>(refusal.shown.size()));
    }
    return kIndent + win::fromCp1252(refusal.reason);
}

void TForm5::onClose() {
    closed_ = true;
    job_->cancel();
    ChildWindow::onClose();
}
