#include <algorithm>
#include <cstdlib>
#include <set>

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include "fanboard.h"
#include "tileimages.h"

namespace {

// The fan counter's faces by the names it asks for, and the suited faces in the hand
// notation's spelling.
QStringList allBaseNames()
{
    QStringList names;
    for (const char* name : faceNames)
        names << QLatin1String(name);
    for (const char suit : {'m', 'p', 's'}) {
        for (int number = 1; number <= 9; ++number)
            names << QString::number(number) + QLatin1Char(suit);
    }
    return names;
}

struct Box {
    QSize logical;
    qreal ratio;
};

// 66 x 82 at 1 and 33 x 41 at 2 come out the same number of pixels: the ratio must not
// be lost between them.
const Box boxes[] = {{{33, 41}, 1}, {{66, 82}, 1}, {{33, 41}, 2}, {{66, 82}, 2}, {{33, 41}, 1.5}};

bool isGrey(QRgb pixel)
{
    constexpr int tolerance = 3;
    return std::abs(qRed(pixel) - qGreen(pixel)) <= tolerance &&
           std::abs(qGreen(pixel) - qBlue(pixel)) <= tolerance &&
           std::abs(qRed(pixel) - qBlue(pixel)) <= tolerance;
}

} // namespace

class TestTileImages : public QObject {
    Q_OBJECT

private slots:
    void everyFaceInEveryBox_data();
    void everyFaceInEveryBox();
    void noTwoImagesAlike();
    void unknownNamesGiveNothing_data();
    void unknownNamesGiveNothing();
};

void TestTileImages::everyFaceInEveryBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("selected");
    for (const QString& name : allBaseNames()) {
        for (const bool selected : {false, true}) {
            QTest::addRow("%s %s", qPrintable(name), selected ? "selected" : "normal")
                << name << selected;
        }
    }
}

void TestTileImages::everyFaceInEveryBox()
{
    QFETCH(QString, name);
    QFETCH(bool, selected);
    for (const Box& box : boxes) {
        const QPixmap pixmap = tileImage(name, selected, box.logical, box.ratio);
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.size(), QSize(qRound(box.logical.width() * box.ratio),
                                      qRound(box.logical.height() * box.ratio)));
        QCOMPARE(pixmap.devicePixelRatio(), box.ratio);

        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb corner = image.pixel(0, 0);
        int darkest = 255;
        bool grey = true;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                grey = grey && isGrey(pixel);
                darkest = std::min(darkest, qGray(pixel));
            }
        }
        // Something is drawn on it, not just a blank tile.
        QVERIFY2(darkest < 110, qPrintable(QString::number(darkest)));
        if (selected) {
            QVERIFY(!grey);
            QVERIFY2(qRed(corner) > 200 && qGreen(corner) > 170 && qBlue(corner) < 120,
                     qPrintable(QColor(corner).name()));
        } else {
            QVERIFY(grey);
            QVERIFY2(qGray(corner) > 235, qPrintable(QColor(corner).name()));
        }
    }
}

void TestTileImages::noTwoImagesAlike()
{
    // A face listed under another's file, or a look drawn for the wrong face, shows up here.
    std::set<QByteArray> seen;
    for (const QString& name : allBaseNames()) {
        for (const bool selected : {false, true}) {
            const QImage image = tileImage(name, selected, QSize(66, 82), 1).toImage();
            const QByteArray bits(reinterpret_cast<const char*>(image.constBits()),
                                  image.sizeInBytes());
            QVERIFY2(seen.insert(bits).second, qPrintable(name));
        }
    }
    QCOMPARE(seen.size(), std::size_t(84));
}

void TestTileImages::unknownNamesGiveNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("unknown name") << "dragon" << QSize(33, 41);
    QTest::newRow("no tile zero") << "0p" << QSize(33, 41);
    QTest::newRow("no tile ten") << "10m" << QSize(33, 41);
    QTest::newRow("honours are not written as suited tiles") << "1z" << QSize(33, 41);
    QTest::newRow("the look is not part of the name") << "east-normal" << QSize(33, 41);
    QTest::newRow("empty name") << "" << QSize(33, 41);
    QTest::newRow("empty box") << "east" << QSize(0, 41);
}

void TestTileImages::unknownNamesGiveNothing()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QVERIFY(tileImage(name, false, size, 1).isNull());
    QVERIFY(tileImage(name, true, size, 2).isNull());
}

QTEST_MAIN(TestTileImages)
#include "tst_tileimages.moc"
