// Entering a hand tile by tile, in the plain rules the hand window and a page share. The faults
// these tests must catch: a click that adds a fifth tile of a face, a fifth declared set or a
// chow that cannot start at its tile; a mode that adds the wrong set; a winning tile counted
// twice against its face; a bonus tile added twice or into a set; a palette that offers a click
// the rules refuse (or the other way round); a click on a picture that takes out the wrong
// tiles; blank typed text taken for a hand, or text trimmed before it is read; the sentences of
// a wait worth more than the calculator can count.
#include <QString>
#include <QTest>

#include "handediting.h"
#include "handview.h"
#include "whitespace.h"

Q_DECLARE_METATYPE(hand::EntryMode)

namespace {

hand::Hand handOf(const QString& notation)
{
    const hand::ParsedHand parsed =
        hand::parseHand(notation.toStdString(), hand::WinningTile::Optional);
    if (!parsed.error.empty())
        qWarning() << notation << "does not read:" << english(parsed.error).c_str();
    return parsed.hand;
}

int paletteTile(const QString& notation)
{
    const std::optional<int> tile = hand::paletteTileOf(notation.toStdString());
    if (!tile)
        qWarning() << "no palette tile" << notation;
    return tile.value_or(-1);
}

// The hand after the edit in notation, or "refused: " and the sentence why.
QString outcome(const hand::Edit& edit)
{
    if (!edit.error.empty())
        return QStringLiteral("refused: ") + QString::fromStdString(english(edit.error));
    return QString::fromStdString(hand::writeHand(edit.hand));
}

} // namespace

class TestHandEditing : public QObject {
    Q_OBJECT

private slots:
    void paletteTiles_data();
    void paletteTiles();
    void paletteClick_data();
    void paletteClick();
    void wrongHandStaysAsItIs();
    void pictureClick_data();
    void pictureClick();
    void typedText_data();
    void typedText();
    void whiteSpaceAsTheTextBoxesTrimIt();
    void waitTexts_data();
    void waitTexts();
};

void TestHandEditing::paletteTiles_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("tile"); // -1: none

    QTest::newRow("first character") << "1m" << 0;
    QTest::newRow("last bamboo") << "9s" << 26;
    QTest::newRow("red dragon") << "7z" << 33;
    QTest::newRow("first flower") << "1f" << 34;
    QTest::newRow("last season") << "4y" << 41;
    QTest::newRow("no eighth honour") << "8z" << -1;
    QTest::newRow("no fifth flower") << "5f" << -1;
    QTest::newRow("two tiles") << "11m" << -1;
}

void TestHandEditing::paletteTiles()
{
    QFETCH(QString, written);
    QFETCH(int, tile);
    QCOMPARE(hand::paletteTileOf(written.toStdString()).value_or(-1), tile);
    if (tile >= 0)
        QCOMPARE(QString::fromStdString(hand::paletteText(tile)), written);
}

void TestHandEditing::paletteClick_data()
{
    using Mode = hand::EntryMode;
    QTest::addColumn<QString>("before");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("tile");
    QTest::addColumn<QString>("after");

    QTest::newRow("a fourth tile of a face") << "111m" << Mode::Tile << "1m"
                                             << "1111m";
    QTest::newRow("a fifth") << "1111m" << Mode::Tile << "1m"
                             << "refused: 5 tiles of 1m";
    QTest::newRow("a pong beside one tile") << "1m" << Mode::Pong << "1m"
                                            << "1m [111m]";
    QTest::newRow("a pong beside two") << "11m" << Mode::Pong << "1m"
                                       << "refused: 5 tiles of 1m";
    QTest::newRow("a kong") << "" << Mode::Kong << "1z"
                            << "[1111z]";
    QTest::newRow("a kong beside one tile") << "1z" << Mode::Kong << "1z"
                                            << "refused: 5 tiles of 1z";
    QTest::newRow("a concealed kong") << "" << Mode::ConcealedKong << "5p"
                                      << "(5555p)";
    QTest::newRow("a chow from 7") << "" << Mode::Chow << "7s"
                                   << "[789s]";
    QTest::newRow("no chow from 8")
        << "" << Mode::Chow << "8s"
        << "refused: no chow starts at 8s: a chow is three tiles in a row of one suit";
    QTest::newRow("no chow of honours")
        << "" << Mode::Chow << "1z"
        << "refused: no chow starts at 1z: a chow is three tiles in a row of one suit";
    QTest::newRow("a chow over a face held four times") << "9999m" << Mode::Chow << "7m"
                                                        << "refused: 5 tiles of 9m";
    QTest::newRow("a fourth declared set") << "[111m] [222m] [333m]" << Mode::Pong << "5p"
                                           << "[111m] [222m] [333m] [555p]";
    QTest::newRow("a fifth declared set") << "[111m] [222m] [333m] [444m]" << Mode::Chow << "1p"
                                          << "refused: 5 declared sets: a hand has at most 4";
    QTest::newRow("the winning tile replaces the last") << "123m +4m" << Mode::Winning << "5m"
                                                        << "123m +5m";
    QTest::newRow("the winning tile counted once against its face")
        << "444m +4m" << Mode::Winning << "4m"
        << "444m +4m";
    QTest::newRow("a winning tile of a face held four times") << "4444m" << Mode::Winning << "4m"
                                                              << "refused: 5 tiles of 4m";
    QTest::newRow("a flower") << "" << Mode::Tile << "2f"
                              << "2f";
    QTest::newRow("a flower twice")
        << "2f" << Mode::Tile << "2f"
        << "refused: 2f is in the hand already: each flower and season is there once";
    QTest::newRow("a flower in a set")
        << "" << Mode::Pong << "2f"
        << "refused: 2f: a flower or season is not part of a chow, pong or kong";
    QTest::newRow("a season to win") << "" << Mode::Winning << "3y"
                                     << "refused: +3y: a flower or season is not a winning tile";
}

void TestHandEditing::paletteClick()
{
    QFETCH(QString, before);
    QFETCH(hand::EntryMode, mode);
    QFETCH(QString, tile);
    QFETCH(QString, after);

    const hand::Hand hand = handOf(before);
    const hand::Edit edit = hand::addTile(hand, mode, paletteTile(tile));
    QCOMPARE(outcome(edit), after);
    if (!edit.error.empty())
        QVERIFY(edit.hand == hand);
    // The palette offers the click exactly when the rules take it.
    QCOMPARE(hand::addableTiles(hand, mode)[paletteTile(tile)], edit.error.empty());
}

void TestHandEditing::wrongHandStaysAsItIs()
{
    // Five of a face, the fifth the winning tile, as no text and no click can make it: a click
    // is refused with the fault, even one that would take the fifth out.
    hand::Hand wrong;
    wrong.concealed[0] = 4;
    wrong.winning = 0;
    const hand::Edit edit = hand::addTile(wrong, hand::EntryMode::Winning, paletteTile("9s"));
    QCOMPARE(outcome(edit), QStringLiteral("refused: 5 tiles of 1m"));
    QVERIFY(edit.hand == wrong);
}

void TestHandEditing::pictureClick_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("after");

    // The pictures of "123m [555p] 1f +5p": 1m 2m 3m, 5p 5p 5p, 1f, +5p.
    QTest::newRow("a concealed tile") << 0 << "23m [555p] 1f +5p";
    QTest::newRow("the last concealed tile") << 2 << "12m [555p] 1f +5p";
    QTest::newRow("a tile of a declared set takes the set") << 4 << "123m 1f +5p";
    QTest::newRow("a bonus tile") << 6 << "123m [555p] +5p";
    QTest::newRow("the winning tile") << 7 << "123m [555p] 1f";
    QTest::newRow("beyond the last") << 8 << "refused: no tile 9 to take out";
    QTest::newRow("before the first") << -1 << "refused: no tile 0 to take out";
}

void TestHandEditing::pictureClick()
{
    QFETCH(int, slot);
    QFETCH(QString, after);
    QCOMPARE(outcome(hand::removeTile(handOf("123m [555p] 1f +5p"), slot)), after);
}

void TestHandEditing::typedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("read"); // the hand in notation, or the sentence why not

    QTest::newRow("nothing") << ""
                             << "";
    QTest::newRow("blanks") << " \t "
                            << "";
    QTest::newRow("blanks beyond ASCII") << "\u00a0\u3000"
                                         << "";
    QTest::newRow("a hand among blanks") << " 1m 2m "
                                         << "12m";
    // Read as typed: a blank beyond ASCII before a tile is a character the notation has not.
    QTest::newRow("a hand after a blank beyond ASCII")
        << "\u00a0 1m"
        << "character 1 is not ASCII: write tiles as 123m, 55p, 7z";
    QTest::newRow("a flower to win") << "123m +1f"
                                     << "+1f: a flower or season is not a winning tile";
}

void TestHandEditing::typedText()
{
    QFETCH(QString, typed);
    QFETCH(QString, read);
    const hand::ParsedHand parsed = hand::readTypedHand(typed.toStdString());
    QCOMPARE(QString::fromStdString(parsed.error.empty() ? hand::writeHand(parsed.hand)
                                                         : english(parsed.error)),
             read);
}

void TestHandEditing::whiteSpaceAsTheTextBoxesTrimIt()
{
    // Every character of the Basic Multilingual Plane and a few beyond it, at both ends.
    int blanks = 0;
    for (char32_t c = 1; c < 0x10400; ++c) {
        if ((c >= 0xD800 && c <= 0xDFFF) || (c >= 0x10000 && c < 0x10300))
            continue;
        // Not QString::fromUcs4(&c, 1), which takes U+FEFF for a byte order mark and drops it.
        const QString one = QStringView(QChar::fromUcs4(c)).toString();
        const QString text = one + QStringLiteral("x") + one;
        const QByteArray utf8 = text.toUtf8();
        const std::string_view trimmed =
            trimWhiteSpace(std::string_view(utf8.constData(), std::size_t(utf8.size())));
        const QByteArray expected = text.trimmed().toUtf8();
        if (QByteArray(trimmed.data(), qsizetype(trimmed.size())) != expected)
            QFAIL(qPrintable(QStringLiteral("U+%1").arg(quint32(c), 4, 16, QLatin1Char('0'))));
        blanks += expected == "x" ? 1 : 0;
    }
    QCOMPARE(blanks, 25); // \t to \r, blank, U+0085, U+00A0 and the 17 separators
}

void TestHandEditing::waitTexts_data()
{
    QTest::addColumn<QString>("waiting");
    QTest::addColumn<bool>("lastTile");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("name");    // the last wait's, as a screen reader says it
    QTest::addColumn<QString>("details"); // on hovering
    QTest::addColumn<QString>("values");  // beneath its picture

    QTest::newRow("counted") << "123m 456m 789p 123s 7z" << false << 500
                             << "Red dragon wins 144 on a discard, 156 self-picked"
                             << "Red dragon\nOn a discard: count 24, 144 Zorvan! Points, 2 fans\n"
                                "Self-picked: count 26, 156 Zorvan! Points, 3 fans\n"
                                "A click makes it the winning tile."
                             << "144\n156";
    // All honours: maximum fans; self-picked on the last tile, the count leaves 32 bits.
    QTest::newRow("beyond counting self-picked")
        << "(1111z) (5555z) (6666z) 22z 77z 1234f 1234y" << true << 65536
        << "Red dragon wins 393216 on a discard, more than the calculator can count self-picked"
        << "Red dragon\nOn a discard: count 1074266112, 393216 Zorvan! Points, maximum fans\n"
           "Self-picked: worth more than the calculator can count, maximum fans\n"
           "A click makes it the winning tile."
        << "393216\noverflow";
}

void TestHandEditing::waitTexts()
{
    QFETCH(QString, waiting);
    QFETCH(bool, lastTile);
    QFETCH(int, limit);
    QFETCH(QString, name);
    QFETCH(QString, details);
    QFETCH(QString, values);

    hand::Conditions conditions;
    conditions.lastTile = lastTile;
    conditions.tablelimit = limit;
    const hand::HandView view = hand::viewHand(handOf(waiting), conditions);
    QCOMPARE(view.state, hand::HandState::Waiting);
    const hand::Wait& wait = view.waits.waits.back();
    QCOMPARE(QString::fromStdString(english(hand::waitName(wait))), name);
    QCOMPARE(QString::fromStdString(english(hand::waitDetails(wait))), details);
    QCOMPARE(QString::fromStdString(english(hand::shortWorth(wait.discard)) + "\n" +
                                    english(hand::shortWorth(wait.selfDrawn))),
             values);
}

QTEST_GUILESS_MAIN(TestHandEditing)
#include "tst_handediting.moc"
