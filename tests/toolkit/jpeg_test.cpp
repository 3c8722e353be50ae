// JPEG decoding with our libjpeg decoder, and the picture box that shows the result.
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "toolkit/jpeg_image.h"
#include "toolkit/picture.h"
#include "toolkit/scaling.h"

// jpeglib.h needs FILE declared before it.
#include <jpeglib.h>

namespace {

enum class Encoding { Baseline, Progressive };

// Compresses samples (rows of `components` bytes per pixel) with libjpeg's own compressor.
QByteArray compress(const std::vector<unsigned char>& samples, int width, int height,
                    int components, J_COLOR_SPACE space, Encoding encoding) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (encoding == Encoding::Progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPLE*>(samples.data()) +
                    static_cast<std::size_t>(info.next_scanline) * width * components;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

// Four 16x16 quadrants: red, green / blue, white.
constexpr int kSide = 32;
const QColor kQuadrants[4] = {Qt::red, Qt::green, Qt::blue, Qt::white};

QColor quadrantColour(int x, int y) {
    return kQuadrants[(y >= kSide / 2) * 2 + (x >= kSide / 2)];
}

QByteArray colourJpeg(Encoding encoding) {
    std::vector<unsigned char> samples;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const QColor c = quadrantColour(x, y);
            samples.insert(samples.end(), {static_cast<unsigned char>(c.red()),
                                           static_cast<unsigned char>(c.green()),
                                           static_cast<unsigned char>(c.blue())});
        }
    }
    return compress(samples, kSide, kSide, 3, JCS_RGB, encoding);
}

// Left half black, right half a light grey.
QByteArray greyJpeg(Encoding encoding) {
    std::vector<unsigned char> samples;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) samples.push_back(x < kSide / 2 ? 0 : 200);
    }
    return compress(samples, kSide, kSide, 1, JCS_GRAYSCALE, encoding);
}

// Red on top, blue below, stored as Adobe's inverted CMYK.
QByteArray cmykJpeg() {
    std::vector<unsigned char> samples;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const unsigned char ink[4] = {0, 255, 255, 0};   // red: magenta + yellow
            const unsigned char inkB[4] = {255, 255, 0, 0};  // blue: cyan + magenta
            const unsigned char* pixel = y < kSide / 2 ? ink : inkB;
            for (int i = 0; i < 4; ++i)
                samples.push_back(static_cast<unsigned char>(255 - pixel[i]));
        }
    }
    return compress(samples, kSide, kSide, 4, JCS_CMYK, Encoding::Baseline);
}

bool near(QColor actual, QColor expected, int tolerance = 12) {
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

#define VERIFY_NEAR(actual, expected) \
    QVERIFY2(                         \
        near(actual, expected),       \
        qPrintable(QStringLiteral("got %1, expected %2").arg((actual).name(), (expected).name())))

}  // namespace

class JpegTest : public QObject {
    Q_OBJECT

  private slots:
    void decodesColourPictures_data() {
        QTest::addColumn<QByteArray>("jpeg");
        QTest::newRow("baseline") << colourJpeg(Encoding::Baseline);
        QTest::newRow("progressive") << colourJpeg(Encoding::Progressive);
    }
    void decodesColourPictures() {
        QFETCH(QByteArray, jpeg);
        const QImage image = tk::decodeJpeg(jpeg);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(kSide, kSide));
        QCOMPARE(image.format(), QImage::Format_RGB32);  // what a pixmap takes without converting
        for (const QPoint at : {QPoint(4, 4), QPoint(27, 4), QPoint(4, 27), QPoint(27, 27)}) {
            VERIFY_NEAR(image.pixelColor(at), quadrantColour(at.x(), at.y()));
        }
    }

    void decodesGreyPictures_data() {
        QTest::addColumn<QByteArray>("jpeg");
        QTest::newRow("baseline") << greyJpeg(Encoding::Baseline);
        QTest::newRow("progressive") << greyJpeg(Encoding::Progressive);
    }
    void decodesGreyPictures() {
        QFETCH(QByteArray, jpeg);
        const QImage image = tk::decodeJpeg(jpeg);
        QVERIFY(!image.isNull());
        VERIFY_NEAR(image.pixelColor(4, 10), QColor(0, 0, 0));
        VERIFY_NEAR(image.pixelColor(27, 10), QColor(200, 200, 200));
    }

    void decodesAdobeCmyk() {
        const QImage image = tk::decodeJpeg(cmykJpeg());
        QVERIFY(!image.isNull());
        VERIFY_NEAR(image.pixelColor(10, 4), QColor(Qt::red));
        VERIFY_NEAR(image.pixelColor(10, 27), QColor(Qt::blue));
    }

    void refusesWhatIsNotAWholeJpeg_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = colourJpeg(Encoding::Baseline);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("this is not a picture at all");
        QTest::newRow("start of image only") << QByteArray("\xFF\xD8", 2);
        QTest::newRow("half of a baseline picture") << good.left(good.size() / 2);
        const QByteArray progressive = colourJpeg(Encoding::Progressive);
        QTest::newRow("half of a progressive picture") << progressive.left(progressive.size() / 2);
        QByteArray noise(4096, '\0');
        std::srand(7);
        for (char& c : noise) c = static_cast<char>(std::rand());
        QTest::newRow("noise") << noise;
        QTest::newRow("good header, noise after") << good.left(200) + noise;
    }
    void refusesWhatIsNotAWholeJpeg() {
        QFETCH(QByteArray, bytes);
        QVERIFY(tk::decodeJpeg(bytes).isNull());
    }

    void everyTruncationFailsCleanly() {
        const QByteArray good = colourJpeg(Encoding::Progressive);
        // The end-of-image marker's last byte may go: libjpeg never needs it to finish.
        for (qsizetype length = 0; length < good.size() - 2; ++length) {
            QVERIFY2(tk::decodeJpeg(good.left(length)).isNull(),
                     qPrintable(QString::number(length)));
        }
        QVERIFY(!tk::decodeJpeg(good).isNull());
    }

    void refusesAHeaderAskingForAGiantPicture() {
        QByteArray bytes = colourJpeg(Encoding::Baseline);
        const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
        QVERIFY(frame > 0);
        // Frame header: marker, length (2), precision (1), height (2), width (2).
        for (int i = 5; i <= 8; ++i) bytes[frame + i] = static_cast<char>(0xFF);
        QVERIFY(tk::decodeJpeg(bytes).isNull());
    }

    void damagedDataNeverCrashes() {
        const QByteArray good = colourJpeg(Encoding::Baseline);
        std::srand(11);
        for (int round = 0; round < 200; ++round) {
            QByteArray bytes = good;
            for (int flips = 0; flips < 4; ++flips) {
                bytes[std::rand() % bytes.size()] = static_cast<char>(std::rand());
            }
            const QImage image = tk::decodeJpeg(bytes);
            // Either refused, or a whole picture of some size; never a half-made one.
            QVERIFY(image.isNull() || (image.width() > 0 && image.height() > 0 &&
                                       image.format() == QImage::Format_RGB32));
        }
    }

    void loadsArtworkFromAFile() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("artwork.jpg");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(colourJpeg(Encoding::Baseline));
        file.close();
        const QImage image = tk::loadArtwork(path);
        QCOMPARE(image.size(), QSize(kSide, kSide));
        VERIFY_NEAR(image.pixelColor(27, 27), QColor(Qt::white));
        QVERIFY(tk::loadArtwork(dir.filePath("missing.jpg")).isNull());
        QVERIFY(tk::loadArtwork(":/no/such/resource.jpg").isNull());
    }
};

// The picture box: where it paints, and when it counts as clicked.
class PictureTest : public QObject {
    Q_OBJECT

  private:
    QWidget* parent_ = nullptr;
    tk::Picture* picture_ = nullptr;

    QColor shownAt(QPoint at) const { return parent_->grab().toImage().pixelColor(at); }

  private slots:
    void init() {
        tk::setLayoutDensityForTests(120);
        parent_ = new QWidget;
        parent_->resize(100, 100);
        QPalette palette = parent_->palette();
        palette.setColor(QPalette::Window, Qt::blue);
        parent_->setPalette(palette);
        parent_->setAutoFillBackground(true);
        picture_ = new tk::Picture(parent_);
        picture_->setGeometry(10, 10, 40, 40);
        QImage red(10, 10, QImage::Format_RGB888);
        red.fill(Qt::red);
        picture_->setImage(red);
        parent_->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent_));
    }
    void cleanup() {
        delete parent_;
        parent_ = nullptr;
    }

    void naturalSizeFromTheTopLeftShowsTheParentElsewhere() {
        QCOMPARE(shownAt(QPoint(12, 12)), QColor(Qt::red));
        QCOMPARE(shownAt(QPoint(30, 30)), QColor(Qt::blue));
    }

    void naturalSizeScalesWithTheScreenDensity() {
        tk::setLayoutDensityForTests(240);
        picture_->update();
        QCOMPARE(shownAt(QPoint(28, 28)), QColor(Qt::red));
        QCOMPARE(shownAt(QPoint(32, 32)), QColor(Qt::blue));
        tk::setLayoutDensityForTests(120);
    }

    void stretchedFillsTheBox() {
        picture_->setStretch(true);
        QCOMPARE(shownAt(QPoint(30, 30)), QColor(Qt::red));
        QCOMPARE(shownAt(QPoint(48, 48)), QColor(Qt::red));
        QCOMPARE(shownAt(QPoint(55, 55)), QColor(Qt::blue));
    }

    void aTranslucentPictureShowsTheParentThrough() {
        QImage half(10, 10, QImage::Format_ARGB32);
        half.fill(Qt::transparent);
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 10; ++x) half.setPixelColor(x, y, Qt::red);
        }
        picture_->setImage(half);
        picture_->setStretch(true);
        QCOMPARE(shownAt(QPoint(30, 12)), QColor(Qt::red));
        QCOMPARE(shownAt(QPoint(30, 45)), QColor(Qt::blue));
    }

    void aBiggerPictureIsCutAtTheBox() {
        QImage big(200, 200, QImage::Format_RGB888);
        big.fill(Qt::green);
        picture_->setImage(big);
        QCOMPARE(shownAt(QPoint(48, 48)), QColor(Qt::green));
        QCOMPARE(shownAt(QPoint(55, 55)), QColor(Qt::blue));
    }

    void aLeftReleaseInsideIsAClick() {
        QSignalSpy clicked(picture_, &tk::Picture::clicked);
        QTest::mouseClick(picture_, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(clicked.count(), 1);
        QTest::mouseClick(picture_, Qt::RightButton, {}, QPoint(20, 20));
        QCOMPARE(clicked.count(), 1);
        // Pressed inside, let go outside: the user changed their mind.
        QTest::mousePress(picture_, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseRelease(picture_, Qt::LeftButton, {}, QPoint(60, 20));
        QCOMPARE(clicked.count(), 1);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    {
        JpegTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    {
        PictureTest test;
        failures += QTest::qExec(&test, argc, argv);
    }
    return failures;
}

#include "jpeg_test.moc"
