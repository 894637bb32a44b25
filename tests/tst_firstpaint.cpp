// Work put off until a window's first paint: run once, after that paint, and never for a widget
// gone before it was painted.
#include <QApplication>
#include <QTest>

#include "afterfirstpaint.h"

namespace {

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

} // namespace

class TestFirstPaint : public QObject {
    Q_OBJECT

private slots:
    void workAfterTheFirstPaint();
    void noWorkForAWidgetGoneUnpainted();
};

void TestFirstPaint::workAfterTheFirstPaint()
{
    PaintCounter widget;
    widget.resize(100, 80);
    QList<int> paintsSeen; // by the action, each time it ran
    runAfterFirstPaint(&widget, [&] { paintsSeen << widget.paints; });
    QApplication::processEvents();
    QVERIFY(paintsSeen.isEmpty()); // not shown, not painted

    widget.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTRY_COMPARE(paintsSeen.size(), 1);
    QVERIFY(paintsSeen[0] >= 1); // after the paint, not before it

    // Only once.
    widget.repaint();
    widget.hide();
    widget.setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTest::qWait(20);
    QCOMPARE(paintsSeen.size(), 1);
}

void TestFirstPaint::noWorkForAWidgetGoneUnpainted()
{
    int runs = 0;
    auto* widget = new PaintCounter;
    runAfterFirstPaint(widget, [&runs] { ++runs; });
    widget->setVisible(true);
    delete widget; // before the event loop could paint it
    QTest::qWait(20);
    QCOMPARE(runs, 0);
}

QTEST_MAIN(TestFirstPaint)
#include "tst_firstpaint.moc"
