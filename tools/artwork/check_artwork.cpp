// Checks the generated pictures: sizes, baseline JPEG, words inside their boxes, rules, rims and
// reproducibility.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "jpeg_file.h"

namespace {

bool isDark(QRgb p) {
    return std::max({qRed(p), qGreen(p), qBlue(p)}) <= 60;
}
bool isRed(QRgb p) {
    return qRed(p) >= 140 && qGreen(p) <= 90 && qBlue(p) <= 90;
}
bool isWhite(QRgb p) {
    return std::min({qRed(p), qGreen(p), qBlue(p)}) >= 225;
}
bool isGold(QRgb p) {
    return qRed(p) >= 150 && qGreen(p) >= 100 && qBlue(p) <= 150 && qRed(p) - qBlue(p) >= 60;
}
bool isYellow(QRgb p) {
    return qRed(p) >= 200 && qGreen(p) >= 170 && qBlue(p) <= 120;
}

// The bounding box of the pixels that pass `test`.
template <typename Test>
QRect extentOf(const QImage& image, Test test) {
    QRect extent;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y))) extent |= QRect(x, y, 1, 1);
    return extent;
}

}  // namespace

class CheckArtwork : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_first;
    QTemporaryDir m_second;

    QImage loadJpeg(const QString& name) {
        QFile file(m_first.filePath(QStringLiteral("artwork/") + name));
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QByteArray data = file.readAll();
        bool baseline = false;
        QString error;
        const QImage image = artwork::decodeJpeg(data, &baseline, &error);
        if (image.isNull() || !baseline || !data.contains("\xFF\xC0")) return {};
        return image;
    }

    static bool runGenerator(const QString& into) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(GENERATOR_PATH), {into});
        return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    static QStringList filesUnder(const QString& root) {
        QStringList files;
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) files << QDir(root).relativeFilePath(it.next());
        files.sort();
        return files;
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_first.isValid() && m_second.isValid());
        QVERIFY2(runGenerator(m_first.path()), "the generator failed");
        QVERIFY2(runGenerator(m_second.path()), "the generator failed on its second run");
    }

    void everyPictureHasItsSizeAndFormat_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("natural");  // natural pictures may be smaller than `size`
        QTest::addColumn<bool>("english");  // has an English twin under en/
        enum Fit { Fixed, Natural };
        enum Words { Same, English };
        auto row = [](const char* name, QSize size, Fit fit = Fixed, Words words = Same) {
            QTest::newRow(name) << QString::fromLatin1(name) << size << (fit == Natural)
                                << (words == English);
        };
        row("frame.jpg", {250, 150});
        row("frame_help.jpg", {360, 460});
        row("title_mp3.jpg", {89, 49});
        row("title_cds_completos.jpg", {257, 57}, Fixed, English);
        row("title_conteudo_do_cd.jpg", {289, 57}, Fixed, English);
        row("title_pesquisa_de_mp3.jpg", {289, 57}, Fixed, English);
        row("title_novo_mp3.jpg", {165, 61}, Fixed, English);
        row("title_novo_album.jpg", {194, 61}, Fixed, English);
        row("title_ler_cd.jpg", {153, 57}, Fixed, English);
        row("caption_presente_no_cd.jpg", {169, 25}, Fixed, English);
        row("caption_texto_a_procurar.jpg", {177, 33}, Natural, English);
        row("caption_mp3_encontrados.jpg", {185, 33}, Natural, English);
        row("caption_cds_encontrados.jpg", {153, 33}, Natural, English);
        row("caption_musicas_do_cd.jpg", {123, 30}, Fixed, English);
        row("caption_nome_do_artista.jpg", {138, 27}, Fixed, English);
        row("caption_nome_do_album.jpg", {141, 28}, Fixed, English);
        row("caption_cd_no.jpg", {123, 30}, Fixed, English);
        row("caption_introduza_os_mp3.jpg", {267, 24}, Fixed, English);
        row("button_play.jpg", {129, 33});
        row("button_procurar.jpg", {145, 57}, Fixed, English);
        row("decoration.jpg", {329, 545});
    }

    void everyPictureHasItsSizeAndFormat() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, natural);
        QFETCH(bool, english);
        const QImage image = loadJpeg(name);
        QVERIFY2(!image.isNull(), "missing, unreadable or not a baseline JPEG");
        if (natural) {
            QVERIFY(image.width() <= size.width() && image.height() <= size.height());
            QVERIFY(image.width() >= size.width() / 2);
        } else {
            QCOMPARE(image.size(), size);
        }
        // The English twin is shown in the same box, so it must have exactly the same size.
        const QString twinName = QStringLiteral("en/") + name;
        if (!english) {
            QVERIFY2(!QFile::exists(m_first.filePath(QStringLiteral("artwork/") + twinName)),
                     "an English twin of a picture whose words read the same");
            return;
        }
        const QImage twin = loadJpeg(twinName);
        QVERIFY2(!twin.isNull(), "English twin missing, unreadable or not a baseline JPEG");
        QCOMPARE(twin.size(), image.size());
        QVERIFY2(twin != image, "the English twin shows the Portuguese words");
    }

    void captionWordsStayInsideTheirBox_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("wordBox");
        QTest::addColumn<int>("minWidth");  // the words must span at least this many columns
        // A caption whose number follows it ends its words where this caption's words end.
        QTest::addColumn<QString>("endsLike");
        auto row = [](const char* tag, const char* name, QRect wordBox, int minWidth,
                      const char* endsLike = "") {
            QTest::newRow(tag) << QString::fromLatin1(name) << wordBox << minWidth
                               << QString::fromLatin1(endsLike);
        };
        row("presente no cd", "caption_presente_no_cd.jpg", {0, 0, 169, 25}, 110);
        row("texto a procurar", "caption_texto_a_procurar.jpg", {0, 0, 177, 33}, 100);
        row("mp3 encontrados", "caption_mp3_encontrados.jpg", {0, 0, 185, 33}, 100);
        row("cds encontrados", "caption_cds_encontrados.jpg", {0, 0, 153, 33}, 100);
        row("musicas do cd", "caption_musicas_do_cd.jpg", {0, 0, 123, 25}, 90);
        row("nome do artista", "caption_nome_do_artista.jpg", {0, 0, 137, 25}, 90);
        row("nome do album", "caption_nome_do_album.jpg", {0, 0, 141, 25}, 90);
        row("cd no", "caption_cd_no.jpg", {0, 0, 97, 25}, 35);
        row("introduza os mp3", "caption_introduza_os_mp3.jpg", {0, 0, 265, 23}, 200);
        row("en on cd no", "en/caption_presente_no_cd.jpg", {0, 0, 169, 25}, 60,
            "caption_presente_no_cd.jpg");
        row("en text to find", "en/caption_texto_a_procurar.jpg", {0, 0, 177, 33}, 70);
        row("en mp3s found", "en/caption_mp3_encontrados.jpg", {0, 0, 185, 33}, 75);
        row("en cds found", "en/caption_cds_encontrados.jpg", {0, 0, 153, 33}, 70);
        row("en songs on cd", "en/caption_musicas_do_cd.jpg", {0, 0, 123, 25}, 80);
        row("en artist name", "en/caption_nome_do_artista.jpg", {0, 0, 137, 25}, 75);
        row("en album name", "en/caption_nome_do_album.jpg", {0, 0, 141, 25}, 75);
        row("en cd no", "en/caption_cd_no.jpg", {0, 0, 97, 25}, 40);
        row("en enter the mp3s", "en/caption_introduza_os_mp3.jpg", {0, 0, 265, 23}, 180);
    }

    void captionWordsStayInsideTheirBox() {
        QFETCH(QString, name);
        QFETCH(QRect, wordBox);
        QFETCH(int, minWidth);
        QFETCH(QString, endsLike);
        const QImage image = loadJpeg(name);
        QVERIFY(!image.isNull());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!wordBox.contains(x, y) && !isDark(image.pixel(x, y)))
                    QFAIL(qPrintable(
                        QStringLiteral("lit pixel at %1,%2 outside the word box").arg(x).arg(y)));
        const QRect words = extentOf(image, isRed);
        QVERIFY2(words.width() >= minWidth, "the words are missing or too small");
        QVERIFY2(image.rect().adjusted(1, 1, -1, -1).contains(words),
                 "the words run into the picture's edge and are cut there");
        QVERIFY2(words.height() >= 12, "the words are too short to read");
        if (!endsLike.isEmpty())
            QVERIFY2(std::abs(words.right() - extentOf(loadJpeg(endsLike), isRed).right()) <= 1,
                     "the words do not end next to the number that follows them");
        // Solid caption red, not a faint or shaded rendering.
        int strong = 0;
        for (int y = words.top(); y <= words.bottom(); ++y)
            for (int x = words.left(); x <= words.right(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qRed(p) >= 200 && qGreen(p) <= 50 && qBlue(p) <= 50) ++strong;
            }
        QVERIFY2(strong >= 100, "too few solid red pixels: the letters are faint or not red");
    }

    void ordinalSignIsRaised() {
        // In "CD nº" the sign's circle sits at capital height, above the top of the lower-case n.
        const QImage image = loadJpeg(QStringLiteral("caption_cd_no.jpg"));
        QVERIFY(!image.isNull());
        const QRect words = extentOf(image, isRed);
        const QRect sign = extentOf(image.copy(words.right() - 7, 0, 8, image.height()), isRed);
        QVERIFY(!sign.isEmpty());
        QVERIFY2(sign.top() <= words.top() + 1, "the ordinal sign is not raised to capital height");
        QVERIFY2(sign.bottom() < words.bottom() - 2,
                 "the ordinal sign reaches down to the baseline");
    }

    void titlesAreLargeGlossyRedWords_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("twin");  // the Portuguese title an English one stands in for
        for (const char* name : {"title_mp3.jpg", "title_cds_completos.jpg",
                                 "title_conteudo_do_cd.jpg", "title_pesquisa_de_mp3.jpg",
                                 "title_novo_mp3.jpg", "title_novo_album.jpg", "title_ler_cd.jpg"})
            QTest::newRow(name) << QString::fromLatin1(name) << QString();
        for (const char* name :
             {"title_cds_completos.jpg", "title_conteudo_do_cd.jpg", "title_pesquisa_de_mp3.jpg",
              "title_novo_mp3.jpg", "title_novo_album.jpg", "title_ler_cd.jpg"})
            QTest::newRow(qPrintable(QStringLiteral("en/") + QLatin1String(name)))
                << QStringLiteral("en/") + QLatin1String(name) << QString::fromLatin1(name);
    }

    void titlesAreLargeGlossyRedWords() {
        QFETCH(QString, name);
        QFETCH(QString, twin);
        const QImage image = loadJpeg(name);
        QVERIFY(!image.isNull());
        auto wordsOf = [](const QImage& picture) {
            return extentOf(picture,
                            [](QRgb p) { return qRed(p) >= 70 && qRed(p) - qGreen(p) >= 40; });
        };
        const QRect words = wordsOf(image);
        QVERIFY2(words.width() >= image.width() * 3 / 4, "the words do not fill the width");
        QVERIFY2(words.height() >= image.height() / 2, "the words do not fill the height");
        QVERIFY2(image.rect().adjusted(1, 1, -1, -1).contains(words),
                 "the words run into the picture's edge and are cut there");
        // Titles side by side in a window share one letter size in either language.
        if (!twin.isEmpty())
            QVERIFY2(words.height() <= wordsOf(loadJpeg(twin)).height() + 1,
                     "the letters are larger than the Portuguese title's");
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(0, image.height() - 1)})
            QVERIFY2(isDark(image.pixel(corner)), "the background is not black");
        // Bright at the top of the letters, dark at the bottom.
        auto meanRed = [&](int top, int bottom) {
            long sum = 0;
            long count = 0;
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qRed(image.pixel(x, y)) >= 60) {
                        sum += qRed(image.pixel(x, y)) + qGreen(image.pixel(x, y));
                        ++count;
                    }
            return count == 0 ? 0.0 : static_cast<double>(sum) / static_cast<double>(count);
        };
        const int third = words.height() / 3;
        QVERIFY2(meanRed(words.top(), words.top() + third) >
                     meanRed(words.bottom() - third, words.bottom()) + 40,
                 "the letters do not shade from bright to dark");
    }

    void buttonsHaveGoldRulesAndWords_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("emblem");
        QTest::addColumn<QString>("twin");  // the Portuguese button an English one stands in for
        QTest::newRow("play") << "button_play.jpg" << true << QString();
        QTest::newRow("procurar") << "button_procurar.jpg" << false << QString();
        QTest::newRow("en search") << "en/button_procurar.jpg" << false << "button_procurar.jpg";
    }

    void buttonsHaveGoldRulesAndWords() {
        QFETCH(QString, name);
        QFETCH(bool, emblem);
        QFETCH(QString, twin);
        const QImage image = loadJpeg(name);
        QVERIFY(!image.isNull());
        auto ruleRows = [&](int from, int to) {
            QList<int> rows;
            for (int y = from; y < to; ++y) {
                int gold = 0;
                for (int x = 0; x < image.width(); ++x) gold += isGold(image.pixel(x, y)) ? 1 : 0;
                if (gold == image.width()) rows << y;
            }
            return rows;
        };
        const QList<int> top = ruleRows(0, 6);
        const QList<int> bottom = ruleRows(image.height() - 6, image.height());
        QVERIFY2(!top.isEmpty() && !bottom.isEmpty(), "a full-width gold rule is missing");
        QVERIFY2(top.first() > 0 && bottom.last() < image.height() - 1, "the rules touch the edge");
        QVERIFY2(top.size() <= 2 && bottom.size() <= 2, "the rules are not thin");
        // A gold rule is crisp: the row beside it is dark.
        QVERIFY(isDark(image.pixel(image.width() / 2, top.last() + 2)));

        QRect face(0, top.last() + 2, image.width(), bottom.first() - top.last() - 3);
        if (emblem) {
            const QRect bolt = extentOf(image.copy(0, 0, image.height(), image.height()), isYellow);
            QVERIFY2(bolt.height() >= image.height() / 2, "the lightning bolt is missing");
            // Clear space between the emblem (everything lit in the leftmost square) and the words.
            const QRect mark = extentOf(image.copy(0, face.top(), image.height(), face.height()),
                                        [](QRgb p) { return !isDark(p); });
            const QRect gap(mark.right() + 2, face.top(), 2, face.height());
            QVERIFY2(extentOf(image.copy(gap), [](QRgb p) { return !isDark(p); }).isEmpty(),
                     "the words run into the emblem");
            face.setLeft(gap.right() + 1);
        }
        const QRect words = extentOf(image.copy(face), isGold);
        QVERIFY2(words.width() >= image.width() / 3, "the gold words are missing");
        QVERIFY2(words.height() >= face.height() / 3, "the gold words are too small");
        QVERIFY2(words.left() > 0 && words.right() < face.width() - 1,
                 "the words run into the button's edge and are cut there");
        if (!twin.isEmpty()) {
            // Between the rules, which lie within six rows of the top and bottom.
            auto lettersOf = [](const QImage& picture) {
                return extentOf(picture.copy(0, 6, picture.width(), picture.height() - 12), isGold);
            };
            QVERIFY2(lettersOf(image).height() <= lettersOf(loadJpeg(twin)).height() + 1,
                     "the letters are larger than the Portuguese button's");
        }
    }

    void framesAreWhiteFieldsWithThinDarkRims_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("frame 250x150") << "frame.jpg" << QSize(250, 150);
        QTest::newRow("frame as list 361x425") << "frame.jpg" << QSize(361, 425);
        QTest::newRow("frame as memo 289x121") << "frame.jpg" << QSize(289, 121);
        QTest::newRow("frame as field 545x41") << "frame.jpg" << QSize(545, 41);
        QTest::newRow("frame as field 273x41") << "frame.jpg" << QSize(273, 41);
        QTest::newRow("help frame") << "frame_help.jpg" << QSize(360, 460);
    }

    void framesAreWhiteFieldsWithThinDarkRims() {
        QFETCH(QString, name);
        QFETCH(QSize, shown);
        const QImage natural = loadJpeg(name);
        QVERIFY(!natural.isNull());
        const QImage image = natural.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const int w = image.width();
        const int h = image.height();
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            QVERIFY2(isDark(image.pixel(corner)), "a corner is not black");
        for (const QPoint edge :
             {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)})
            QVERIFY2(qGray(image.pixel(edge)) <= 110, "the border does not darken towards black");
        // Lists sit 16 px inside the frame: everything from there inwards must be white.
        const int margin = 16;
        for (int y = std::min(margin, h / 2); y < h - std::min(margin, h / 2); ++y)
            for (int x = margin; x < w - margin; ++x)
                if (!isWhite(image.pixel(x, y)))
                    QFAIL(qPrintable(
                        QStringLiteral("grey at %1,%2 inside the white field").arg(x).arg(y)));
    }

    void decorationHasLineAndBrackets() {
        const QImage image = loadJpeg(QStringLiteral("decoration.jpg"));
        QVERIFY(!image.isNull());
        // The vertical line: a few columns wide around x = 160, from near the top to near the
        // bottom.
        for (int y = 40; y <= 525; ++y) {
            if (std::abs(y - 136) <= 2 || std::abs(y - 193) <= 2 || std::abs(y - 467) <= 2 ||
                std::abs(y - 524) <= 2)
                continue;  // the arms join the line here
            int red = 0;
            for (int x = 155; x <= 165; ++x) red += isRed(image.pixel(x, y)) ? 1 : 0;
            if (red < 2 || red > 4)
                QFAIL(qPrintable(
                    QStringLiteral("the vertical line is broken or too thick at row %1").arg(y)));
        }
        // The brackets' arms, level with the tops and bottoms of the two buttons.
        for (const int y : {136, 193, 467, 524}) {
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy) {
                bool whole = true;
                for (int x = 127; x <= 155; ++x) whole = whole && isRed(image.pixel(x, y + dy));
                found = whole;
            }
            QVERIFY2(found, qPrintable(QStringLiteral("no bracket arm at row %1").arg(y)));
        }
        // Nothing else: black left of the arms, between them, and right of the line.
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool nearLine = x >= 154 && x <= 166;
                const bool nearArm = x >= 120 && x < 166 &&
                                     (std::abs(y - 136) <= 3 || std::abs(y - 193) <= 3 ||
                                      std::abs(y - 467) <= 3 || std::abs(y - 524) <= 3);
                if (!nearLine && !nearArm && !isDark(image.pixel(x, y)))
                    QFAIL(qPrintable(QStringLiteral("stray light at %1,%2").arg(x).arg(y)));
            }
        }
    }

    void iconsAreTransparentEmblems_data() {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 64, 128, 256})
            QTest::newRow(qPrintable(QString::number(size))) << size;
    }

    void iconsAreTransparentEmblems() {
        QFETCH(int, size);
        const QImage image(m_first.filePath(QStringLiteral("icon/mp3_search_%1.png").arg(size)),
                           "PNG");
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        const QRect bolt = extentOf(image, [](QRgb p) { return qAlpha(p) == 255 && isYellow(p); });
        QVERIFY2(bolt.height() >= size / 2, "the yellow bolt is missing");
        const QRect grey = extentOf(image, [](QRgb p) {
            return qAlpha(p) == 255 && std::abs(qRed(p) - qBlue(p)) <= 12 && qRed(p) >= 80 &&
                   qRed(p) <= 240;
        });
        QVERIFY2(grey.width() >= size / 2, "the grey diamond is missing");
    }

    void generatorIsReproducible() {
        const QStringList first = filesUnder(m_first.path());
        QCOMPARE(first, filesUnder(m_second.path()));
        QCOMPARE(first.size(), 43);
        for (const QString& name : first) {
            QFile a(m_first.filePath(name));
            QFile b(m_second.filePath(name));
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QVERIFY2(a.readAll() == b.readAll(),
                     qPrintable(name + QStringLiteral(" differs between runs")));
        }
    }

    void committedPicturesAreUpToDate() {
        // The committed copies must be what the generator draws now; otherwise rerun
        // build-and-run.sh.
        for (const QString& name : filesUnder(m_first.path())) {
            QFile made(m_first.filePath(name));
            QFile committed(QStringLiteral(COMMITTED_RESOURCES "/") + name);
            QVERIFY2(committed.open(QIODevice::ReadOnly),
                     qPrintable(name + QStringLiteral(" is not committed")));
            QVERIFY(made.open(QIODevice::ReadOnly));
            QVERIFY2(made.readAll() == committed.readAll(),
                     qPrintable(name + QStringLiteral(" is stale")));
        }
    }
};

QTEST_GUILESS_MAIN(CheckArtwork)
#include "check_artwork.moc"
