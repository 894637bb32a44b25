#include <cmath>
#include <map>
#include <memory>
#include <vector>

#include <QApplication>
#include <QDebug>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "calculatorwindow.h"
#include "deal.h"
#include "dialogdesign.h"
#include "fancounterwindow.h"
#include "infodialog.h"
#include "language.h"
#include "module1.h"
#include "notation.h"
#include "practicewindow.h"
#include "twips.h"
#include "windowscale.h"

namespace {

// The fonts a new user meets: the desktops' defaults, a large-print setting, one as small as
// the design's own, at which nothing may move, and one as small whose tall bold headings decide
// the scale (their 9.75 points need more than the 255 twips of their line): the fan counter's
// headings cannot wait for the fan counter to be measured.
struct FontCase {
    const char* family; // nullptr: the platform's default font
    double points;
    bool designSize; // small enough that the scale must stay exactly 1
};

const FontCase fontCases[] = {
    {nullptr, 0, false},          {"Noto Sans", 10, false},      {"Cantarell", 11, false},
    {"DejaVu Sans", 10, false},   {"Liberation Sans", 9, false}, {"Noto Sans", 14, false},
    {"Liberation Sans", 7, true}, {"Noto Sans", 7, false},
};

// The windows under test, each with the place of every control in it.
struct Window {
    QString name;
    QWidget* client; // the controls' parent: the client area
    std::unique_ptr<QWidget> owner;
};

using Geometry = std::map<QString, QRect>; // "Form3/Picture9" -> rect

// Each window's controls, keyed by window and control name, and the client area's size.
Geometry geometryOf(const std::vector<Window>& windows)
{
    Geometry geometry;
    for (const Window& window : windows) {
        geometry[window.name] = QRect(QPoint(0, 0), window.client->size());
        const auto controls = window.client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* control : controls) {
            if (!control->objectName().isEmpty())
                geometry[window.name + '/' + control->objectName()] = control->geometry();
        }
    }
    return geometry;
}

// The practice window at its fullest: the longest situation and the longest working a deal
// can bring, judged wrong twice.
void showLongestVerdict(PracticeWindow* practice)
{
    Module1::tablelimit = 65536;
    hand::Deal deal;
    deal.hand = hand::parseHand("6677z [1111p] (4444z) [333z] 13f1234y +6z").hand;
    deal.conditions.seat = hand::Wind::West;
    deal.conditions.round = hand::Wind::North;
    deal.conditions.selfDrawn = deal.conditions.lastTile = deal.conditions.supplement = true;
    practice->showDeal(deal);
    practice->findChild<QLineEdit*>("PracticeCount")->setText("1");
    practice->findChild<QLineEdit*>("PracticeFans")->setText("1");
    practice->findChild<QPushButton*>("PracticeCheck")->click();
}

std::vector<Window> openWindows()
{
    Module1::reset();
    std::vector<Window> windows;
    auto* calculator = new CalculatorWindow;
    windows.push_back({QStringLiteral("Form1"), calculator->centralWidget(),
                       std::unique_ptr<QWidget>(calculator)});
    auto* fanCounter = new FanCounterWindow;
    windows.push_back({QStringLiteral("Form3"), fanCounter, std::unique_ptr<QWidget>(fanCounter)});
    for (const DialogDesign& design : dialogDesigns) {
        auto* dialog = new InfoDialog(design);
        windows.push_back(
            {QString::fromLatin1(design.name), dialog, std::unique_ptr<QWidget>(dialog)});
    }
    auto* practice = new PracticeWindow;
    showLongestVerdict(practice);
    windows.push_back(
        {QStringLiteral("PracticeForm"), practice, std::unique_ptr<QWidget>(practice)});
    for (const Window& window : windows)
        window.owner->setVisible(true);
    return windows;
}

// How much of its control a caption fills, in its tighter direction; above 1 it is cut.
// Labels have no margins; a button's text needs the style's margin and frame on either side,
// and fits inside the frame above and below.
double filled(const QWidget* control, QString* caption)
{
    const QFontMetrics metrics(control->font());
    // The text's own width, its last partly covered pixel included.
    const auto width = [&control](const QString& text) {
        return std::ceil(QFontMetricsF(control->font()).horizontalAdvance(text));
    };
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        *caption = label->text();
        const QRect room = label->contentsRect();
        if (label->wordWrap())
            return double(label->heightForWidth(room.width())) / room.height();
        return std::max(width(label->text()) / room.width(),
                        double(metrics.height()) / room.height());
    }
    const auto* button = qobject_cast<const QPushButton*>(control);
    *caption = button->text();
    QStyleOptionButton option;
    option.initFrom(button);
    option.features = QStyleOptionButton::None;
    const QStyle* style = button->style();
    const int margins =
        style->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), button).width();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
    return std::max((width(button->text()) + margins) / button->width(),
                    double(metrics.height() + 2 * frame) / button->height());
}

struct Fullest {
    double share = 0;
    QString name;
};

// Fails the test on the first caption of the window cut by its control; notes the fullest.
void checkCaptions(const Window& window, Qt::FindChildOptions depth, Fullest& fullest)
{
    for (const QWidget* control : window.client->findChildren<QWidget*>(depth)) {
        if (!qobject_cast<const QLabel*>(control) && !qobject_cast<const QPushButton*>(control))
            continue;
        QString caption;
        const double share = filled(control, &caption);
        if (caption.isEmpty())
            continue;
        QVERIFY2(share <= 1,
                 qPrintable(QStringLiteral("%1/%2 \"%3\" is cut: it needs %4 % of "
                                           "its %5 x %6 pixels")
                                .arg(window.name, control->objectName(), caption.left(40))
                                .arg(share * 100, 0, 'f', 1)
                                .arg(control->width())
                                .arg(control->height())));
        if (share > fullest.share)
            fullest = {share, window.name + '/' + control->objectName()};
    }
}

} // namespace

class TestDesignScale : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void everyCaptionFits_data();
    void everyCaptionFits();
    void designedRectangles_data();
    void designedRectangles();
    void scaleNeverShrinks_data();
    void scaleNeverShrinks();

private:
    QFont m_systemFont;
    Geometry m_designed; // at a scale of 1
};

void TestDesignScale::initTestCase()
{
    m_systemFont = QApplication::font();
    setDesignScale(1);
    m_designed = geometryOf(openWindows());
}

void TestDesignScale::cleanup()
{
    applyLanguage(QStringLiteral("en"));
    QApplication::setFont(m_systemFont);
    setDesignScale(1);
}

void TestDesignScale::everyCaptionFits_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<bool>("designSize");
    QTest::addColumn<QString>("language");
    // Every font in every language: German captions are longer, and the scale grows for them.
    for (const Language& language : languages)
        for (const FontCase& fontCase : fontCases) {
            QFont font = m_systemFont;
            QString name = QStringLiteral("system default (%1 %2 pt)")
                               .arg(QFontInfo(font).family())
                               .arg(font.pointSizeF());
            if (fontCase.family) {
                font = QFont(QString::fromLatin1(fontCase.family));
                font.setPointSizeF(fontCase.points);
                name = QStringLiteral("%1 %2").arg(font.family()).arg(fontCase.points);
            }
            // Only English is the design's own: the others may need a larger scale.
            const QString code = QLatin1String(language.code);
            QTest::newRow(qPrintable(code + ", " + name))
                << font << (fontCase.designSize && code == QLatin1String("en")) << code;
        }
}

void TestDesignScale::everyCaptionFits()
{
    QFETCH(QFont, font);
    QFETCH(bool, designSize);
    QFETCH(QString, language);
    applyLanguage(language);
    // Missing fonts would quietly be replaced by others: no skipping, say what to install.
    QVERIFY2(font == m_systemFont || QFontInfo(font).family() == font.family(),
             qPrintable(QStringLiteral("The font family \"%1\" is not installed: "
                                       "scripts/install-deps.sh test installs it "
                                       "(fonts-noto-core, fonts-cantarell, fonts-liberation2).")
                            .arg(font.family())));

    QApplication::setFont(font);
    const double scale = designScaleFor(font);
    setDesignScale(scale);
    QVERIFY(scale >= 1);
    if (designSize)
        QCOMPARE(scale, 1.0);

    const std::vector<Window> windows = openWindows();
    for (const Window& window : windows)
        QVERIFY(QTest::qWaitForWindowExposed(window.owner.get()));

    // Every caption of the two working windows whole, and at least one nearly filling its
    // control: the scale is no larger than the captions need.
    Fullest fullest;
    for (const Window* window : {&windows[0], &windows[1]}) { // the calculator, the fan counter
        checkCaptions(*window, Qt::FindDirectChildrenOnly, fullest);
        if (QTest::currentTestFailed())
            return;
    }
    qInfo("%s: design scale %.4f, fullest caption %s", QTest::currentDataTag(), scale,
          qPrintable(fullest.name));
    // The practice window has to fit whatever scale the two working windows ask for, its
    // fullest situation and verdict included.
    Fullest practiceFullest;
    checkCaptions(windows.back(), Qt::FindChildrenRecursively, practiceFullest);
    if (QTest::currentTestFailed())
        return;
    qInfo("%s: the practice window's fullest control %s, %.0f %%", QTest::currentDataTag(),
          qPrintable(practiceFullest.name), practiceFullest.share * 100);
    if (scale > 1)
        QVERIFY2(fullest.share >= 0.97, qPrintable(QStringLiteral("the fullest caption fills only "
                                                                  "%1 % of its control")
                                                       .arg(fullest.share * 100)));

    // The tiles and their image holders show their images at the size of their boxes.
    for (int picture = 1; picture <= 53; ++picture) {
        const auto* tile =
            windows[1].client->findChild<QLabel*>(QStringLiteral("Picture%1").arg(picture));
        QVERIFY(tile);
        QCOMPARE(tile->pixmap().deviceIndependentSize(), QSizeF(tile->size()));
    }

    // Every control and every client area is the design times the one scale, in all seven
    // windows; the rules stay one pixel thick. At the design's own size nothing moved.
    const Geometry actual = geometryOf(windows);
    QCOMPARE(actual.size(), m_designed.size());
    for (const auto& [name, rect] : m_designed) {
        QVERIFY2(actual.count(name), qPrintable(name));
        const QRect got = actual.at(name);
        if (designSize) {
            QVERIFY2(got == rect, qPrintable(name));
            continue;
        }
        // A rule is one pixel thick, and as long as the design plus its end pixel.
        const bool rule = name.contains(QLatin1String("/Line"));
        const auto near = [scale, rule](int pixels, int designed, bool length) {
            if (rule && length && designed == 1)
                return pixels == 1;
            const int end = rule && length ? 1 : 0;
            return std::abs(pixels - end - (designed - end) * scale) <= 1;
        };
        QString found;
        QDebug(&found) << name << got << "designed" << rect << "times" << scale;
        QVERIFY2(near(got.x(), rect.x(), false) && near(got.y(), rect.y(), false) &&
                     near(got.width(), rect.width(), true) &&
                     near(got.height(), rect.height(), true),
                 qPrintable(found));
    }
}

void TestDesignScale::designedRectangles_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("twips");

    // Figures from the design, in twips, one or two of each kind of control.
    QTest::newRow("table limit box") << "Form1/Text1" << QRect(1080, 240, 975, 285);
    QTest::newRow("East box") << "Form1/Check1" << QRect(3600, 240, 255, 255);
    QTest::newRow("value") << "Form1/Label37" << QRect(5040, 240, 1095, 255);
    QTest::newRow("third dragon pong box") << "Form1/Check67" << QRect(8400, 4920, 255, 255);
    QTest::newRow("longest row caption") << "Form1/Label35" << QRect(4680, 5760, 3135, 255);
    QTest::newRow("flower count") << "Form1/Label36" << QRect(8280, 3720, 255, 255);
    QTest::newRow("second hint") << "Form1/Command2" << QRect(4200, 5040, 255, 255);
    QTest::newRow("Clear all BUT table limit") << "Form1/Command7" << QRect(2400, 6720, 1935, 255);
    QTest::newRow("green dragon") << "Form3/Picture15" << QRect(2640, 4560, 495, 615);
    QTest::newRow("a holder") << "Form3/Picture40" << QRect(120, 5160, 495, 615);
    QTest::newRow("row caption") << "Form3/Label1" << QRect(120, 720, 1215, 375);
    QTest::newRow("open width to the box") << "Form3/Label16" << QRect(3600, 4440, 1800, 255);
    QTest::newRow("open width to the edge") << "Form3/Label20" << QRect(4080, 3360, 2550, 255);
    QTest::newRow("short box") << "Form3/Check8" << QRect(5400, 4440, 255, 195);
    QTest::newRow("CLEAR ALL") << "Form3/Command1" << QRect(240, 120, 1095, 255);
    QTest::newRow("credits text") << "Form2/Text1" << QRect(120, 120, 2775, 1335);
    QTest::newRow("appreciation text") << "Form4/Text1" << QRect(240, 240, 2775, 1815);
    QTest::newRow("fan rules text") << "Form7/Text1" << QRect(120, 120, 5535, 4215);
    QTest::newRow("calculator client area") << "Form1" << QRect(0, 0, 9120, 7095);
    QTest::newRow("fan counter client area") << "Form3" << QRect(0, 0, 6630, 5295);
    QTest::newRow("history client area") << "Form5" << QRect(0, 0, 8730, 3855);
    QTest::newRow("practice verdict")
        << "PracticeForm/PracticeVerdict" << QRect(5880, 120, 4920, 7650);
    QTest::newRow("practice count") << "PracticeForm/PracticeCount" << QRect(1635, 3660, 900, 345);
    QTest::newRow("practice client area") << "PracticeForm" << QRect(0, 0, 10920, 7890);
}

void TestDesignScale::designedRectangles()
{
    QFETCH(QString, control);
    QFETCH(QRect, twips);
    for (double scale : {1.0, 1.1875, 1.37, 1.9}) {
        setDesignScale(scale);
        const Geometry actual = geometryOf(openWindows());
        const auto pixels = [scale](int figure) { return int(std::lround(figure * scale / 15)); };
        const QRect expected(pixels(twips.x()), pixels(twips.y()), pixels(twips.width()),
                             pixels(twips.height()));
        QVERIFY2(actual.count(control), qPrintable(control));
        QVERIFY2(actual.at(control) == expected, qPrintable(QString::number(scale)));
        if (scale == 1.0) // each figure on a whole pixel: exactly twips / 15
            QCOMPARE(expected, QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15,
                                     twips.height() / 15));
    }
}

void TestDesignScale::scaleNeverShrinks_data()
{
    QTest::addColumn<double>("asked");
    QTest::addColumn<double>("scale");
    QTest::newRow("1") << 1.0 << 1.0;
    QTest::newRow("1.42") << 1.42 << 1.42;
    QTest::newRow("below 1") << 0.8 << 1.0;
    QTest::newRow("zero") << 0.0 << 1.0;
    QTest::newRow("not a number") << std::nan("") << 1.0;
}

void TestDesignScale::scaleNeverShrinks()
{
    QFETCH(double, asked);
    QFETCH(double, scale);
    setDesignScale(asked);
    QCOMPARE(designScale(), scale);
}

QTEST_MAIN(TestDesignScale)
#include "tst_designscale.moc"
