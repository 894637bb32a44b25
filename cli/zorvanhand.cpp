#include "zorvanhand.h"

#include <string>

#include <QTextStream>

#include "arguments.h"
#include "report.h"

namespace cli {

namespace {

// UTF-8, but a lone surrogate (an argument cut short in the middle of a pair) as its own three
// bytes, which the JSON writer escapes as \uXXXX the way Qt writes it.
std::string utf8(const QString& text)
{
    std::string bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (code < 0x80) {
            bytes += char(code);
        } else if (code < 0x800) {
            bytes += char(0xc0 | code >> 6);
            bytes += char(0x80 | (code & 0x3f));
        } else if (code < 0x10000) {
            bytes += char(0xe0 | code >> 12);
            bytes += char(0x80 | (code >> 6 & 0x3f));
            bytes += char(0x80 | (code & 0x3f));
        } else {
            bytes += char(0xf0 | code >> 18);
            bytes += char(0x80 | (code >> 12 & 0x3f));
            bytes += char(0x80 | (code >> 6 & 0x3f));
            bytes += char(0x80 | (code & 0x3f));
        }
    }
    return bytes;
}

} // namespace

QString zorvanHandUsage()
{
    const QString usage = QStringLiteral(
        "Usage: zorvan-hand [options] HAND\n"
        "       zorvan-hand --waits [options] HAND\n"
        "       zorvan-hand --discards [options] HAND\n"
        "       zorvan-hand --deal [--level 1|2|3] [--seed N] [--limit N] [--json]\n"
        "\n"
        "Scores a finished Mah-Jongg hand written in tiles: the calculator's count, its value\n"
        "in Zorvan! Points and the fan counter's fans, with the working of each. With --waits,\n"
        "lists the tiles a waiting hand of 13 tiles goes out on, each scored on a discard and\n"
        "self-picked, best first. With --discards, lists what to throw from a hand of 14\n"
        "tiles, best first: how many tiles each throw leaves the hand from waiting, the draws\n"
        "that bring it closer with the copies of each left, and for a waiting hand its best\n"
        "wait. With --deal, deals a random winning hand and scores it, after the command line\n"
        "that scores the same hand again.\n"
        "\n"
        "Options:\n"
        "  --seat WIND      the seat wind: E, S, W or N (or East, South, West, North, in any\n"
        "                   case); East when not given\n"
        "  --round WIND     the prevailing wind, as --seat; East when not given\n"
        "  --limit N        the table limit, a whole number from 1 to 65536; %1 when not given\n"
        "  --self-drawn     won by self-pick (else on a discard); not needed with --waits\n"
        "                   or --discards\n"
        "  --last-tile      going out on the last tile\n"
        "  --supplement     going out on a supplementary tile\n"
        "  --robbing-kong   going out by robbing a kong\n"
        "  --no-fa-table    playing a NO FA table\n"
        "  --json           print one JSON object instead of text\n"
        "  --waits          list the winning tiles of a waiting hand\n"
        "  --discards       list what to throw from a hand of 14 tiles (none of them +)\n"
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
        "  +5p              the winning tile, exactly one (none with --waits or --discards)\n"
        "The other tiles are the concealed part, in any order and grouping. A finished hand\n"
        "is 4 sets and a pair; a waiting hand is one tile short of that, a hand to throw from\n"
        "one tile over.\n"
        "\n"
        "Exit status: 0 when the hand was scored, 2 when the hand or an option cannot be read\n"
        "(one sentence on standard error; with --json {\"error\": \"...\"} on standard output).\n"
        "\n"
        "Examples:\n"
        "  zorvan-hand \"123m 456p 789s 234s 5z +5z\"\n"
        "  zorvan-hand --seat S --self-drawn --json \"222m 888p 777z 9s [111z] 1f 3y +9s\"\n"
        "  zorvan-hand --waits \"[123m] [456p] [789s] 22z 55z\"\n"
        "  zorvan-hand --discards \"[123m] [456p] 789s 22z 55z 1z\"\n"
        "  zorvan-hand --deal --level 2 --seed 42\n");
    return usage.arg(hand::Conditions{}.tablelimit).arg(hand::maxSeed);
}

int runZorvanHand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const Arguments read = readArguments(arguments);
    if (read.help) {
        out << zorvanHandUsage();
        out.flush();
        return exitSuccess;
    }
    // The command line's own refusal, or the report's answer.
    report::Answer answer;
    QString error = read.error;
    if (error.isEmpty()) {
        answer = report::answer(read.request);
        error = QString::fromStdString(answer.error);
    } else {
        answer.refused = true;
        // A refused command line may still have asked for JSON; the answer keeps to that.
        if (asksForJson(arguments)) {
            answer.out = report::errorJson(utf8(error));
            error.clear();
        }
    }
    out << QString::fromStdString(answer.out);
    if (!error.isEmpty())
        err << report::programName << ": " << error << '\n';
    out.flush();
    err.flush();
    return answer.refused ? exitBadInput : exitSuccess;
}

} // namespace cli
