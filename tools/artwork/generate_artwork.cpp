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
#include <functional>
#include <stdexcept>
#include <vector>

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

// `twin` are the Portuguese words of the title: other words are set no larger than those, so that
// every title of a window keeps one letter size in either language.
QImage paintTitle(const Fonts& fonts, const QString& text, const QString& twin, QSize natural,
                  QSize shown) {
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
    const qreal largest = artwork::fitScale(fonts.title.outline(twin, 100), box, 0.85);
    const QPainterPath word = artwork::fitInto(fonts.title.outline(text, 100), box, 0.85, largest);
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

// Words that end in the ordinal sign ("nº") end in the drawn sign above, not the font's glyph.
QPainterPath captionPath(const Fonts& fonts, const QString& words) {
    const bool ordinal = words.endsWith(u'º');
    QPainterPath path = fonts.caption.outline(ordinal ? words.chopped(1) : words, kCaptionSize)
                            .translated(kCaptionLeft, kCaptionBaseline);
    if (ordinal)
        path.addPath(ordinalSign(path.boundingRect().right() + kCaptionSize * 0.06, kCaptionSize));
    return path;
}

// The words of a caption placed within `wordBox`, narrowed if need be; a caption that spills out
// of it is an error, because the program shows only that much of the picture.
QPainterPath fittedCaption(const Fonts& fonts, const QString& words, const QRect& wordBox) {
    QPainterPath path = captionPath(fonts, words);
    const QRectF bounds = path.boundingRect();
    const qreal limit =
        wordBox.x() + wordBox.width() - 1.0;  // one clear column for the antialiased edge
    if (bounds.right() > limit) {
        // Narrow the words just enough to fit, within reason.
        const qreal squeeze = (limit - kCaptionLeft) / (bounds.right() - kCaptionLeft);
        if (squeeze < 0.88)
            throw std::runtime_error("caption \"" + words.toStdString() +
                                     "\" is far too wide for its box");
        QTransform narrow;
        narrow.translate(kCaptionLeft, 0).scale(squeeze, 1).translate(-kCaptionLeft, 0);
        path = narrow.map(path);
    }
    if (!QRectF(wordBox).adjusted(0, 0, 1, 1).contains(path.boundingRect()))
        throw std::runtime_error("caption \"" + words.toStdString() + "\" spills out of its box");
    return path;
}

QImage paintCaption(const QPainterPath& path, QSize size) {
    QImage image = artwork::blackCanvas(size.width(), size.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCaptionRed);
    painter.drawPath(path);
    return image;
}

// The size of a caption shown at its natural size: as wide as its words, never beyond `limit`.
QSize naturalCaptionSize(const Fonts& fonts, const QString& words, QSize limit) {
    const QRectF bounds = captionPath(fonts, words).boundingRect();
    return {std::min(limit.width(), static_cast<int>(std::ceil(bounds.right())) + 3),
            std::min(limit.height(), 30)};
}

// ---------------------------------------------------------------------------------------------
// Buttons: gold words on a black face between two gold rules.

void paintGoldRule(QPainter& painter, int y, int width) {
    // Whole pixel rows without antialiasing, so the rule stays sharp.
    painter.fillRect(QRect(0, y, width, 1), QColor(0xF8, 0xE0, 0x8A));
    painter.fillRect(QRect(0, y + 1, width, 1), QColor(0xB8, 0x86, 0x0B));
}

// `twin` are the Portuguese words of the button, as for a title.
QImage paintButton(const Fonts& fonts, const QString& text, const QString& twin, QSize size,
                   bool emblem) {
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
    const qreal largest = artwork::fitScale(fonts.button.outline(twin, 100), room, 0.84);
    const QPainterPath word =
        artwork::fitInto(fonts.button.outline(text, 100), room, 0.84, largest);
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

// ---------------------------------------------------------------------------------------------
// The pictures that carry words, each drawn once per language of the interface.

// Draws a picture's `words`; `portuguese` are its Portuguese words, which set the size of a picture
// as wide as its words and the letter size of one that fits its words to its box, so that its
// English twin looks the same in the same box.
using PaintWords =
    std::function<QImage(const Fonts& fonts, const QString& words, const QString& portuguese)>;

PaintWords title(QSize natural, QSize shown) {
    return [=](const Fonts& fonts, const QString& words, const QString& portuguese) {
        return paintTitle(fonts, words, portuguese, natural, shown);
    };
}

// Where a caption's words sit when they are narrower than the Portuguese ones: from the left, or,
// for a caption that leads into a number shown just right of it, ending where the Portuguese words
// end, so the words stay as close to the number.
enum class Flush { Left, Right };

PaintWords caption(QSize size, QRect wordBox, Flush flush = Flush::Left) {
    return [=](const Fonts& fonts, const QString& words, const QString& portuguese) {
        QPainterPath path = fittedCaption(fonts, words, wordBox);
        if (flush == Flush::Right && words != portuguese)
            path.translate(fittedCaption(fonts, portuguese, wordBox).boundingRect().right() -
                               path.boundingRect().right(),
                           0);
        return paintCaption(path, size);
    };
}

PaintWords naturalCaption(QSize limit) {
    return [=](const Fonts& fonts, const QString& words, const QString& portuguese) {
        const QSize size = naturalCaptionSize(fonts, portuguese, limit);
        return paintCaption(fittedCaption(fonts, words, QRect(0, 0, size.width(), 25)), size);
    };
}

PaintWords button(QSize size, bool emblem) {
    return [=](const Fonts& fonts, const QString& words, const QString& portuguese) {
        return paintButton(fonts, words, portuguese, size, emblem);
    };
}

struct WordedPicture {
    const char* name;
    QString portuguese;
    QString english;  // empty where the words read the same in English: no English twin
    PaintWords paint;
};

const std::vector<WordedPicture>& wordedPictures() {
    static const std::vector<WordedPicture> pictures = {
        {"title_mp3", "MP3", "", title({89, 49}, {89, 49})},
        {"title_cds_completos", "CDs Completos", "Complete CDs", title({257, 57}, {257, 57})},
        {"title_conteudo_do_cd", "Conteúdo do CD", "CD Contents", title({289, 57}, {289, 57})},
        {"title_pesquisa_de_mp3", "Pesquisa de MP3", "MP3 Search", title({289, 57}, {289, 57})},
        {"title_novo_mp3", "Novo MP3", "New MP3", title({165, 61}, {193, 57})},
        {"title_novo_album", "Novo Álbum", "New Album", title({194, 61}, {217, 57})},
        {"title_ler_cd", "Ler CD", "Read CD", title({153, 57}, {153, 57})},
        {"caption_presente_no_cd", "Presente no CD nº", "On CD no.",
         caption({169, 25}, {0, 0, 169, 25}, Flush::Right)},
        {"caption_texto_a_procurar", "Texto a Procurar", "Text to Find", naturalCaption({177, 33})},
        {"caption_mp3_encontrados", "MP3 Encontrados", "MP3s Found", naturalCaption({185, 33})},
        {"caption_cds_encontrados", "CDs Encontrados", "CDs Found", naturalCaption({153, 33})},
        {"caption_musicas_do_cd", "Músicas do CD", "Songs on CD",
         caption({123, 30}, {0, 0, 123, 25})},
        {"caption_nome_do_artista", "Nome do Artista", "Artist Name",
         caption({138, 27}, {0, 0, 137, 25})},
        {"caption_nome_do_album", "Nome do Álbum", "Album Name",
         caption({141, 28}, {0, 0, 141, 25})},
        {"caption_cd_no", "CD nº", "CD no.", caption({123, 30}, {0, 0, 97, 25})},
        {"caption_introduza_os_mp3", "Introduza os MP3 (um por linha)",
         "Enter the MP3s (one per line)", caption({267, 24}, {0, 0, 265, 23})},
        {"button_play", "PLAY !", "", button({129, 33}, true)},
        {"button_procurar", "PROCURAR", "SEARCH", button({145, 57}, false)},
    };
    return pictures;
}

void generate(const QDir& root) {
    const Fonts fonts;
    if (!root.mkpath(QStringLiteral("artwork/en")) || !root.mkpath(QStringLiteral("icon")))
        throw std::runtime_error("cannot create directories under " +
                                 root.absolutePath().toStdString());
    QTextStream out(stdout);
    auto jpeg = [&](const QString& name, const QImage& image) {
        writeJpeg(root.filePath(QStringLiteral("artwork/") + name), image);
        out << "artwork/" << name << ' ' << image.width() << 'x' << image.height() << '\n';
    };

    jpeg(QStringLiteral("frame.jpg"), paintFrame(250, 150));
    jpeg(QStringLiteral("frame_help.jpg"), paintFrame(360, 460));

    for (const WordedPicture& picture : wordedPictures()) {
        const QString file = QLatin1String(picture.name) + QStringLiteral(".jpg");
        jpeg(file, picture.paint(fonts, picture.portuguese, picture.portuguese));
        if (!picture.english.isEmpty())
            jpeg(QStringLiteral("en/") + file,
                 picture.paint(fonts, picture.english, picture.portuguese));
    }

    jpeg(QStringLiteral("decoration.jpg"), paintDecoration());

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
