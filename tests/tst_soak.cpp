// Seeded random events across the calculator, the fan counter and the menus, checked after
// every event against a model of what the windows must show, worked out on its own (64-bit
// arithmetic, the fan rules by picture number). A failure names the seed and the event.
#include <array>
#include <limits>
#include <memory>
#include <optional>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include "calculatorwindow.h"
#include "explainedlabel.h"
#include "messageboxcatcher.h"
#include "messages.h"
#include "module1.h"
#include "numbertext.h"
#include "shell.h"
#include "tablelimit.h"
#include "testhelpers.h"

namespace {

const QString typo = QStringLiteral("You made a typo, mahjongaddict");
const QString tooHigh = QStringLiteral("limit is toooooooo high");
const QString maximum =
    QStringLiteral("Zorvan has no more fingers left to count your fans(YOUR MAXED OUT, WELL DONE)");
const QString selfPickHint =
    QStringLiteral("This means you also should check the Self Pick checkbox!");
const QString howTo =
    QStringLiteral("For the Calculator fill in TableLimit-for the FanCounter click "
                   "seat and prevailing wind before clicking other boxes");
const QString honorHint = QStringLiteral(
    "If the honor pong/kong is a dragon/prevailing/seat wind also check the box closed "
    "pong/kong dragon/seat or prevailing wind (on the right side)!");
const QString worthlessHint =
    QStringLiteral("This does not aply when you have a pair of dragons or prevailing/seat winds !");

// The sheet written out again for the model: first box, boxes, operation, amount.
struct ModelRow {
    int first;
    int count;
    char op; // '+' add, '*' multiply, '=' replace by the limit, 'f' flowers
    int amount;
};
constexpr std::array<ModelRow, 30> modelRows{{
    {2, 4, '+', 2},   {6, 4, '+', 4},   {10, 4, '+', 8},  {14, 4, '+', 16}, {18, 4, '+', 4},
    {22, 4, '+', 8},  {26, 4, '+', 16}, {30, 4, '+', 32}, {34, 4, '+', 4},  {38, 4, '+', 8},
    {42, 4, '+', 16}, {46, 4, '+', 32}, {50, 1, '+', 2},  {52, 1, '+', 2},  {53, 1, '+', 2},
    {54, 1, '*', 2},  {55, 1, '*', 2},  {56, 1, '*', 2},  {57, 1, '*', 8},  {58, 1, '*', 2},
    {59, 1, '=', 0},  {60, 1, '=', 0},  {0, 0, 'f', 4},   {61, 2, '*', 2},  {63, 2, '*', 8},
    {65, 3, '*', 2},  {68, 2, '*', 2},  {70, 1, '*', 2},  {71, 1, '*', 2},  {72, 1, '*', 2},
}};

struct Model {
    // The calculator window.
    std::array<bool, 73> box{};
    int flowers = 0;
    qint64 limit = 0;
    QString text, label36, label37, label38;
    bool fresh = false; // the captions show the count of the sheet as it is
    // The fan counter.
    std::array<bool, 24> tile{}; // by picture number
    std::array<bool, 12> fanBox{};
    QString label8;
    QStringList messages;
    bool pendingOverflow = false;

    // The count of the sheet, or nothing when a step leaves 32 bits.
    std::optional<qint64> count() const
    {
        auto fits = [](qint64 v) {
            return v >= std::numeric_limits<qint32>::min() &&
                   v <= std::numeric_limits<qint32>::max();
        };
        qint64 points = 20;
        for (const ModelRow& row : modelRows) {
            if (row.op == 'f') {
                points += 4 * flowers;
                if (!fits(points))
                    return std::nullopt;
                continue;
            }
            for (int b = row.first; b < row.first + row.count; ++b) {
                if (!box[b])
                    continue;
                points = row.op == '+'   ? points + row.amount
                         : row.op == '*' ? points * row.amount
                                         : limit;
                if (!fits(points))
                    return std::nullopt;
            }
        }
        return points;
    }

    // Returns false when the count overflowed.
    bool recount()
    {
        if (limit == 0) {
            fresh = false;
            return true;
        }
        const auto points = count();
        if (!points) {
            fresh = false;
            return false;
        }
        const qint64 capped = *points <= limit ? *points : limit;
        label37 = QString::fromStdString(numberText(capped * (box[1] ? 6 : 4)));
        label38 = QString::fromStdString(numberText(*points));
        fresh = true;
        return true;
    }

    void untrappedRecount()
    {
        if (!recount())
            pendingOverflow = true;
    }

    void endUntrapped()
    {
        if (pendingOverflow)
            messages << overflowMessage();
        pendingOverflow = false;
    }

    void textChanged(const QString& newText)
    {
        text = newText;
        const TableLimitDecision decision = decideTableLimit(text.toStdString());
        switch (decision.action) {
        case TableLimitDecision::Action::Ignore:
            return;
        case TableLimitDecision::Action::TooHigh:
            messages << tooHigh;
            textChanged(QStringLiteral(" 65536"));
            break;
        case TableLimitDecision::Action::Store:
            limit = decision.value;
            break;
        case TableLimitDecision::Action::Typo:
            messages << typo;
            return;
        }
        if (!recount())
            messages << typo;
    }

    void clearButTableLimit()
    {
        for (int n = 1; n <= 72; ++n) {
            if (box[n]) {
                box[n] = false;
                untrappedRecount();
            }
        }
        flowers = 0;
        label36.clear();
        untrappedRecount();
        label37.clear();
        label38.clear();
        fresh = false;
        endUntrapped();
    }

    int fans() const
    {
        int total = 0;
        const bool anyFlower = tile[16] || tile[17] || tile[18] || tile[19] || tile[20] ||
                               tile[21] || tile[22] || tile[23];
        if (!anyFlower && !fanBox[11]) {
            total += 1;
        } else {
            for (int n = 0; n < 4; ++n)
                total += (tile[16 + n] && tile[5 + n]) + (tile[20 + n] && tile[5 + n]);
            total += tile[16] && tile[17] && tile[18] && tile[19];
            total += tile[20] && tile[21] && tile[22] && tile[23];
        }
        for (int n = 0; n < 4; ++n)
            total += tile[9 + n] * (int(tile[5 + n]) + int(tile[1 + n]));
        total += tile[13] + tile[14] + tile[15];
        const int boxFans[12] = {0, 3, 1, 3, 6, 1, 0, 0, 1, 1, 1, 0};
        for (int c = 1; c <= 10; ++c)
            total += fanBox[c] ? boxFans[c] : 0;
        return total;
    }

    void clickTile(int picture)
    {
        if (picture <= 8) {
            const int rowStart = picture <= 4 ? 1 : 5;
            if (!tile[picture]) {
                for (int p = rowStart; p < rowStart + 4; ++p)
                    tile[p] = false;
                tile[picture] = true;
            } else {
                tile[picture] = false;
            }
        } else {
            tile[picture] = !tile[picture];
        }
        label8 = QString::fromStdString(numberText(fans()));
    }

    void clickFanBox(int check)
    {
        fanBox[check] = !fanBox[check];
        if (check == 6 || check == 7) {
            if (fanBox[check])
                messages << maximum;
            return;
        }
        label8 = QString::fromStdString(numberText(fans()));
    }
};

const QStringList windowItems{"WhatgivesMenu",     "FancalculatorMenu", "Menuwho",
                              "MenuWhy",           "thankusmenu",       "DefinitionsMenu",
                              "HandFromTilesMenu", "PracticeMenu"};
// In the order of the items that open them.
const QStringList windowNames{"Form7", "Form3", "Form2",    "Form5",
                              "Form4", "Form6", "HandForm", "PracticeForm"};

int visibleTopLevels()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += widget->isVisible() ? 1 : 0;
    return count;
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void randomEvents();
    void openAndCloseEveryWindow();

private:
    QWidget* window(const QString& name) const
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == name && widget->isVisible())
                return widget;
        }
        return nullptr;
    }
};

void TestSoak::randomEvents()
{
    const quint32 seed = qEnvironmentVariableIsSet("ZORVAN_SOAK_SEED")
                             ? quint32(qEnvironmentVariableIntValue("ZORVAN_SOAK_SEED"))
                             : 20261207u;
    const int events = qEnvironmentVariableIsSet("ZORVAN_SOAK_EVENTS")
                           ? qEnvironmentVariableIntValue("ZORVAN_SOAK_EVENTS")
                           : 12000;
    qInfo("soak seed %u, %d events", seed, events);
    QRandomGenerator random(seed);

    Module1::reset();
    MessageBoxCatcher catcher;
    auto* calculator = new CalculatorWindow;
    Shell shell(calculator);
    calculator->setVisible(true);
    Model model;

    auto* text1 = calculator->findChild<QLineEdit*>("Text1");
    auto calcLabel = [&](int n) {
        return calculator->findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
    };
    auto calcCommand = [&](int n) {
        return calculator->findChild<QPushButton*>(QStringLiteral("Command%1").arg(n));
    };
    auto trigger = [&](const QString& item) { calculator->findChild<QAction*>(item)->trigger(); };

    int messagesSeen = 0, overflowsSeen = 0, fanEvents = 0, freshChecks = 0;
    for (int event = 0; event < events; ++event) {
        QString what;
        QWidget* fan = window(QStringLiteral("Form3"));
        const int pick = random.bounded(100);
        if (pick < 30) {
            int n = random.bounded(1, 73);
            if (n == 51)
                n = 1;
            what = QStringLiteral("click Check%1").arg(n);
            QTest::mouseClick(calculator->findChild<QCheckBox*>(QStringLiteral("Check%1").arg(n)),
                              Qt::LeftButton);
            model.box[n] = !model.box[n];
            model.untrappedRecount();
            model.endUntrapped();
        } else if (pick < 52) {
            text1->end(false);
            const bool backspace = random.bounded(4) == 0 || model.text.size() > 12;
            if (backspace) {
                what = QStringLiteral("backspace in \"%1\"").arg(model.text);
                QTest::keyClick(text1, Qt::Key_Backspace);
                if (!model.text.isEmpty())
                    model.textChanged(model.text.chopped(1));
            } else {
                const char key = random.bounded(10) < 6 ? char('0' + random.bounded(10))
                                                        : char(random.bounded(32, 127));
                what = QStringLiteral("type '%1' after \"%2\"").arg(QChar(key)).arg(model.text);
                QTest::keyClick(text1, key);
                model.textChanged(model.text + QChar(key));
            }
        } else if (pick < 60) {
            const bool up = random.bounded(2) == 0;
            what = up ? QStringLiteral("click +") : QStringLiteral("click --");
            QTest::mouseClick(calcCommand(up ? 5 : 4), Qt::LeftButton);
            if (up && model.flowers < 8)
                ++model.flowers;
            if (!up && model.flowers > 0)
                --model.flowers;
            model.label36 =
                model.flowers == 0 ? QString() : QString::fromStdString(numberText(model.flowers));
            model.untrappedRecount();
            model.endUntrapped();
        } else if (pick < 62) {
            what = QStringLiteral("Clear all BUT table limit");
            QTest::mouseClick(calcCommand(7), Qt::LeftButton);
            model.clearButTableLimit();
        } else if (pick < 63) {
            what = QStringLiteral("Clear ALL");
            QTest::mouseClick(calcCommand(6), Qt::LeftButton);
            model.limit = 0;
            model.text.clear();
            model.clearButTableLimit();
        } else if (pick < 64) {
            const int n = random.bounded(1, 4);
            what = QStringLiteral("hint %1").arg(n);
            QTest::mouseClick(calcCommand(n), Qt::LeftButton);
            model.messages << (n == 3 ? worthlessHint : honorHint);
        } else if (pick < 84 && fan) {
            const int p = random.bounded(1, 24);
            what = QStringLiteral("click Picture%1").arg(p);
            QTest::mouseClick(fan->findChild<QLabel*>(QStringLiteral("Picture%1").arg(p)),
                              Qt::LeftButton);
            model.clickTile(p);
        } else if (pick < 92 && fan) {
            const int c = random.bounded(1, 12);
            what = QStringLiteral("click fan Check%1").arg(c);
            QTest::mouseClick(fan->findChild<QCheckBox*>(QStringLiteral("Check%1").arg(c)),
                              Qt::LeftButton);
            model.clickFanBox(c);
        } else if (pick < 93 && fan) {
            what = QStringLiteral("fan CLEAR ALL");
            QTest::mouseClick(fan->findChild<QPushButton*>("Command1"), Qt::LeftButton);
            model.tile.fill(false);
            for (int c = 1; c <= 10; ++c)
                model.fanBox[c] = false;
            model.label8 = QString::fromStdString(numberText(model.fans()));
        } else if (pick < 94 && fan) {
            what = QStringLiteral("fan ?");
            QTest::mouseClick(fan->findChild<QPushButton*>("Command2"), Qt::LeftButton);
            model.messages << selfPickHint;
        } else if (pick < 97) {
            const int item = random.bounded(int(windowItems.size()));
            what = QStringLiteral("menu %1").arg(windowItems[item]);
            const bool wasOpen = window(windowNames[item]) != nullptr;
            trigger(windowItems[item]);
            if (windowNames[item] == QLatin1String("Form3") && !wasOpen) {
                model.fanBox.fill(false);
                model.label8 = QString::fromStdString(numberText(model.fans()));
            }
        } else if (pick < 98) {
            what = QStringLiteral("menu Howmenu");
            trigger(QStringLiteral("Howmenu"));
            model.messages << howTo;
        } else {
            const QString name = windowNames[random.bounded(int(windowNames.size()))];
            what = QStringLiteral("close %1").arg(name);
            if (QWidget* open = window(name))
                open->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }

        const QString context =
            QStringLiteral("seed %1, event %2: %3").arg(seed).arg(event).arg(what);
        QString failure; // the first difference, reported after the checks of this event
        auto check = [&](const QString& actual, const QString& expected, const char* name) {
            if (actual != expected && failure.isEmpty())
                failure = QStringLiteral("%1: %2 is \"%3\", expected \"%4\"")
                              .arg(context, QLatin1String(name), actual, expected);
        };
        QStringList caught;
        for (const CaughtMessage& message : catcher.take())
            caught << message.text;
        messagesSeen += caught.size();
        overflowsSeen += caught.count(overflowMessage()) + caught.count(typo);
        fanEvents += fan != nullptr;
        freshChecks += model.fresh;
        check(caught.join(QStringLiteral(" | ")), model.messages.join(QStringLiteral(" | ")),
              "messages");
        model.messages.clear();
        check(text1->text(), model.text, "Text1");
        check(QString::number(Module1::tablelimit), QString::number(model.limit), "tablelimit");
        check(calcLabel(36)->text(), model.label36, "Label36");
        check(calcLabel(37)->text(), model.label37, "Label37");
        check(calcLabel(38)->text(), model.label38, "Label38");
        if (model.fresh) {
            // The working behind fresh captions ends on the figures they show.
            auto* count = static_cast<ExplainedLabel*>(calcLabel(38));
            auto* value = static_cast<ExplainedLabel*>(calcLabel(37));
            check(QString::number(lastFigure(count->explanation())),
                  QString::number(model.label38.toLongLong()), "Label38 working");
            check(QString::number(lastFigure(value->explanation())),
                  QString::number(model.label37.toLongLong()), "Label37 working");
        }
        if (QWidget* fanWindow = window(QStringLiteral("Form3"))) {
            auto* total = fanWindow->findChild<QLabel*>("Label8");
            check(total->text(), model.label8, "Label8");
            check(QString::number(lastFigure(static_cast<ExplainedLabel*>(total)->explanation())),
                  QString::number(model.label8.toInt()), "Label8 working");
        }
        for (int p = 1; p <= 23; ++p)
            check(QString::fromStdString(Module1::tilestate[p - 1]),
                  model.tile[p] ? QStringLiteral("aan") : QString(), "tilestate");
        for (const QString& name : windowNames) {
            int instances = 0;
            for (QWidget* widget : QApplication::topLevelWidgets())
                instances += widget->objectName() == name && widget->isVisible();
            if (instances > 1 && failure.isEmpty())
                failure = context + QStringLiteral(": two instances of ") + name;
        }
        if (!failure.isEmpty())
            QFAIL(qPrintable(failure));
    }
    qInfo("%d events: %d message boxes (%d typo or overflow), %d with the fan counter open, "
          "%d workings checked",
          events, messagesSeen, overflowsSeen, fanEvents, freshChecks);
    QVERIFY(fanEvents > events / 10);
    QVERIFY(overflowsSeen > 0);
    delete calculator;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestSoak::openAndCloseEveryWindow()
{
    Module1::reset();
    MessageBoxCatcher catcher;
    auto* calculator = new CalculatorWindow;
    calculator->setVisible(true);
    {
        Shell shell(calculator);
        const qsizetype topLevelsAtStart = QApplication::topLevelWidgets().size();
        qsizetype childrenAfterFirstRound = 0; // menus create some helpers on first use
        for (int round = 0; round < 1000; ++round) {
            for (const QString& item : windowItems)
                calculator->findChild<QAction*>(item)->trigger();
            QCOMPARE(visibleTopLevels(), 9);
            for (const QString& name : windowNames)
                window(name)->close();
            // As the event loop would: the windows' pending paints and layouts first, then
            // the deletions. Left queued, they would pile up over the rounds.
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(QApplication::topLevelWidgets().size(), topLevelsAtStart);
            if (round == 0)
                childrenAfterFirstRound = calculator->findChildren<QObject*>().size();
        }
        QCOMPARE(calculator->findChildren<QObject*>().size(), childrenAfterFirstRound);
    }
    QVERIFY(catcher.take().isEmpty());
    delete calculator;
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
