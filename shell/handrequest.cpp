#include "handrequest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include "calculatorwindow.h"
#include "handlink.h"
#include "messages.h"
#include "shell.h"
#include "translated.h"
#include "windownames.h"

namespace {

QString say(const char* text)
{
    return translated("HandRequest", text);
}

ReadHandRequest refused(const QString& sentence)
{
    return {std::nullopt, sentence};
}

// The hand window's boxes for the conditions, by name.
struct Switch {
    const char* box;
    bool hand::Conditions::*condition;
};
constexpr Switch switches[] = {
    {"SelfDrawn", &hand::Conditions::selfDrawn},
    {"LastTile", &hand::Conditions::lastTile},
    {"SupplementTile", &hand::Conditions::supplement},
    {"RobbingKong", &hand::Conditions::robbingKong},
    {"NoFaTable", &hand::Conditions::noFaTable},
};

} // namespace

ReadHandRequest readHandArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption handOption(QStringLiteral("hand"), QString(), QStringLiteral("hand"));
    const QCommandLineOption seat(QStringLiteral("seat"), QString(), QStringLiteral("wind"));
    const QCommandLineOption round(QStringLiteral("round"), QString(), QStringLiteral("wind"));
    const QCommandLineOption limit(QStringLiteral("limit"), QString(), QStringLiteral("number"));
    const QCommandLineOption selfDrawn(QStringLiteral("self-drawn"));
    const QCommandLineOption lastTile(QStringLiteral("last-tile"));
    const QCommandLineOption supplement(QStringLiteral("supplement"));
    const QCommandLineOption robbingKong(QStringLiteral("robbing-kong"));
    const QCommandLineOption noFaTable(QStringLiteral("no-fa-table"));
    parser.addOptions(
        {handOption, seat, round, limit, selfDrawn, lastTile, supplement, robbingKong, noFaTable});
    if (!parser.parse(QStringList{QStringLiteral("zorvan-calculator")} + arguments))
        return refused(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refused(say(QT_TRANSLATE_NOOP("HandRequest", "%1 is not an option: give the hand "
                                                            "as --hand \"HAND\""))
                           .arg(parser.positionalArguments().first()));
    for (const QCommandLineOption* option : {&handOption, &seat, &round, &limit}) {
        if (parser.values(*option).size() > 1)
            return refused(
                say(QT_TRANSLATE_NOOP("HandRequest", "the option --%1 is given more than once"))
                    .arg(option->names().first()));
    }
    if (!parser.isSet(handOption)) {
        if (parser.optionNames().isEmpty())
            return {};
        return refused(
            say(QT_TRANSLATE_NOOP("HandRequest", "the option --%1 is only read with --hand"))
                .arg(parser.optionNames().first()));
    }

    HandRequest request;
    request.hand = parser.value(handOption).toStdString();
    hand::Conditions& conditions = request.conditions;
    if (parser.isSet(seat)) {
        const std::string text = parser.value(seat).toStdString();
        const auto wind = hand::readWindName(text);
        if (!wind)
            return refused(translated(hand::badSeatWind(text)));
        conditions.seat = *wind;
    }
    if (parser.isSet(round)) {
        const std::string text = parser.value(round).toStdString();
        const auto wind = hand::readWindName(text);
        if (!wind)
            return refused(translated(hand::badRoundWind(text)));
        conditions.round = *wind;
    }
    if (parser.isSet(limit)) {
        const std::string text = parser.value(limit).toStdString();
        const auto value = hand::readTableLimit(text);
        if (!value)
            return refused(translated(hand::badTableLimit(text)));
        conditions.tablelimit = *value;
        request.limitGiven = true;
    }
    conditions.selfDrawn = parser.isSet(selfDrawn);
    conditions.lastTile = parser.isSet(lastTile);
    conditions.supplement = parser.isSet(supplement);
    conditions.robbingKong = parser.isSet(robbingKong);
    conditions.noFaTable = parser.isSet(noFaTable);
    return {request, {}};
}

ReadHandRequest readHandLinkRequest(std::string_view link)
{
    const std::size_t hash = link.find('#');
    if (hash == std::string_view::npos || link.find("hand=", hash) == std::string_view::npos)
        return {};
    const hand::HandLink read = hand::readHandLink(link);
    if (!read.error.empty())
        return refused(translated(read.error));
    return {HandRequest{read.hand, read.conditions, read.limitGiven}, {}};
}

void openRequestedHand(Shell& shell, CalculatorWindow* calculator, const ReadHandRequest& read)
{
    if (!read.request && read.error.isEmpty())
        return;
    // A message box waits in an event loop of its own, which wants the program's running.
    QTimer::singleShot(
        0, &shell, [&shell, calculator = QPointer<CalculatorWindow>(calculator), read] {
            runEventHandler([&] {
                if (!read.request) {
                    showMessage(say(QT_TRANSLATE_NOOP("HandRequest", "The hand was not opened: %1"))
                                    .arg(read.error),
                                ExclamationIcon);
                    return;
                }
                const HandRequest& request = *read.request;
                // The hand window counts under the calculator's table limit.
                if (request.limitGiven && calculator) {
                    if (auto* limit = calculator->findChild<QLineEdit*>(QStringLiteral("Text1")))
                        limit->setText(QString::number(request.conditions.tablelimit));
                }
                QWidget* window = shell.windows().open(QLatin1String(windowname::handWindow));
                window->findChild<QComboBox*>(QStringLiteral("SeatWind"))
                    ->setCurrentIndex(static_cast<int>(request.conditions.seat));
                window->findChild<QComboBox*>(QStringLiteral("RoundWind"))
                    ->setCurrentIndex(static_cast<int>(request.conditions.round));
                for (const Switch& each : switches)
                    window->findChild<QCheckBox*>(QLatin1String(each.box))
                        ->setChecked(request.conditions.*each.condition);
                window->findChild<QLineEdit*>(QStringLiteral("HandText"))
                    ->setText(QString::fromStdString(request.hand));
            });
        });
}
