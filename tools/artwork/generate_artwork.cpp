// Draws every picture of the program's black, glossy look and writes them under a resources
// directory.
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QSaveFile>
#include <QTextStream>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "jpeg_file.h"
#include "painting.h"

namespace {

using artwork::FontFile;

constexpr int kJpegQuality = 92;

struct Fonts {
    FontFile title{
        QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf")};
    FontFile caption{
        QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf")};
    FontFile button{QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf")};
};

// ---------------------------------------------------------------------------------------------
// Frame: a white field whose rim darkens through grey into the black around it.

// Grey level across the rim, from the outer border (0) to where the white field starts (1).
int rimGrey(qreal t) {
    struct Stop {
        qreal at;
        qreal grey;
    };
    static const Stop stops[] = {{0.00, 0},   {0.18, 40},  {0.45, 92},
                                 {0.70, 150}, {0.88, 215}, {1.00, 255}};
    for (std::size_t i = 1; i < std::size(stops); ++i) {
        if (t <= stops[i].at) {
            const qreal f = (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at);
            const qreal eased = f * f * (3 - 2 * f);
            return static_cast<int>(
                std::lround(stops[i - 1].grey + eased * (stops[i].grey - stops[i - 1].grey)));
        }
    }
    return 255;
}

QImage paintFrame(int width, int height) {
    QImage image = artwork::blackCanvas(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // The rim is a fixed share of each side; thin enough that stretched to 545 px wide or 425 px
    // tall it still leaves white within 16 px of the edge, where the program's lists begin.
    const qreal rimX = width * 0.03;
    const qreal rimY = height * 0.036;
    const QRectF outer(0, 0, width, height);
    constexpr int steps = 96;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = static_cast<qreal>(i) / steps;
        const QRectF rect = outer.adjusted(rimX * t, rimY * t, -rimX * t, -rimY * t);
        const int grey = rimGrey(t);
        painter.setBrush(QColor(grey, grey, grey));
        painter.drawRoundedRect(rect, rimX * (1.6 - t), rimY * (1.6 - t), Qt::AbsoluteSize);
    }
    return image;
}

// ---------------------------------------------------------------------------------------------
// Titles: glossy red words with a dark rim and shadow.

QImage paintTitle(const Fonts& fonts, const QString& text, QSize natural, QSize shown) {
    QImage image = artwork::blackCanvas(natural.width(), natural.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Draw in the proportions the picture is shown at, so stretching undoes the squeeze.
    painter.scale(static_cast<qreal>(natural.width()) / shown.width(),
                  static_cast<qreal>(natural.height()) / shown.height());

    const qreal marginX = std::max(3.0, shown.width() * 0.035);
    const qreal marginY = std::max(3.0, shown.height() * 0.09);
    const QRectF box(marginX, marginY, shown.width() - 2 * marginX - 1,
                     shown.height() - 2 * marginY - 1);
    const QPainterPath word = artwork::fitInto(fonts.title.outline(text, 100), box, 0.85);
    const QRectF bounds = word.boundingRect();

    artwork::paintShadow(painter, word, QColor(0x60, 0x0C, 0x0C), QPointF(1.5, 2.0), 2);

    painter.setPen(QPen(QColor(0x22, 0x00, 0x00), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(word);

    // A thin light edge along the tops of the letters.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xB8, 0xA8));
    painter.drawPath(word.translated(0, -0.9));

    QLinearGradient body(bounds.topLeft(), bounds.bottomLeft());
    body.setColorAt(0.00, QColor(0xFF, 0x6A, 0x58));
    body.setColorAt(0.46, QColor(0xF0, 0x1E, 0x14));
    body.setColorAt(0.54, QColor(0xC4, 0x0A, 0x06));
    body.setColorAt(1.00, QColor(0x50, 0x00, 0x00));
    painter.setBrush(body);
    painter.drawPath(word);

    // Gloss: a soft white sheen over the upper half of the letters.
    painter.save();
    painter.setClipPath(word);
    const QRectF sheen(bounds.left() - bounds.width() * 0.1, bounds.top() - bounds.height() * 0.9,
                       bounds.width() * 1.2, bounds.height() * 1.42);
    QLinearGradient white(sheen.topLeft(), sheen.bottomLeft());
    white.setColorAt(0.55, QColor(255, 255, 255, 150));
    white.setColorAt(1.00, QColor(255, 255, 255, 25));
    painter.setBrush(white);
    painter.drawEllipse(sheen);
    painter.restore();
    return image;
}

// ---------------------------------------------------------------------------------------------
// Captions: plain narrow bold red words, all set at one size on one baseline.

constexpr qreal kCaptionSize = 20.0;
constexpr qreal kCaptionBaseline = 19.0;
constexpr qreal kCaptionLeft = 2.0;
const QColor kCaptionRed(0xE0, 0x10, 0x10);

// The ordinal sign as a raised small circle over a short bar, placed with its left edge at `left`.
QPainterPath ordinalSign(qreal left, qreal size) {
    const qreal diameter = size * 0.36;
    const qreal stroke = size * 0.095;
    const qreal top = kCaptionBaseline - size * 0.72;  // level with the capitals
    QPainterPath circle;
    circle.addEllipse(
        QRectF(left + stroke / 2, top + stroke / 2, diameter - stroke, diameter - stroke));
    QPainterPathStroker stroker;
    stroker.setWidth(stroke);
    QPainterPath sign = stroker.createStroke(circle);
    sign.addRect(QRectF(left, top + diameter + size * 0.07, diameter, size * 0.085));
    return sign.simplified();
}

struct Caption {
    QString text;
    bool ordinal = false;  // append the ordinal sign after the text
};

QPainterPath captionPath(const Fonts& fonts, const Caption& caption) {
    QPainterPath path = fonts.caption.outline(caption.text, kCaptionSize)
                            .translated(kCaptionLeft, kCaptionBaseline);
    if (caption.ordinal)
        path.addPath(ordinalSign(path.boundingRect().right() + kCaptionSize * 0.06, kCaptionSize));
    return path;
}

// Paints a caption; `wordBox` is where the words are allowed, and a caption that spills out of it
// is an error, because the program shows only that much of the picture.
QImage paintCaption(const Fonts& fonts, const Caption& caption, QSize size, const QRect& wordBox) {
    QPainterPath path = captionPath(fonts, caption);
    QRectF bounds = path.boundingRect();
    const qreal limit =
        wordBox.x() + wordBox.width() - 1.0;  // one clear column for the antialiased edge
    if (bounds.right() > limit) {
        // Narrow the words just enough to fit, within reason.
        const qreal squeeze = (limit - kCaptionLeft) / (bounds.right() - kCaptionLeft);
        if (squeeze < 0.88)
            throw std::runtime_error("caption \"" + caption.text.toStdString() +
                                     "\" is far too wide for its box");
        QTransform narrow;
        narrow.translate(kCaptionLeft, 0).scale(squeeze, 1).translate(-kCaptionLeft, 0);
        path = narrow.map(path);
        bounds = path.boundingRect();
    }
    if (!QRectF(wordBox).adjusted(0, 0, 1, 1).contains(bounds))
        throw std::runtime_error("caption \"" + caption.text.toStdString() +
                                 "\" spills out of its box");

    QImage image = artwork::blackCanvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCaptionRed);
    painter.drawPath(path);
    return image;
}

// A caption shown at its natural size: as wide as its words, never beyond `limit`.
QImage paintNaturalCaption(const Fonts& fonts, const Caption& caption, QSize limit) {
    const QRectF bounds = captionPath(fonts, caption).boundingRect();
    const int width = std::min(limit.width(), static_cast<int>(std::ceil(bounds.right())) + 3);
    const int height = std::min(limit.height(), 30);
    return paintCaption(fonts, caption, QSize(width, height), QRect(0, 0, width, 25));
}

// ---------------------------------------------------------------------------------------------
// Buttons: gold words on a black face between two gold rules.

void paintGoldRule(QPainter& painter, int y, int width) {
    // Whole pixel rows without antialiasing, so the rule stays sharp.
    painter.fillRect(QRect(0, y, width, 1), QColor(0xF8, 0xE0, 0x8A));
    painter.fillRect(QRect(0, y + 1, width, 1), QColor(0xB8, 0x86, 0x0B));
}

QImage paintButton(const Fonts& fonts, const QString& text, QSize size, bool emblem) {
    QImage image = artwork::blackCanvas(size.width(), size.height());
    QPainter painter(&image);
    const int ruleGap = size.height() >= 48 ? 3 : 2;
    paintGoldRule(painter, ruleGap, size.width());
    paintGoldRule(painter, size.height() - ruleGap - 2, size.width());

    painter.setRenderHint(QPainter::Antialiasing);
    const qreal inside = size.height() - 2.0 * (ruleGap + 2);
    const qreal capHeight = std::round(inside * 0.54);
    QRectF textArea(0, 0, size.width(), size.height());
    if (emblem) {
        const qreal side = inside + 1;
        const QRectF mark(5, (size.height() - side) / 2, side, side);
        artwork::paintEmblem(painter, mark);
        textArea.setLeft(mark.right() + 4);
    }
    // Capitals about half the height between the rules, narrowed (then shrunk) if the face is too
    // narrow.
    const QRectF room =
        textArea.adjusted(4, (size.height() - capHeight) / 2, -4, -(size.height() - capHeight) / 2);
    const QPainterPath word = artwork::fitInto(fonts.button.outline(text, 100), room, 0.84);
    const QRectF bounds = word.boundingRect();

    artwork::paintShadow(painter, word, QColor(0x40, 0x30, 0x08), QPointF(1.0, 1.0), 1);
    QLinearGradient gold(bounds.topLeft(), bounds.bottomLeft());
    gold.setColorAt(0.0, QColor(0xF8, 0xE0, 0x8A));
    gold.setColorAt(1.0, QColor(0xB8, 0x86, 0x0B));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    painter.drawPath(word);
    return image;
}

// ---------------------------------------------------------------------------------------------
// Decoration: a red vertical line with two brackets level with the buttons beside it.

QImage paintDecoration() {
    constexpr int width = 329;
    constexpr int height = 545;
    constexpr int lineLeft = 159;
    constexpr int lineWidth = 3;
    constexpr int lineTop = 16;
    constexpr int lineBottom = 536;
    constexpr int bracketLeft = 124;
    const QColor red(0xD8, 0x10, 0x10);

    QImage image = artwork::blackCanvas(width, height);
    QPainter painter(&image);

    // The line fades in and out at its ends instead of stopping bluntly.
    QLinearGradient fade(0, lineTop, 0, lineBottom);
    const qreal ramp = 14.0 / (lineBottom - lineTop);
    fade.setColorAt(0.0, Qt::black);
    fade.setColorAt(ramp, red);
    fade.setColorAt(1.0 - ramp, red);
    fade.setColorAt(1.0, Qt::black);
    painter.fillRect(QRect(lineLeft, lineTop, lineWidth, lineBottom - lineTop), fade);

    // Each bracket's arms reach left to the buttons' right edge at their top and bottom rows.
    for (const auto& [top, bottom] : {std::pair{136, 193}, std::pair{467, 524}}) {
        painter.fillRect(QRect(bracketLeft, top, lineLeft - bracketLeft, 2), red);
        painter.fillRect(QRect(bracketLeft, bottom - 1, lineLeft - bracketLeft, 2), red);
    }
    return image;
}

// ---------------------------------------------------------------------------------------------

QImage paintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    artwork::paintEmblem(painter, QRectF(0, 0, size, size));
    return image;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
}

void writeJpeg(const QString& path, const QImage& image) {
    QString error;
    const QByteArray bytes = artwork::encodeJpeg(image, kJpegQuality, &error);
    if (bytes.isEmpty())
        throw std::runtime_error("cannot encode " + path.toStdString() + ": " +
                                 error.toStdString());
    writeFile(path, bytes);
}

void writePng(const QString& path, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG"))
        throw std::runtime_error("cannot encode " + path.toStdString());
    writeFile(path, bytes);
}

void generate(const QDir& root) {
    const Fonts fonts;
    if (!root.mkpath(QStringLiteral("artwork")) || !root.mkpath(QStringLiteral("icon")))
        throw std::runtime_error("cannot create directories under " +
                                 root.absolutePath().toStdString());
    const QString art = root.filePath(QStringLiteral("artwork/"));
    QTextStream out(stdout);
    auto jpeg = [&](const char* name, const QImage& image) {
        writeJpeg(art + QLatin1String(name), image);
        out << "artwork/" << name << ' ' << image.width() << 'x' << image.height() << '\n';
    };

    jpeg("frame.jpg", paintFrame(250, 150));
    jpeg("frame_help.jpg", paintFrame(360, 460));

    jpeg("title_mp3.jpg", paintTitle(fonts, QStringLiteral("MP3"), {89, 49}, {89, 49}));
    jpeg("title_cds_completos.jpg",
         paintTitle(fonts, QStringLiteral("CDs Completos"), {257, 57}, {257, 57}));
    jpeg("title_conteudo_do_cd.jpg",
         paintTitle(fonts, QStringLiteral("Conteúdo do CD"), {289, 57}, {289, 57}));
    jpeg("title_pesquisa_de_mp3.jpg",
         paintTitle(fonts, QStringLiteral("Pesquisa de MP3"), {289, 57}, {289, 57}));
    jpeg("title_novo_mp3.jpg", paintTitle(fonts, QStringLiteral("Novo MP3"), {165, 61}, {193, 57}));
    jpeg("title_novo_album.jpg",
         paintTitle(fonts, QStringLiteral("Novo Álbum"), {194, 61}, {217, 57}));
    jpeg("title_ler_cd.jpg", paintTitle(fonts, QStringLiteral("Ler CD"), {153, 57}, {153, 57}));

    jpeg("caption_presente_no_cd.jpg",
         paintCaption(fonts, {QStringLiteral("Presente no CD n"), true}, {169, 25},
                      {0, 0, 169, 25}));
    jpeg("caption_texto_a_procurar.jpg",
         paintNaturalCaption(fonts, {QStringLiteral("Texto a Procurar")}, {177, 33}));
    jpeg("caption_mp3_encontrados.jpg",
         paintNaturalCaption(fonts, {QStringLiteral("MP3 Encontrados")}, {185, 33}));
    jpeg("caption_cds_encontrados.jpg",
         paintNaturalCaption(fonts, {QStringLiteral("CDs Encontrados")}, {153, 33}));
    jpeg("caption_musicas_do_cd.jpg",
         paintCaption(fonts, {QStringLiteral("Músicas do CD")}, {123, 30}, {0, 0, 123, 25}));
    jpeg("caption_nome_do_artista.jpg",
         paintCaption(fonts, {QStringLiteral("Nome do Artista")}, {138, 27}, {0, 0, 137, 25}));
    jpeg("caption_nome_do_album.jpg",
         paintCaption(fonts, {QStringLiteral("Nome do Álbum")}, {141, 28}, {0, 0, 141, 25}));
    jpeg("caption_cd_no.jpg",
         paintCaption(fonts, {QStringLiteral("CD n"), true}, {123, 30}, {0, 0, 97, 25}));
    jpeg("caption_introduza_os_mp3.jpg",
         paintCaption(fonts, {QStringLiteral("Introduza os MP3 (um por linha)")}, {267, 24},
                      {0, 0, 265, 23}));

    jpeg("button_play.jpg", paintButton(fonts, QStringLiteral("PLAY !"), {129, 33}, true));
    jpeg("button_procurar.jpg", paintButton(fonts, QStringLiteral("PROCURAR"), {145, 57}, false));

    jpeg("decoration.jpg", paintDecoration());

    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString name = QStringLiteral("icon/mp3_search_%1.png").arg(size);
        writePng(root.filePath(name), paintIcon(size));
        out << name << ' ' << size << 'x' << size << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s RESOURCES_DIR\n", argc > 0 ? argv[0] : "generate_artwork");
        return 2;
    }
    try {
        generate(QDir(args.at(1)));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "generate_artwork: %s\n", error.what());
        return 1;
    }
    return 0;
}
