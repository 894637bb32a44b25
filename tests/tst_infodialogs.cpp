// The information dialogs the menus open: their texts to the letter (the glossary, the fan
// rules) or in their shape (credits, appreciation, history), their text boxes, read-only but for
// the fan rules, whose typed text a second choice of the menu keeps.
#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include "programstart.h"

namespace {

const QStringList glossaryLines{
    "Chow: Sequential run of 3 tiles in the same suit ",
    "Honors: Dragons and Winds ",
    "KFC: Kentucky Fried Chicken (anything you like... no rules!!!)",
    "Last Tile: Tile # 14",
    "Pong/Kong: 3/4 of the same tile ",
    "Prevailing Wind: Current prevailing wind shown on the upper left hand of the screen.",
    "Seat Wind: Current wind of your seat, shown by your name.",
    "Semi Pure: All one suit with dragons or winds",
    "Pure: All One Suit",
    "Self Pick: Draw winning tile from the wall",
    "Steal a Kong: Someone kongs a tile and you can mah jongg with this tile",
    "Supplemental Self Pick: Drawing any flower/season or melding a kong and the next tile drawn "
    "is mj for you ",
    "Terminals : One's and Nine's ",
};

const QStringList fanRuleLines{
    "Semi Pure = 3 Fans     These are what we call standard 3 fans",
    "4 Pongs/Kong and a pair = 3 Fans  These are what we call standard 3 fans",
    "",
    "Flower/Season Kong = 1 fan",
    "Going out on Supplemental tile = 1 Fans ",
    "All Terminals and Honors = 1 Fan",
    "4 Chows = 1 Fan",
    "Pong/Kong Dragon = 1 Fan",
    "Pong/Kong Prevailing Wind = 1 Fan",
    "Pong/Kong Seat Wind = 1 Fan",
    "Self Pick = 1 Fan",
    "No Flowers and Seasons = 1 Fan",
    "Seat Flower or Season = 1 Fan",
    "Steal a Kong = 1 Fan",
    "Last Tile = 1 Fan ",
    "",
    "Pure = 6 Fans",
    "All Honors = Maximum Fan",
    "All Terminals = Maximum Fan",
    " ",
    "All Fans Are Added Together!!!",
};

// Lines of a text that ends with a line break: the last, empty piece is not a line.
QStringList linesOf(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestInfoDialogs : public QObject, protected ProgramTest {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void secondChoiceKeepsTheTypedText();
    void exactTexts_data();
    void exactTexts();
    void ownTexts_data();
    void ownTexts();
    void textBoxes_data();
    void textBoxes();
    void readOnlyBoxesIgnoreTyping_data();
    void readOnlyBoxesIgnoreTyping();

private:
    // Chooses the item and returns the window it opened, once active.
    QWidget* choose(const QString& itemName)
    {
        const QWidgetList before = programWindows(true);
        QAction* action = item(itemName);
        if (!action)
            return nullptr;
        action->trigger();
        QWidgetList opened;
        for (QWidget* window : programWindows(true)) {
            if (!before.contains(window))
                opened << window;
        }
        if (opened.size() != 1 || !QTest::qWaitForWindowActive(opened.front()))
            return nullptr;
        return opened.front();
    }
    static QPlainTextEdit* text1(QWidget* window)
    {
        return window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    }
};

void TestInfoDialogs::init()
{
    startTheProgram();
}

void TestInfoDialogs::cleanup()
{
    stopTheProgram();
}

void TestInfoDialogs::secondChoiceKeepsTheTypedText()
{
    item("WhatgivesMenu")->trigger();
    QPointer<QWidget> rules = m_shell->windows().instance("Form7");
    QVERIFY(rules);
    QVERIFY(QTest::qWaitForWindowActive(rules));
    QTest::keyClicks(text1(rules), "my own note ");
    const QString typed = text1(rules)->toPlainText();
    QVERIFY(typed.startsWith("my own note Semi Pure = 3 Fans"));

    // Other windows opened in between change nothing in it.
    item("DefinitionsMenu")->trigger();
    item("FancalculatorMenu")->trigger();
    item("WhatgivesMenu")->trigger();
    QCOMPARE(m_shell->windows().instance("Form7"), rules.data());
    QCOMPARE(text1(rules)->toPlainText(), typed);
    QCOMPARE(visibleWindowNames(), (QStringList{"Form1", "Form3", "Form6", "Form7"}));

    rules->close();
    deleteClosedWindows();
    QVERIFY(rules.isNull());
    item("WhatgivesMenu")->trigger();
    QWidget* again = m_shell->windows().instance("Form7");
    QVERIFY(again);
    QCOMPARE(linesOf(text1(again)->toPlainText()), fanRuleLines);
}

void TestInfoDialogs::exactTexts_data()
{
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("glossary") << "DefinitionsMenu" << glossaryLines;
    QTest::newRow("fan rules") << "WhatgivesMenu" << fanRuleLines;
}

void TestInfoDialogs::exactTexts()
{
    QFETCH(QString, itemName);
    QFETCH(QStringList, lines);

    QWidget* dialog = choose(itemName);
    QVERIFY(dialog);
    const QString text = text1(dialog)->toPlainText();
    QVERIFY(text.endsWith(QLatin1Char('\n')));
    const QStringList actual = linesOf(text);
    QCOMPARE(actual.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QCOMPARE(actual[i], lines[i]);
}

void TestInfoDialogs::ownTexts_data()
{
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("characters"); // with each line break counted as CR LF
    QTest::addColumn<QList<int>>("indented");

    QTest::newRow("credits") << "Menuwho" << 4 << 98 << QList<int>{1, 3};
    QTest::newRow("appreciation") << "thankusmenu" << 7 << 181 << QList<int>{4, 5, 6};
    QTest::newRow("history") << "MenuWhy" << 16 << 1066 << QList<int>{};
}

void TestInfoDialogs::ownTexts()
{
    QFETCH(QString, itemName);
    QFETCH(int, lineCount);
    QFETCH(int, characters);
    QFETCH(QList<int>, indented);

    QWidget* dialog = choose(itemName);
    QVERIFY(dialog);
    const QString text = text1(dialog)->toPlainText();
    QVERIFY(text.endsWith(QLatin1Char('\n')));
    const QStringList lines = linesOf(text);
    QCOMPARE(lines.size(), lineCount);
    const int length = int(text.size() + lines.size());
    QVERIFY2(qAbs(length - characters) <= characters / 10, qPrintable(QString::number(length)));
    for (QChar c : text)
        QVERIFY(c == QLatin1Char('\n') || (c.unicode() >= 0x20 && c.unicode() < 0x7f));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QVERIFY(!lines[i].trimmed().isEmpty());
        QCOMPARE(lines[i].startsWith(QLatin1Char(' ')), indented.contains(int(i)));
    }
    if (itemName == "Menuwho")
        QCOMPARE(lines[2], QStringLiteral("and"));
}

void TestInfoDialogs::textBoxes_data()
{
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("credits") << "Menuwho" << QRect(8, 8, 185, 89) << true;
    QTest::newRow("appreciation") << "thankusmenu" << QRect(16, 16, 185, 121) << true;
    QTest::newRow("history") << "MenuWhy" << QRect(8, 8, 561, 233) << true;
    QTest::newRow("glossary") << "DefinitionsMenu" << QRect(8, 8, 409, 193) << true;
    QTest::newRow("fan rules") << "WhatgivesMenu" << QRect(8, 8, 369, 281) << false;
}

void TestInfoDialogs::textBoxes()
{
    QFETCH(QString, itemName);
    QFETCH(QRect, geometry);
    QFETCH(bool, readOnly);

    QWidget* dialog = choose(itemName);
    QVERIFY(dialog);
    QPlainTextEdit* box = text1(dialog);
    QVERIFY(box);
    QCOMPARE(box->geometry(), geometry);
    QCOMPARE(box->isReadOnly(), readOnly);
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(box->wordWrapMode(), QTextOption::WordWrap);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!box->verticalScrollBar()->isVisible());
    QVERIFY(box->textInteractionFlags().testFlags(Qt::TextSelectableByMouse |
                                                  Qt::TextSelectableByKeyboard));
    // Default font and colours: nothing of the window or the box is styled.
    QVERIFY(dialog->styleSheet().isEmpty() && box->styleSheet().isEmpty());
    QCOMPARE(box->font(), QApplication::font(box));
    QCOMPARE(box->palette(), QApplication::palette(box));
}

void TestInfoDialogs::readOnlyBoxesIgnoreTyping_data()
{
    QTest::addColumn<QString>("itemName");
    QTest::newRow("credits") << "Menuwho";
    QTest::newRow("appreciation") << "thankusmenu";
    QTest::newRow("history") << "MenuWhy";
    QTest::newRow("glossary") << "DefinitionsMenu";
}

void TestInfoDialogs::readOnlyBoxesIgnoreTyping()
{
    QFETCH(QString, itemName);

    QWidget* dialog = choose(itemName);
    QVERIFY(dialog);
    QPlainTextEdit* box = text1(dialog);
    const QString stored = box->toPlainText();
    QTest::keyClicks(box, "typed");
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->toPlainText(), stored);

    // The reader can still move the caret and select with the keyboard.
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(box->textCursor().position(), 0);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(box->textCursor().selectedText(), stored.left(2));
}

QTEST_MAIN(TestInfoDialogs)
#include "tst_infodialogs.moc"
