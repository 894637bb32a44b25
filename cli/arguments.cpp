#include "arguments.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include <QCommandLineParser>

#include "tilenames.h"

namespace cli {

namespace {

const QString exampleHand = QStringLiteral("123m 456p 789s 234s 5z +5z");

Arguments refused(const QString& sentence)
{
    Arguments refusal;
    refusal.error = sentence;
    return refusal;
}

// An echoed argument is cut short, so that a refusal stays one readable line.
QString echoed(const QString& text)
{
    constexpr int shown = 24;
    const QString cut = text.size() > shown ? text.left(shown) + QStringLiteral("...") : text;
    return QLatin1Char('"') + cut + QLatin1Char('"');
}

// E, S, W, N or the whole name, in any case.
std::optional<hand::Wind> readWind(const QString& text)
{
    for (const hand::Wind wind :
         {hand::Wind::East, hand::Wind::South, hand::Wind::West, hand::Wind::North}) {
        const QLatin1String name(hand::windName(wind));
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

} // namespace

Arguments readArguments(const QStringList& arguments)
{
    const QString programName = QLatin1String(report::programName);
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
    const QCommandLineOption discards(QStringLiteral("discards"));
    const QCommandLineOption deal(QStringLiteral("deal"));
    const QCommandLineOption level(QStringLiteral("level"), QString(), QStringLiteral("level"));
    const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("number"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({seat, round, limit, selfDrawn, lastTile, supplement, robbingKong, noFaTable,
                       json, waits, discards, deal, level, seed, help});

    if (!parser.parse(QStringList{programName} + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return refused(QStringLiteral("unknown option %1 (%2 --help lists the options)")
                               .arg(echoed(dashed(unknown.first())), programName));
        // A value missing after --limit, or one given to a switch: Qt says which.
        QString sentence = parser.errorText();
        if (sentence.endsWith(QLatin1Char('.')))
            sentence.chop(1);
        if (!sentence.isEmpty())
            sentence[0] = sentence[0].toLower();
        return refused(sentence);
    }

    Arguments read;
    read.help = parser.isSet(help);
    if (read.help)
        return read;
    report::Request& request = read.request;
    request.json = parser.isSet(json);
    request.task = parser.isSet(waits)      ? report::Task::Waits
                   : parser.isSet(discards) ? report::Task::Discards
                                            : report::Task::Score;

    for (const QCommandLineOption* option : {&seat, &round, &limit, &level, &seed}) {
        if (parser.values(*option).size() > 1)
            return refused(QStringLiteral("the option --%1 is given more than once")
                               .arg(option->names().first()));
    }
    hand::Conditions& conditions = request.conditions;
    if (parser.isSet(seat)) {
        const std::optional<hand::Wind> wind = readWind(parser.value(seat));
        if (!wind)
            return refused(QStringLiteral("the seat wind must be E, S, W or N, not %1")
                               .arg(echoed(parser.value(seat))));
        conditions.seat = *wind;
    }
    if (parser.isSet(round)) {
        const std::optional<hand::Wind> wind = readWind(parser.value(round));
        if (!wind)
            return refused(QStringLiteral("the prevailing wind must be E, S, W or N, not %1")
                               .arg(echoed(parser.value(round))));
        conditions.round = *wind;
    }
    if (parser.isSet(limit)) {
        const std::optional<std::uint64_t> value =
            readWhole(parser.value(limit), report::lowestLimit, report::highestLimit);
        if (!value)
            return refused(
                QString::fromLatin1(report::limitRefusal).arg(echoed(parser.value(limit))));
        conditions.tablelimit = static_cast<std::int32_t>(*value);
    }
    if (parser.isSet(waits) && parser.isSet(discards))
        return refused(QStringLiteral("the options --waits and --discards cannot be given "
                                      "together: --discards shows the waits of each waiting "
                                      "throw"));
    // With --waits and --discards a win is shown both ways, so --self-drawn changes nothing there.
    conditions.selfDrawn = parser.isSet(selfDrawn);
    conditions.lastTile = parser.isSet(lastTile);
    conditions.supplement = parser.isSet(supplement);
    conditions.robbingKong = parser.isSet(robbingKong);
    conditions.noFaTable = parser.isSet(noFaTable);

    const QStringList hands = parser.positionalArguments();
    if (!parser.isSet(deal)) {
        for (const QCommandLineOption* option : {&level, &seed}) {
            if (parser.isSet(*option))
                return refused(QStringLiteral("the option --%1 is only read with --deal")
                                   .arg(option->names().first()));
        }
        if (hands.isEmpty())
            return refused(QStringLiteral("no hand given: write its tiles, as in %1 \"%2\"")
                               .arg(programName, exampleHand));
        // Groups are separated by blanks anyway, so a hand typed without quotes reads the same.
        request.hand = hands.join(QLatin1Char(' ')).toStdString();
        return read;
    }

    request.task = report::Task::Deal;
    // The deal draws the hand and its conditions; only the table limit is the caller's.
    for (const QCommandLineOption* option : {&seat, &round, &selfDrawn, &lastTile, &supplement,
                                             &robbingKong, &noFaTable, &waits, &discards}) {
        if (parser.isSet(*option))
            return refused(QStringLiteral("the option --%1 cannot be given with --deal, "
                                          "which draws the conditions with the hand")
                               .arg(option->names().first()));
    }
    if (!hands.isEmpty())
        return refused(QStringLiteral("--deal takes no hand, it deals one: %1 is one too many")
                           .arg(echoed(hands.join(QLatin1Char(' ')))));
    if (parser.isSet(level)) {
        const std::optional<std::uint64_t> value =
            readWhole(parser.value(level), static_cast<int>(hand::DealLevel::SetsAndPair),
                      static_cast<int>(hand::DealLevel::Everything));
        if (!value)
            return refused(
                QString::fromLatin1(report::levelRefusal).arg(echoed(parser.value(level))));
        request.level = static_cast<hand::DealLevel>(*value);
    }
    if (!parser.isSet(seed)) {
        request.seed = hand::clockSeed();
        return read;
    }
    const std::optional<std::uint64_t> value = readWhole(parser.value(seed), 0, hand::maxSeed);
    if (!value)
        return refused(QString::fromLatin1(report::seedRefusal)
                           .arg(hand::maxSeed)
                           .arg(echoed(parser.value(seed))));
    request.seed = *value;
    return read;
}

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

} // namespace cli
