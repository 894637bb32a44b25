// Opens the calculator, the fan counter, the glossary, the hand window with a sample hand and
// the practice window with a dealt one, and saves a picture of each window: zorvan-screenshots
// [--language CODE] OUTPUT_DIR [FONT], FONT as "Noto Sans,14" to see the windows as a desktop
// with that font shows them, CODE "nl" or "de" to see them in Dutch or German (the pictures are
// then named calculator-nl.png and so on). Run it on the offscreen platform
// (scripts/screenshots.sh) so that the pictures do not depend on a desktop's theme.
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <memory>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "applicationicon.h"
#include "applicationstyle.h"
#include "calculatorwindow.h"
#include "language.h"
#include "practicewindow.h"
#include "shell.h"
#include "twips.h"
#include "windownames.h"

namespace {

template <class Widget> Widget* child(QWidget* window, const QString& name)
{
    auto* widget = window->findChild<Widget*>(name);
    if (!widget) {
        std::fprintf(stderr, "no %s in %s\n", qPrintable(name), qPrintable(window->objectName()));
        std::exit(1);
    }
    return widget;
}

// A left press and release in the middle of the widget, as the mouse gives them.
void clickControl(QWidget* widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(centre);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

void tickBoxes(QWidget* window, std::initializer_list<int> checks)
{
    for (int number : checks)
        clickControl(child<QCheckBox>(window, QStringLiteral("Check%1").arg(number)));
}

// East with a semi-pure hand: pongs of 2-8, terminals, honours and dragons, self-picked, two
// flowers.
void fillCalculator(QWidget* calculator)
{
    auto* limit = child<QLineEdit>(calculator, QStringLiteral("Text1"));
    limit->setFocus();
    for (QChar digit : QStringLiteral("500"))
        limit->insert(digit);
    tickBoxes(calculator, {1, 6, 18, 38, 50, 52, 56, 65});
    auto* more = child<QPushButton>(calculator, QStringLiteral("Command5"));
    clickControl(more);
    clickControl(more);
}

// East round, East seat: an East pong, a red dragon pong, own flower and season, semi pure,
// self-picked.
void fillFanCounter(QWidget* fanCounter)
{
    for (int picture : {1, 5, 9, 14, 16, 20})
        clickControl(child<QWidget>(fanCounter, QStringLiteral("Picture%1").arg(picture)));
    tickBoxes(fanCounter, {3, 5});
}

// Seat South, prevailing East: a chow and a pong in the hand, an exposed pong of red dragons,
// a concealed kong of East, the own flower, won on a discard of 5p. The tiles are clicked on
// the palette as a player would.
void fillHandWindow(QWidget* handWindow)
{
    auto tile = [handWindow](const char* name) {
        clickControl(
            child<QWidget>(handWindow, QStringLiteral("Palette_%1").arg(QLatin1String(name))));
    };
    auto mode = [handWindow](const char* name) {
        child<QAbstractButton>(handWindow, QLatin1String(name))->click();
    };
    child<QComboBox>(handWindow, QStringLiteral("SeatWind"))->setCurrentIndex(1);
    for (const char* name : {"2p", "3p", "4p", "5p", "5p", "9s", "9s"})
        tile(name);
    mode("ModePong");
    tile("7z");
    mode("ModeConcealedKong");
    tile("1z");
    mode("ModeTile");
    tile("2f");
    mode("ModeWinning");
    tile("5p");
    mode("ModeTile");
}

// Seat South again, 14 tiles to throw from: two throws leave the hand waiting, on one tile or
// on two.
void showThrows(QWidget* handWindow)
{
    child<QLineEdit>(handWindow, QStringLiteral("HandText"))
        ->setText(QStringLiteral("234m 456p 578p 678s 99s"));
}

// A hand with doublings, always the same one, counted right and its fans wrong.
void fillPracticeWindow(PracticeWindow* practice)
{
    child<QComboBox>(practice, QStringLiteral("PracticeLevel"))->setCurrentIndex(1);
    practice->reseed(1958);
    const hand::HandResult scored =
        hand::scoreHand(practice->currentDeal().hand, practice->currentDeal().conditions);
    child<QLineEdit>(practice, QStringLiteral("PracticeCount"))
        ->setText(QString::number(scored.count));
    child<QLineEdit>(practice, QStringLiteral("PracticeFans"))
        ->setText(QString::number(scored.fans + 1));
    clickControl(child<QPushButton>(practice, QStringLiteral("PracticeCheck")));
}

bool save(QWidget* window, const QDir& directory, const QString& name)
{
    // A blinking caret or the focus would make each run's pictures differ.
    if (QWidget* focus = window->focusWidget())
        focus->clearFocus();
    QApplication::processEvents();
    const QString path = directory.filePath(name);
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    QString language = QStringLiteral("en");
    if (arguments.size() >= 2 && arguments.front() == QLatin1String("--language")) {
        language = arguments[1];
        arguments = arguments.mid(2);
    }
    const bool known =
        std::any_of(std::begin(languages), std::end(languages), [&language](const Language& each) {
            return language == QLatin1String(each.code);
        });
    if (arguments.size() != 1 && arguments.size() != 2) {
        std::fprintf(stderr, "usage: zorvan-screenshots [--language en|nl|de] OUTPUT_DIR [FONT]\n");
        return 2;
    }
    if (!known) {
        std::fprintf(stderr, "not a language of the program: %s\n", qPrintable(language));
        return 2;
    }
    const QDir directory(arguments[0]);
    if (!directory.exists() && !QDir().mkpath(directory.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(arguments[0]));
        return 1;
    }
    QApplication::setStyle(new ApplicationStyle); // as the program does at start
    QApplication::setWindowIcon(applicationIcon());
    if (arguments.size() == 2) {
        QFont font;
        if (!font.fromString(arguments[1])) {
            std::fprintf(stderr, "not a font: %s\n", qPrintable(arguments[1]));
            return 2;
        }
        QApplication::setFont(font);
    }
    // As the program does at start: the language, and the scale its captions need.
    applyLanguage(language);
    std::printf("design scale %.4f\n", designScale());

    auto calculator = std::make_unique<CalculatorWindow>();
    Shell shell(calculator.get());
    calculator->show();
    fillCalculator(calculator.get());

    QWidget* fanCounter = shell.windows().open(QLatin1String(windowname::fanCounter));
    fillFanCounter(fanCounter);
    QWidget* glossary = shell.windows().open(QLatin1String(windowname::glossary));
    QWidget* handWindow = shell.windows().open(QLatin1String(windowname::handWindow));
    fillHandWindow(handWindow);
    auto* practice = static_cast<PracticeWindow*>(
        shell.windows().open(QLatin1String(windowname::practiceWindow)));
    fillPracticeWindow(practice);
    QApplication::processEvents();

    const QString suffix =
        language == QLatin1String("en") ? QStringLiteral(".png") : "-" + language + ".png";
    const bool saved = save(calculator.get(), directory, "calculator" + suffix) &&
                       save(fanCounter, directory, "fancounter" + suffix) &&
                       save(glossary, directory, "glossary" + suffix) &&
                       save(handWindow, directory, "handwindow" + suffix) &&
                       (showThrows(handWindow), save(handWindow, directory, "throws" + suffix)) &&
                       save(practice, directory, "practice" + suffix);
    return saved ? 0 : 1;
}
