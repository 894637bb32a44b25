// How the program looks before any window does: its icon in every size (and the icon file of
// the Windows build), and the style's own icons drawn by the deferred ones.
#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QTest>

#include "applicationicon.h"
#include "applicationstyle.h"

namespace {

int colourCount(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255)
                colours.insert(pixel);
        }
    }
    return int(colours.size());
}

bool hasColour(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

class TestAppearance : public QObject {
    Q_OBJECT

private slots:
    void applicationIcon();
    void extensionButtonDrawsTheStylesIcon();
};

void TestAppearance::applicationIcon()
{
    const QIcon icon = ::applicationIcon();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                 qPrintable(QString::number(size)));
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(hasColour(image.convertToFormat(QImage::Format_ARGB32), qRgb(0, 255, 255)));
    }
    // The windows carry the small sizes only, the same pictures.
    const QIcon small = ::windowIcon();
    QCOMPARE(small.availableSizes(),
             QList<QSize>({QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)}));
    for (int size : {16, 32, 48, 64})
        QCOMPARE(small.pixmap(QSize(size, size)).toImage(),
                 icon.pixmap(QSize(size, size)).toImage());

    // The icon file carries 32 x 32 in 2 colours, 32 x 32 and 16 x 16 in 16 colours.
    QImageReader reader(QStringLiteral(ZORVAN_SOURCE_DIR "/resources/zorvan.ico"));
    QCOMPARE(reader.imageCount(), 3);
    const QList<QPair<QSize, int>> expected{
        {QSize(32, 32), 2}, {QSize(32, 32), 16}, {QSize(16, 16), 16}};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), expected[i].first);
        QVERIFY(colourCount(image) <= expected[i].second);
        QVERIFY(colourCount(image) >= 2);
        QVERIFY(hasColour(image, qRgb(255, 255, 255)));
        if (expected[i].second == 16)
            QVERIFY(hasColour(image, qRgb(0, 255, 255)));
        // Transparent around the window.
        QCOMPARE(qAlpha(image.pixel(0, image.height() - 1)), 0);
    }
}

// The menu bar's extension button, shown when the menus do not fit, reads its icon late but
// draws the style's own, in every size the style has.
void TestAppearance::extensionButtonDrawsTheStylesIcon()
{
    ApplicationStyle style;
    const QIcon own = style.baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon deferred = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!own.availableSizes().isEmpty());
    QCOMPARE(deferred.isNull(), false);
    QCOMPARE(deferred.availableSizes(), own.availableSizes());
    QCOMPARE(deferred.name(), own.name());
    for (const QSize& size : own.availableSizes()) {
        QCOMPARE(deferred.actualSize(size), own.actualSize(size));
        QCOMPARE(deferred.actualSize(size * 3), own.actualSize(size * 3));
        QCOMPARE(deferred.pixmap(size).toImage(), own.pixmap(size).toImage());
        QCOMPARE(deferred.pixmap(size, 2.0).toImage(), own.pixmap(size, 2.0).toImage());
    }
    // Drawn into a rectangle larger than any of its sizes, as the button draws it.
    const QRect rect(0, 0, 40, 24);
    QImage drawnDeferred(rect.size(), QImage::Format_ARGB32_Premultiplied);
    drawnDeferred.fill(Qt::transparent);
    const QImage blank = drawnDeferred;
    QImage drawnOwn = drawnDeferred;
    {
        QPainter painter(&drawnDeferred);
        deferred.paint(&painter, rect);
    }
    {
        QPainter painter(&drawnOwn);
        own.paint(&painter, rect);
    }
    QVERIFY(drawnOwn != blank);
    QCOMPARE(drawnDeferred, drawnOwn);
}

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
