// A hand asked for as the program starts: --hand "HAND" with zorvan-hand's options for the
// conditions on the desktops, the page's #hand= link on the web. The faults that matter: an
// option read into the wrong condition, a limit not typed into the calculator (so the hand is
// counted under another), a request that cannot be read opening something anyway or failing
// silently.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "handrequest.h"
#include "programstart.h"

class TestHandRequest : public QObject, ProgramTest {
    Q_OBJECT

private slots:
    void init() { startTheProgram(); }
    void cleanup() { stopTheProgram(); }

    void handArguments_data();
    void handArguments();
    void handLinkRequests_data();
    void handLinkRequests();
    void requestedHandOpensBesideTheCalculator_data();
    void requestedHandOpensBesideTheCalculator();
    void unreadableRequestSaysWhy();
};

// What a request reads: the hand and its conditions, or nothing, or the sentence why not.
// "hand|seat|round|limit or -|switches" for a request, "!" and the sentence for a refusal.
namespace {

QString describe(const ReadHandRequest& read)
{
    if (!read.request)
        return read.error.isEmpty() ? QString() : QStringLiteral("!") + read.error;
    const HandRequest& request = *read.request;
    const hand::Conditions& c = request.conditions;
    return QStringLiteral("%1|%2|%3|%4|%5%6%7%8%9")
        .arg(QString::fromStdString(request.hand))
        .arg(int(c.seat))
        .arg(int(c.round))
        .arg(request.limitGiven ? QString::number(c.tablelimit) : QStringLiteral("-"))
        .arg(int(c.selfDrawn))
        .arg(int(c.lastTile))
        .arg(int(c.supplement))
        .arg(int(c.robbingKong))
        .arg(int(c.noFaTable));
}

} // namespace

void TestHandRequest::handArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("read");
    QTest::newRow("none") << QStringList{} << QString();
    QTest::newRow("a hand alone") << QStringList{"--hand", "123m 5z +5z"}
                                  << "123m 5z +5z|0|0|-|00000";
    QTest::newRow("every option") << QStringList{"--seat",        "s",
                                                 "--round",       "North",
                                                 "--limit",       "300",
                                                 "--self-drawn",  "--last-tile",
                                                 "--supplement",  "--robbing-kong",
                                                 "--no-fa-table", "--hand",
                                                 "[555z] +5z"}
                                  << "[555z] +5z|1|3|300|11111";
    QTest::newRow("one switch: its own place")
        << QStringList{"--hand", "1m", "--robbing-kong"} << "1m|0|0|-|00010";
    QTest::newRow("the limit's bound")
        << QStringList{"--hand=1m", "--limit=65536"} << "1m|0|0|65536|00000";
    QTest::newRow("a limit past it")
        << QStringList{"--hand", "1m", "--limit", "65537"}
        << "!the table limit must be a whole number from 1 to 65536, not \"65537\"";
    QTest::newRow("a seat that is none") << QStringList{"--hand", "1m", "--seat", "Q"}
                                         << "!the seat wind must be E, S, W or N, not \"Q\"";
    QTest::newRow("a prevailing wind that is none")
        << QStringList{"--hand", "1m", "--round", "Q"}
        << "!the prevailing wind must be E, S, W or N, not \"Q\"";
    QTest::newRow("conditions without a hand")
        << QStringList{"--seat", "S"} << "!the option --seat is only read with --hand";
    QTest::newRow("a hand twice") << QStringList{"--hand", "1m", "--hand", "2m"}
                                  << "!the option --hand is given more than once";
    QTest::newRow("a hand without the option")
        << QStringList{"123m"} << "!123m is not an option: give the hand as --hand \"HAND\"";
}

void TestHandRequest::handArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, read);
    QCOMPARE(describe(readHandArguments(arguments)), read);
    // An unknown option is refused in Qt's words, whatever they are.
    QVERIFY(describe(readHandArguments({"--hand", "1m", "--waits"})).startsWith("!"));
}

void TestHandRequest::handLinkRequests_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("read");
    QTest::newRow("no fragment") << "https://example.org/zorvan/" << QString();
    QTest::newRow("a fragment of another use") << "https://example.org/#screen=sheet" << QString();
    QTest::newRow("a hand") << "https://example.org/#hand=123m%20%2B1m&seat=W&limit=300&nofa=1"
                            << "123m +1m|2|0|300|00001";
    QTest::newRow("no limit in it") << "#hand=1m&self=1"
                                    << "1m|0|0|-|10000";
    QTest::newRow("a bad value") << "#hand=1m&round=X"
                                 << "!the prevailing wind must be E, S, W or N, not \"X\"";
}

void TestHandRequest::handLinkRequests()
{
    QFETCH(QString, link);
    QFETCH(QString, read);
    QCOMPARE(describe(readHandLinkRequest(link.toStdString())), read);
}

void TestHandRequest::requestedHandOpensBesideTheCalculator_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("limitText");
    QTest::addColumn<QString>("result");
    QTest::newRow("the calculator's limit: none entered")
        << QStringList{"--hand", "123m 456p 789s 234s 5z +5z", "--seat", "S", "--self-drawn"}
        << QString() << "(table limit 500: none entered in the calculator)";
    QTest::newRow("a limit of its own, typed into the calculator")
        << QStringList{"--hand", "123m 456p 789s 234s 5z +5z", "--limit", "40", "--no-fa-table"}
        << "40"
        << "(table limit 40)";
}

void TestHandRequest::requestedHandOpensBesideTheCalculator()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, limitText);
    QFETCH(QString, result);
    const ReadHandRequest read = readHandArguments(arguments);
    QVERIFY(read.request);
    openRequestedHand(*m_shell, m_calculator, read);
    QWidget* window = nullptr;
    QTRY_VERIFY((window = m_shell->windows().instance(QStringLiteral("HandForm"))));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(visibleWindowNames(), (QStringList{"Form1", "HandForm"}));
    const hand::Conditions& c = read.request->conditions;
    QCOMPARE(window->findChild<QLineEdit*>("HandText")->text(),
             QString::fromStdString(read.request->hand));
    QCOMPARE(window->findChild<QComboBox*>("SeatWind")->currentIndex(), int(c.seat));
    QCOMPARE(window->findChild<QComboBox*>("RoundWind")->currentIndex(), int(c.round));
    QCOMPARE(window->findChild<QCheckBox*>("SelfDrawn")->isChecked(), c.selfDrawn);
    QCOMPARE(window->findChild<QCheckBox*>("NoFaTable")->isChecked(), c.noFaTable);
    QCOMPARE(window->findChild<QCheckBox*>("LastTile")->isChecked(), false);
    // The limit as if typed: the calculator's box and its stored limit.
    QCOMPARE(m_calculator->findChild<QLineEdit*>("Text1")->text(), limitText);
    QCOMPARE(Module1::tablelimit, limitText.isEmpty() ? 0 : limitText.toInt());
    QVERIFY2(window->findChild<QLabel*>("HandResult")->text().contains(result),
             qPrintable(window->findChild<QLabel*>("HandResult")->text()));
}

void TestHandRequest::unreadableRequestSaysWhy()
{
    openRequestedHand(*m_shell, m_calculator, readHandArguments({"--hand", "1m", "--seat", "Q"}));
    QTRY_COMPARE(m_catcher->count(), 1);
    m_catcher->expect({"The hand was not opened: the seat wind must be E, S, W or N, not \"Q\""},
                      QMessageBox::Warning);
    QCOMPARE(visibleWindowNames(), QStringList{"Form1"});
    // Nothing asked, nothing shown.
    openRequestedHand(*m_shell, m_calculator, readHandArguments({}));
    QTest::qWait(50);
    QCOMPARE(m_catcher->count(), 0);
}

QTEST_MAIN(TestHandRequest)
#include "tst_handrequest.moc"
