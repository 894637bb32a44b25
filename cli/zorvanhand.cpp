#include "zorvanhand.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <tuple>
#include <utility>

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include "deal.h"
#include "fanboard.h"
#include "handengine.h"
#include "tablelimit.h"

namespace hand {
namespace {

const QString programName = QStringLiteral("zorvan-hand");
const QString exampleHand = QStringLiteral("123m 456p 789s 234s 5z +5z");

struct Request {
    Conditions conditions;
    bool json = false;
    bool waits = false;
    bool help = false;
    bool deal = false;
    DealLevel level = DealLevel::Everything;
    std::optional<std::uint64_t> seed;
    QString hand;
};

// A request, or the sentence that says why there is none.
struct ParsedRequest {
    Request request;
    QString error;
};

ParsedRequest refused(const QString& sentence)
{
    return {{}, sentence};
}

// An echoed argument is cut short, so that a refusal stays one readable line.
QString quoted(const QString& text)
{
    constexpr int shown = 24;
    const QString cut = text.size() > shown ? text.left(shown) + QStringLiteral("...") : text;
    return QLatin1Char('"') + cut + QLatin1Char('"');
}

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// The engine's sentences as they stand in English: scripts read them, so no language changes
// them.
QString qs(const Phrase& text)
{
    return qs(english(text));
}

// E, S, W, N or the whole name, in any case.
std::optional<Wind> readWind(const QString& text)
{
    for (const Wind wind : {Wind::East, Wind::South, Wind::West, Wind::North}) {
        const QLatin1String name(windName(wind));
        if (text.compare(name, Qt::CaseInsensitive) == 0 ||
            text.compare(name.left(1), Qt::CaseInsensitive) == 0)
            return wind;
    }
    return std::nullopt;
}

// Digits only: no sign, fraction, exponent or blanks; from `lowest` to `highest`, which is
// below 10^16.
std::optional<std::uint64_t> readWhole(const QString& text, std::uint64_t lowest,
                                       std::uint64_t highest)
{
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        }))
        return std::nullopt;
    QStringView digits(text);
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits = digits.mid(1);
    if (digits.size() > 16)
        return std::nullopt;
    const std::uint64_t value = digits.toULongLong();
    if (value < lowest || value > highest)
        return std::nullopt;
    return value;
}

QString dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

ParsedRequest parseArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    // "-json" reads as "--json" rather than as four unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption seat(QStringLiteral("seat"), QString(), QStringLiteral("wind"));
    const QCommandLineOption round(QStringLiteral("round"), QString(), QStringLiteral("wind"));
    const QCommandLineOption limit(QStringLiteral("limit"), QString(), QStringLiteral("number"));
    const QCommandLineOption selfDrawn(QStringLiteral("self-drawn"));
    const QCommandLineOption lastTile(QStringLiteral("last-tile"));
    const QCommandLineOption supplement(QStringLiteral("supplement"));
    const QCommandLineOption robbingKong(QStringLiteral("robbing-kong"));
    const QCommandLineOption noFaTable(QStringLiteral("no-fa-table"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption waits(QStringLiteral("waits"));
    const QCommandLineOption deal(QStringLiteral("deal"));
    const QCommandLineOption level(QStringLiteral("level"), QString(), QStringLiteral("level"));
    const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("number"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({seat, round, limit, selfDrawn, lastTile, supplement, robbingKong, noFaTable,
                       json, waits, deal, level, seed, help});

    if (!parser.parse(QStringList{programName} + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return refused(QStringLiteral("unknown option %1 (%2 --help lists the options)")
                               .arg(quoted(dashed(unknown.first())), programName));
        // A value missing after --limit, or one given to a switch: Qt says which.
        QString sentence = parser.errorText();
        if (sentence.endsWith(QLatin1Char('.')))
            sentence.chop(1);
        if (!sentence.isEmpty())
            sentence[0] = sentence[0].toLower();
        return refused(sentence);
    }

    Request request;
    request.help = parser.isSet(help);
    if (request.help)
        return {request, {}};
    request.json = parser.isSet(json);
    request.waits = parser.isSet(waits);

    for (const QCommandLineOption* option : {&seat, &round, &limit, &level, &seed}) {
        if (parser.values(*option).size() > 1)
            return refused(QStringLiteral("the option --%1 is given more than once")
                               .arg(option->names().first()));
    }
    Conditions& conditions = request.conditions;
    if (parser.isSet(seat)) {
        const std::optional<Wind> wind = readWind(parser.value(seat));
        if (!wind)
            return refused(QStringLiteral("the seat wind must be E, S, W or N, not %1")
                               .arg(quoted(parser.value(seat))));
        conditions.seat = *wind;
    }
    if (parser.isSet(round)) {
        const std::optional<Wind> wind = readWind(parser.value(round));
        if (!wind)
            return refused(QStringLiteral("the prevailing wind must be E, S, W or N, not %1")
                               .arg(quoted(parser.value(round))));
        conditions.round = *wind;
    }
    if (parser.isSet(limit)) {
        const std::optional<std::uint64_t> value =
            readWhole(parser.value(limit), 1, static_cast<std::uint64_t>(tableLimitBound));
        if (!value)
            return refused(
                QStringLiteral("the table limit must be a whole number from 1 to 65536, not %1")
                    .arg(quoted(parser.value(limit))));
        conditions.tablelimit = static_cast<std::int32_t>(*value);
    }
    // With --waits a win is shown both ways, so --self-drawn changes nothing there.
    conditions.selfDrawn = parser.isSet(selfDrawn);
    conditions.lastTile = parser.isSet(lastTile);
    conditions.supplement = parser.isSet(supplement);
    conditions.robbingKong = parser.isSet(robbingKong);
    conditions.noFaTable = parser.isSet(noFaTable);

    const QStringList hands = parser.positionalArguments();
    request.deal = parser.isSet(deal);
    if (!request.deal) {
        for (const QCommandLineOption* option : {&level, &seed}) {
            if (parser.isSet(*option))
                return refused(QStringLiteral("the option --%1 is only read with --deal")
                                   .arg(option->names().first()));
        }
    } else {
        // The deal draws the hand and its conditions; only the table limit is the caller's.
        for (const QCommandLineOption* option : {&seat, &round, &selfDrawn, &lastTile, &supplement,
                                                 &robbingKong, &noFaTable, &waits}) {
            if (parser.isSet(*option))
                return refused(QStringLiteral("the option --%1 cannot be given with --deal, "
                                              "which draws the conditions with the hand")
                                   .arg(option->names().first()));
        }
        if (!hands.isEmpty())
            return refused(QStringLiteral("--deal takes no hand, it deals one: %1 is one too many")
                               .arg(quoted(hands.join(QLatin1Char(' ')))));
        if (parser.isSet(level)) {
            const std::optional<std::uint64_t> value = readWhole(parser.value(level), 1, 3);
            if (!value)
                return refused(QStringLiteral("the level must be 1, 2 or 3, not %1")
                                   .arg(quoted(parser.value(level))));
            request.level = static_cast<DealLevel>(*value);
        }
        if (parser.isSet(seed)) {
            request.seed = readWhole(parser.value(seed), 0, maxSeed);
            if (!request.seed)
                return refused(
                    QStringLiteral("the seed must be a whole number from 0 to %1, not %2")
                        .arg(maxSeed)
                        .arg(quoted(parser.value(seed))));
        }
        return {request, {}};
    }
    if (hands.isEmpty())
        return refused(QStringLiteral("no hand given: write its tiles, as in "
                                      "%1 \"%2\"")
                           .arg(programName, exampleHand));
    // Groups are separated by blanks anyway, so a hand typed without quotes reads the same.
    request.hand = hands.join(QLatin1Char(' '));
    return {request, {}};
}

// One group of a reading, as both outputs show it.
struct Group {
    QLatin1String kind;
    QString tiles;
    bool open;
    bool declared;
    bool winning;
};

// The reading's sets in the engine's order, then the pair.
std::vector<Group> groupsOf(const Reading& reading)
{
    std::vector<Group> groups;
    for (std::size_t i = 0; i < reading.sets.size(); ++i) {
        const ReadSet& set = reading.sets[i];
        groups.push_back({QLatin1String(kindName(set.kind)), qs(setText(set.kind, set.first)),
                          set.open, set.declared, reading.winningGroup == static_cast<int>(i)});
    }
    groups.push_back({QLatin1String("pair"), qs(pairText(reading.pair)), false, false,
                      reading.winningGroup == -1});
    return groups;
}

QString plural(qsizetype count, const char* one, const char* many)
{
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : many);
}

void appendLines(QString& text, const std::vector<Phrase>& lines)
{
    for (const Phrase& line : lines)
        text += QStringLiteral("  ") + qs(line) + QLatin1Char('\n');
}

// The fan counter's box that made the hand a maximum: "All Terminals" or "All Honors".
const char* maximumBox(const FanBoxValues& boxes)
{
    for (const ConditionBox& box : conditionBoxes) {
        if (box.effect == BoxEffect::MaximumHand && boxes[box.check] == 1)
            return box.caption;
    }
    return "";
}

QString plainResult(const HandResult& result, const Conditions& conditions)
{
    QString text = QStringLiteral("Hand: %1\n%2\n\n")
                       .arg(qs(writeHand(result.hand)), qs(situationText(conditions)));

    text += result.readings == 1
                ? QStringLiteral("The reading (the only one):\n")
                : QStringLiteral("The reading (the best of %1 readings):\n").arg(result.readings);
    const QString winning = result.hand.winning ? qs(faceText(*result.hand.winning)) : QString();
    for (const Group& group : groupsOf(result.reading)) {
        QStringList notes;
        if (group.kind != QLatin1String("pair"))
            notes << QLatin1String(group.open ? "open" : "closed");
        if (group.declared)
            notes << QStringLiteral("declared");
        if (group.winning)
            notes << QStringLiteral("completed by the winning tile %1").arg(winning);
        QString line = QString(group.kind).leftJustified(5) + group.tiles;
        if (!notes.isEmpty())
            line = line.leftJustified(12) + notes.join(QStringLiteral(", "));
        text += QStringLiteral("  ") + line + QLatin1Char('\n');
    }

    text += QStringLiteral("\nTicked on the sheet:\n");
    QStringList ticked;
    if (result.boxes[eastBox] == 1)
        ticked << QStringLiteral("Check when East");
    for (const SheetRow& row : handSheet) {
        if (row.effect == RowEffect::AddFlowers) {
            if (result.flowers != 0)
                ticked
                    << QStringLiteral("%1: %2").arg(QLatin1String(row.caption)).arg(result.flowers);
            continue;
        }
        const auto first = result.boxes.begin() + row.firstBox;
        const qsizetype count = std::count(first, first + row.boxCount, std::uint8_t{1});
        if (count != 0)
            ticked << QStringLiteral("%1: %2").arg(QLatin1String(row.caption),
                                                   plural(count, "box", "boxes"));
    }
    if (ticked.isEmpty())
        ticked << QStringLiteral("nothing");
    for (const QString& line : ticked)
        text += QStringLiteral("  ") + line + QLatin1Char('\n');

    text += QLatin1Char('\n');
    if (result.overflow) {
        text += QStringLiteral("Your hand is worth: more than the calculator can count\n");
        appendLines(text, result.countWorking);
        text += QStringLiteral("Zorvan! Points: none, the count overflowed\n");
    } else {
        text += QStringLiteral("Your hand is worth: %1\n").arg(result.count);
        appendLines(text, result.countWorking);
        text += QStringLiteral("Zorvan! Points: %1\n").arg(result.value);
        appendLines(text, result.valueWorking);
    }
    if (result.maximum) {
        text += QStringLiteral("Your FANS: the maximum (%1); the board counts %2\n")
                    .arg(QLatin1String(maximumBox(result.fanBoxes)))
                    .arg(result.fans);
    } else {
        text += QStringLiteral("Your FANS: %1\n").arg(result.fans);
    }
    appendLines(text, result.fanWorking);
    return text;
}

// The numbers of the boxes ticked or the tiles selected: each value of 1 whose number `counted`
// accepts, a value's number being its index plus `shift`.
template <class T, std::size_t N, class Counted>
QJsonArray numbersWhere(const std::array<T, N>& values, int shift, Counted counted)
{
    QJsonArray numbers;
    for (int i = 0; i < static_cast<int>(N); ++i) {
        if (counted(i + shift) && values[i] == 1)
            numbers.append(i + shift);
    }
    return numbers;
}

QJsonArray linesJson(const std::vector<Phrase>& lines)
{
    QJsonArray array;
    for (const Phrase& line : lines)
        array.append(qs(line));
    return array;
}

// Past the 32-bit range there is no count to give: null, with "overflow" true.
QJsonValue countJson(bool overflow, qint64 number)
{
    return overflow ? QJsonValue(QJsonValue::Null) : QJsonValue(number);
}

QJsonObject jsonResult(const HandResult& result, const Conditions& conditions)
{
    QJsonObject object;
    object[QStringLiteral("hand")] = qs(writeHand(result.hand));
    object[QStringLiteral("count")] = countJson(result.overflow, result.count);
    object[QStringLiteral("value")] = countJson(result.overflow, result.value);
    object[QStringLiteral("limit")] = conditions.tablelimit;
    object[QStringLiteral("fans")] = result.fans;
    object[QStringLiteral("maximum")] = result.maximum;
    object[QStringLiteral("overflow")] = result.overflow;
    // The sheet and the board number their boxes from 1 by index, the board its tiles from 1.
    object[QStringLiteral("boxes")] = numbersWhere(result.boxes, 0, isSheetBox);
    object[QStringLiteral("flowers")] = result.flowers;
    object[QStringLiteral("fanTiles")] = numbersWhere(result.fanTiles, 1, [](int) { return true; });
    object[QStringLiteral("fanBoxes")] =
        numbersWhere(result.fanBoxes, 0, [](int number) { return number >= 1; });
    object[QStringLiteral("readings")] = result.readings;
    QJsonArray reading;
    for (const Group& group : groupsOf(result.reading)) {
        reading.append(QJsonObject{{QStringLiteral("kind"), group.kind},
                                   {QStringLiteral("tiles"), group.tiles},
                                   {QStringLiteral("open"), group.open},
                                   {QStringLiteral("declared"), group.declared},
                                   {QStringLiteral("winning"), group.winning}});
    }
    object[QStringLiteral("reading")] = reading;
    object[QStringLiteral("working")] =
        QJsonObject{{QStringLiteral("count"), linesJson(result.countWorking)},
                    {QStringLiteral("value"), linesJson(result.valueWorking)},
                    {QStringLiteral("fans"), linesJson(result.fanWorking)}};
    return object;
}

QJsonObject worthJson(const Worth& worth)
{
    return QJsonObject{{QStringLiteral("count"), countJson(worth.overflow, worth.count)},
                       {QStringLiteral("value"), countJson(worth.overflow, worth.value)},
                       {QStringLiteral("fans"), worth.fans},
                       {QStringLiteral("maximum"), worth.maximum},
                       {QStringLiteral("overflow"), worth.overflow}};
}

QJsonObject jsonWaits(const WaitsResult& result)
{
    QJsonArray waits;
    for (const Wait& wait : result.waits) {
        waits.append(QJsonObject{{QStringLiteral("tile"), qs(faceText(wait.face))},
                                 {QStringLiteral("discard"), worthJson(wait.discard)},
                                 {QStringLiteral("selfDrawn"), worthJson(wait.selfDrawn)}});
    }
    return QJsonObject{{QStringLiteral("ready"), result.ready()}, {QStringLiteral("waits"), waits}};
}

QString worthText(const Worth& worth)
{
    const QString fans = worth.maximum ? QStringLiteral("fans %1 (maximum)").arg(worth.fans)
                                       : QStringLiteral("fans %1").arg(worth.fans);
    if (worth.overflow)
        return QStringLiteral("count overflows, ") + fans;
    return QStringLiteral("count %1, value %2, ").arg(worth.count).arg(worth.value) + fans;
}

// Best first: the higher value on a discard, then self-picked, then the counts the same way;
// an overflowing count beats every other. Equal wins keep the tile order.
std::vector<Wait> bestFirst(std::vector<Wait> waits)
{
    const auto rank = [](const Wait& wait) {
        const auto value = [](const Worth& w) { return w.overflow ? 0 : w.value; };
        const auto count = [](const Worth& w) { return w.overflow ? 0 : w.count; };
        return std::tuple(wait.discard.overflow, value(wait.discard), wait.selfDrawn.overflow,
                          value(wait.selfDrawn), count(wait.discard), count(wait.selfDrawn));
    };
    std::stable_sort(waits.begin(), waits.end(),
                     [&rank](const Wait& a, const Wait& b) { return rank(a) > rank(b); });
    return waits;
}

QString plainWaits(const WaitsResult& result)
{
    if (!result.ready())
        return QStringLiteral("not ready\n");
    struct Line {
        QString tile, name, discard, selfDrawn;
    };
    std::vector<Line> lines;
    qsizetype nameWidth = 0;
    qsizetype discardWidth = 0;
    for (const Wait& wait : bestFirst(result.waits)) {
        Line line{qs(faceText(wait.face)), qs(spokenFace(wait.face)),
                  QStringLiteral("on a discard: ") + worthText(wait.discard),
                  QStringLiteral("self-picked: ") + worthText(wait.selfDrawn)};
        nameWidth = std::max(nameWidth, line.name.size());
        discardWidth = std::max(discardWidth, line.discard.size());
        lines.push_back(line);
    }
    QString text;
    for (const Line& line : lines) {
        text += QStringLiteral("%1  %2  %3  %4\n")
                    .arg(line.tile, -2)
                    .arg(line.name, -int(nameWidth))
                    .arg(line.discard, -int(discardWidth))
                    .arg(line.selfDrawn);
    }
    return text;
}

QString jsonText(const QJsonObject& object)
{
    // One line, for programs; people read the plain output.
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) +
           QLatin1Char('\n');
}

// The command line that scores the dealt hand again, ready to paste into a shell.
QString scoringCommand(const Hand& hand, const Conditions& conditions)
{
    QStringList words{programName, QStringLiteral("--seat"),
                      QLatin1String(windName(conditions.seat)).left(1), QStringLiteral("--round"),
                      QLatin1String(windName(conditions.round)).left(1)};
    const std::array<std::pair<bool, const char*>, 5> switches{{
        {conditions.selfDrawn, "--self-drawn"},
        {conditions.lastTile, "--last-tile"},
        {conditions.supplement, "--supplement"},
        {conditions.robbingKong, "--robbing-kong"},
        {conditions.noFaTable, "--no-fa-table"},
    }};
    for (const auto& [set, option] : switches) {
        if (set)
            words << QLatin1String(option);
    }
    if (conditions.tablelimit != Conditions{}.tablelimit)
        words << QStringLiteral("--limit") << QString::number(conditions.tablelimit);
    // The notation holds no single quote, so single quotes keep it whole.
    words << QLatin1Char('\'') + qs(writeHand(hand)) + QLatin1Char('\'');
    return words.join(QLatin1Char(' '));
}

QString dealText(const Deal& dealt, const HandResult& result, const Conditions& conditions,
                 bool json)
{
    if (json) {
        QJsonObject object = jsonResult(result, conditions);
        object[QStringLiteral("seed")] = static_cast<qint64>(dealt.seed);
        object[QStringLiteral("level")] = static_cast<int>(dealt.level);
        object[QStringLiteral("seat")] = QLatin1String(windName(conditions.seat));
        object[QStringLiteral("round")] = QLatin1String(windName(conditions.round));
        object[QStringLiteral("selfDrawn")] = conditions.selfDrawn;
        object[QStringLiteral("lastTile")] = conditions.lastTile;
        object[QStringLiteral("supplement")] = conditions.supplement;
        object[QStringLiteral("robbingKong")] = conditions.robbingKong;
        object[QStringLiteral("noFaTable")] = conditions.noFaTable;
        return jsonText(object);
    }
    return QStringLiteral("%1\nDealt with --level %2 --seed %3\n\n")
               .arg(scoringCommand(dealt.hand, conditions))
               .arg(static_cast<int>(dealt.level))
               .arg(dealt.seed) +
           plainResult(result, conditions);
}

// Whether a command line that could not be read asked for JSON all the same.
bool asksForJson(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--"))
            return false;
        if (argument == QLatin1String("--json") || argument == QLatin1String("-json"))
            return true;
    }
    return false;
}

} // namespace

QString zorvanHandUsage()
{
    const QString usage = QStringLiteral(
        "Usage: zorvan-hand [options] HAND\n"
        "       zorvan-hand --waits [options] HAND\n"
        "       zorvan-hand --deal [--level 1|2|3] [--seed N] [--limit N] [--json]\n"
        "\n"
        "Scores a finished Mah-Jongg hand written in tiles: the calculator's count, its value\n"
        "in Zorvan! Points and the fan counter's fans, with the working of each. With --waits,\n"
        "lists the tiles a waiting hand of 13 tiles goes out on, each scored on a discard and\n"
        "self-picked, best first. With --deal, deals a random winning hand and scores it,\n"
        "after the command line that scores the same hand again.\n"
        "\n"
        "Options:\n"
        "  --seat WIND      the seat wind: E, S, W or N (or East, South, West, North, in any\n"
        "                   case); East when not given\n"
        "  --round WIND     the prevailing wind, as --seat; East when not given\n"
        "  --limit N        the table limit, a whole number from 1 to 65536; %1 when not given\n"
        "  --self-drawn     won by self-pick (else on a discard); not needed with --waits\n"
        "  --last-tile      going out on the last tile\n"
        "  --supplement     going out on a supplementary tile\n"
        "  --robbing-kong   going out by robbing a kong\n"
        "  --no-fa-table    playing a NO FA table\n"
        "  --json           print one JSON object instead of text\n"
        "  --waits          list the winning tiles of a waiting hand\n"
        "  --deal           deal a winning hand with its winds and conditions, and score it\n"
        "  --level L        what the dealt hand asks of the counter: 1 sets and pair only\n"
        "                   (nothing that doubles), 2 with doubles (no flowers, no limit\n"
        "                   hand), 3 everything; 3 when not given\n"
        "  --seed N         deal the hand of seed N, a whole number from 0 to %2; taken\n"
        "                   from the clock (and printed) when not given\n"
        "  -h, --help       print this help\n"
        "With --deal the winds and the conditions are the deal's, so --seat, --round and the\n"
        "condition switches are refused beside it; --limit and --json work as with a hand.\n"
        "\n"
        "The hand (quotes keep a shell from reading [ ] and ( ) itself):\n"
        "  123m 55p 9s      characters (m), dots (p) and bamboo (s): digits, then the suit\n"
        "  1z .. 7z         East, South, West, North wind, White, Green, Red dragon\n"
        "  1f .. 4f, 1y .. 4y   flowers and seasons; n belongs to seat wind n\n"
        "  [456m] [9999s]   an exposed chow, pong or kong\n"
        "  (1111p)          a concealed kong\n"
        "  +5p              the winning tile, exactly one (none with --waits)\n"
        "The other tiles are the concealed part, in any order and grouping. A finished hand\n"
        "is 4 sets and a pair; a waiting hand is one tile short of that.\n"
        "\n"
        "Exit status: 0 when the hand was scored, 2 when the hand or an option cannot be read\n"
        "(one sentence on standard error; with --json {\"error\": \"...\"} on standard output).\n"
        "\n"
        "Examples:\n"
        "  zorvan-hand \"123m 456p 789s 234s 5z +5z\"\n"
        "  zorvan-hand --seat S --self-drawn --json \"222m 888p 777z 9s [111z] 1f 3y +9s\"\n"
        "  zorvan-hand --waits \"[123m] [456p] [789s] 22z 55z\"\n"
        "  zorvan-hand --deal --level 2 --seed 42\n");
    return usage.arg(Conditions{}.tablelimit).arg(maxSeed);
}

int runZorvanHand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const ParsedRequest parsed = parseArguments(arguments);
    const Request& request = parsed.request;
    // A refused command line may still have asked for JSON; the answer keeps to that.
    const bool json = parsed.error.isEmpty() ? request.json : asksForJson(arguments);

    QString error = parsed.error;
    QString text;
    if (error.isEmpty()) {
        const std::string hand = request.hand.toStdString();
        if (request.help) {
            text = zorvanHandUsage();
        } else if (request.deal) {
            const Deal dealt = deal(request.level, request.seed.value_or(clockSeed()));
            Conditions conditions = dealt.conditions;
            conditions.tablelimit = request.conditions.tablelimit;
            const HandResult result = scoreHand(dealt.hand, conditions);
            error = qs(result.error);
            if (error.isEmpty())
                text = dealText(dealt, result, conditions, json);
        } else if (request.waits) {
            const WaitsResult result = findWaits(hand, request.conditions);
            error = qs(result.error);
            if (error.isEmpty())
                text = json ? jsonText(jsonWaits(result)) : plainWaits(result);
        } else {
            const HandResult result = readHand(hand, request.conditions);
            error = qs(result.error);
            if (error.isEmpty())
                text = json ? jsonText(jsonResult(result, request.conditions))
                            : plainResult(result, request.conditions);
        }
    }

    if (!error.isEmpty()) {
        if (json)
            out << jsonText(QJsonObject{{QStringLiteral("error"), error}});
        else
            err << programName << QStringLiteral(": ") << error << QLatin1Char('\n');
        out.flush();
        err.flush();
        return exitBadInput;
    }
    out << text;
    out.flush();
    return exitSuccess;
}

} // namespace hand
