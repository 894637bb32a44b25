#include "dialogdesign.h"

#include "phrase.h"
#include "windownames.h"

namespace {

// Credits. The makers are invented.
constexpr const char* creditsText =
    QT_TRANSLATE_NOOP("InfoDialog", "This calculator was made by:\n"
                                    "    Zephyra, aka \"Red Dragon\"\n"
                                    "and\n"
                                    "    Quillon, aka \"Bamboo Wind\"\n");

// Appreciation. The address is invented and belongs to nobody.
constexpr const char* appreciationText =
    QT_TRANSLATE_NOOP("InfoDialog", "Thanks for using our calculator!\n"
                                    "If you like it, send us a postcard,\n"
                                    "preferably of your town or\n"
                                    "country to:\n"
                                    "    Zephyra & Quillon\n"
                                    "    1 Nowhere Lane\n"
                                    "    Fictionville, Noland\n");

constexpr const char* historyText = QT_TRANSLATE_NOOP(
    "InfoDialog",

    "It all began at a kitchen table where we played our first games of\n"
    "Mah-Jongg with a borrowed set and a rule book nobody fully understood.\n"
    "Later we moved to the online tables of Zorvan, where we play most nights.\n"
    "Online, a close game ends with a hand that has to be counted there and then,\n"
    "and more than once the whole table sat waiting while somebody added it up.\n"
    "We did not want to call in a friend or an expert every time that happened,\n"
    "so we wrote a small program to count the Zorvan! Points of a hand.\n"
    "That first calculator was plain, but it counted right and it was quick.\n"
    "We shared it with the players at our tables, and they sent us remarks:\n"
    "what was missing, what was unclear, where they counted differently.\n"
    "Much of that found its way into this program.\n"
    "This second version adds the fan counter: click the tiles and conditions\n"
    "of your hand, and it shows how many fans the hand is worth.\n"
    "With it you can check your fans before declaring them,\n"
    "and newcomers can learn fan counting while they play.\n"
    "We hope you enjoy the game as much as we do!\n");

// The glossary and the fan rules are shown exactly as written, trailing blanks and all.
constexpr const char* glossaryText = QT_TRANSLATE_NOOP(
    "InfoDialog",

    "Chow: Sequential run of 3 tiles in the same suit \n"
    "Honors: Dragons and Winds \n"
    "KFC: Kentucky Fried Chicken (anything you like... no rules!!!)\n"
    "Last Tile: Tile # 14\n"
    "Pong/Kong: 3/4 of the same tile \n"
    "Prevailing Wind: Current prevailing wind shown on the upper left hand of the screen.\n"
    "Seat Wind: Current wind of your seat, shown by your name.\n"
    "Semi Pure: All one suit with dragons or winds\n"
    "Pure: All One Suit\n"
    "Self Pick: Draw winning tile from the wall\n"
    "Steal a Kong: Someone kongs a tile and you can mah jongg with this tile\n"
    "Supplemental Self Pick: Drawing any flower/season or melding a kong and the next tile "
    "drawn is mj for you \n"
    "Terminals : One's and Nine's \n");

constexpr const char* fanRulesText =
    QT_TRANSLATE_NOOP("InfoDialog",

                      "Semi Pure = 3 Fans     These are what we call standard 3 fans\n"
                      "4 Pongs/Kong and a pair = 3 Fans  These are what we call standard 3 fans\n"
                      "\n"
                      "Flower/Season Kong = 1 fan\n"
                      "Going out on Supplemental tile = 1 Fans \n"
                      "All Terminals and Honors = 1 Fan\n"
                      "4 Chows = 1 Fan\n"
                      "Pong/Kong Dragon = 1 Fan\n"
                      "Pong/Kong Prevailing Wind = 1 Fan\n"
                      "Pong/Kong Seat Wind = 1 Fan\n"
                      "Self Pick = 1 Fan\n"
                      "No Flowers and Seasons = 1 Fan\n"
                      "Seat Flower or Season = 1 Fan\n"
                      "Steal a Kong = 1 Fan\n"
                      "Last Tile = 1 Fan \n"
                      "\n"
                      "Pure = 6 Fans\n"
                      "All Honors = Maximum Fan\n"
                      "All Terminals = Maximum Fan\n"
                      " \n"
                      "All Fans Are Added Together!!!\n");

} // namespace

// clang-format off
const std::array<DialogDesign, 5> dialogDesigns{{
    // name     caption        client       Text1 left, top, width, height   read-only  text
    {windowname::credits,       QT_TRANSLATE_NOOP("InfoDialog", "Who made it"),    3120, 1635, 120, 120, 2775, 1335, true, creditsText},
    {windowname::appreciation,  QT_TRANSLATE_NOOP("InfoDialog", "Thank us"),       3315, 2280, 240, 240, 2775, 1815, true, appreciationText},
    {windowname::history,       QT_TRANSLATE_NOOP("InfoDialog", "Why ?"),          8730, 3855, 120, 120, 8415, 3495, true, historyText},
    {windowname::glossary,      QT_TRANSLATE_NOOP("InfoDialog", "Defenitions"),    6450, 3210, 120, 120, 6135, 2895, true, glossaryText},
    {windowname::fanRules,      QT_TRANSLATE_NOOP("InfoDialog", "FanCounting"),    5850, 4560, 120, 120, 5535, 4215, false, fanRulesText},
}};
// clang-format on
