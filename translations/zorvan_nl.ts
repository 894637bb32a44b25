<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>Table limit</source>
        <translation>Tafellimiet</translation>
    </message>
    <message>
        <source>Check when East</source>
        <translation>Vink aan bij Oost</translation>
    </message>
    <message>
        <source>Your hand is worth</source>
        <translation>Je hand telt</translation>
    </message>
    <message>
        <source>Clear ALL</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Clear all BUT table limit</source>
        <translation>Alles BEHALVE tafellimiet</translation>
    </message>
    <message>
        <source>%1, set %2 of %3</source>
        <translation>%1, set %2 van %3</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 van %3</translation>
    </message>
    <message>
        <source>If the honor pong/kong is a dragon/prevailing/seat wind also check the box closed pong/kong dragon/seat or prevailing wind (on the right side)!</source>
        <translation>Is de pung/kong van honneurs een draak of de ronde- of eigen wind, vink dan ook het vakje “dichte pung/kong draken” of “Dichte pung/kong ronde/eigen wind” aan (rechts)!</translation>
    </message>
    <message>
        <source>Hint on %1</source>
        <translation>Tip bij %1</translation>
    </message>
    <message>
        <source>One flower or season less</source>
        <translation>Eén bloem of seizoen minder</translation>
    </message>
    <message>
        <source>Flowers and seasons</source>
        <translation>Bloemen en seizoenen</translation>
    </message>
    <message>
        <source>One flower or season more</source>
        <translation>Eén bloem of seizoen meer</translation>
    </message>
    <message>
        <source>limit is toooooooo high</source>
        <translation>limiet is veeeeeeeel te hoog</translation>
    </message>
    <message>
        <source>You made a typo, mahjongaddict</source>
        <translation>Je hebt je vertikt, mahjongverslaafde</translation>
    </message>
    <message>
        <source>This does not aply when you have a pair of dragons or prevailing/seat winds !</source>
        <translation>Dit geldt niet als je een paar draken of ronde-/eigen winden hebt!</translation>
    </message>
</context>
<context>
    <name>FanBoard</name>
    <message>
        <source>East</source>
        <translation>Oost</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Zuid</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Noord</translation>
    </message>
    <message>
        <source>flower 1</source>
        <translation>bloem 1</translation>
    </message>
    <message>
        <source>flower 2</source>
        <translation>bloem 2</translation>
    </message>
    <message>
        <source>flower 3</source>
        <translation>bloem 3</translation>
    </message>
    <message>
        <source>flower 4</source>
        <translation>bloem 4</translation>
    </message>
    <message>
        <source>season 1</source>
        <translation>seizoen 1</translation>
    </message>
    <message>
        <source>season 2</source>
        <translation>seizoen 2</translation>
    </message>
    <message>
        <source>season 3</source>
        <translation>seizoen 3</translation>
    </message>
    <message>
        <source>season 4</source>
        <translation>seizoen 4</translation>
    </message>
    <message>
        <source>White dragon</source>
        <translation>Witte draak</translation>
    </message>
    <message>
        <source>Red dragon</source>
        <translation>Rode draak</translation>
    </message>
    <message>
        <source>Green dragon</source>
        <translation>Groene draak</translation>
    </message>
    <message>
        <source>Prevailing wind</source>
        <translation>Rondewind</translation>
    </message>
    <message>
        <source>Seat  wind</source>
        <translation>Eigen wind</translation>
    </message>
    <message>
        <source>Seat wind</source>
        <translation>Eigen wind</translation>
    </message>
    <message>
        <source>PONG/KONG</source>
        <translation>PUNG/KONG</translation>
    </message>
    <message>
        <source>Wind pong/kong</source>
        <translation>Pung/kong van een wind</translation>
    </message>
    <message>
        <source>FLOWERS</source>
        <translation>BLOEMEN</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Bloemen</translation>
    </message>
    <message>
        <source>SEASONS</source>
        <translation>SEIZOENEN</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Seizoenen</translation>
    </message>
    <message>
        <source>Dragon pong/kong</source>
        <translation>Pung/kong van een draak</translation>
    </message>
    <message>
        <source>All Pungs</source>
        <translation>Alle pungs</translation>
    </message>
    <message>
        <source>All Chows</source>
        <translation>Alle chows</translation>
    </message>
    <message>
        <source>Semi Pure</source>
        <translation>Half zuiver</translation>
    </message>
    <message>
        <source>Pure</source>
        <translation>Zuiver</translation>
    </message>
    <message>
        <source>All Terminals</source>
        <translation>Alleen 1 en 9</translation>
    </message>
    <message>
        <source>All Honors</source>
        <translation>Alle honneurs</translation>
    </message>
    <message>
        <source>Last tile</source>
        <translation>Laatste steen</translation>
    </message>
    <message>
        <source>Self Pick</source>
        <translation>Zelf gepakt</translation>
    </message>
    <message>
        <source>MJ on Suplement tile</source>
        <translation>MJ op vervangsteen</translation>
    </message>
    <message>
        <source>MJ on robbing kong</source>
        <translation>MJ door kongroof</translation>
    </message>
    <message>
        <source>Im playing a NO FA table</source>
        <translation>Ik speel zonder FA</translation>
    </message>
    <message>
        <source>%1: %2, selected</source>
        <translation>%1: %2, gekozen</translation>
    </message>
    <message>
        <source>%1: %2, not selected</source>
        <translation>%1: %2, niet gekozen</translation>
    </message>
</context>
<context>
    <name>FanCounterWindow</name>
    <message>
        <source>Your FANS</source>
        <translation>Je FANS</translation>
    </message>
    <message>
        <source>Your Hand Contains</source>
        <translation>Je hand bevat</translation>
    </message>
    <message>
        <source>You MJ with</source>
        <translation>Je maakt MJ met</translation>
    </message>
    <message>
        <source>CLEAR ALL</source>
        <translation>ALLES WISSEN</translation>
    </message>
    <message>
        <source>FanCounting</source>
        <translation>Fans tellen</translation>
    </message>
    <message>
        <source>Clear all tiles and conditions</source>
        <translation>Alle stenen en voorwaarden wissen</translation>
    </message>
    <message>
        <source>Hint on %1</source>
        <translation>Tip bij %1</translation>
    </message>
    <message>
        <source>Zorvan has no more fingers left to count your fans(YOUR MAXED OUT, WELL DONE)</source>
        <translation>Zorvan heeft geen vingers meer over om je fans te tellen (JE ZIT OP HET MAXIMUM, GOED GEDAAN)</translation>
    </message>
    <message>
        <source>This means you also should check the Self Pick checkbox!</source>
        <translation>Dan moet je ook het vakje Zelf gepakt aanvinken!</translation>
    </message>
</context>
<context>
    <name>Hand</name>
    <message>
        <source>Seat wind %1</source>
        <translation>Eigen wind %1</translation>
    </message>
    <message>
        <source>prevailing wind %1</source>
        <translation>rondewind %1</translation>
    </message>
    <message>
        <source>self-picked</source>
        <translation>zelf gepakt</translation>
    </message>
    <message>
        <source>won on a discard</source>
        <translation>gewonnen op een afgelegde steen</translation>
    </message>
    <message>
        <source>going out on the last tile</source>
        <translation>mahjong met de laatste steen</translation>
    </message>
    <message>
        <source>going out on a supplementary tile</source>
        <translation>mahjong met een vervangsteen</translation>
    </message>
    <message>
        <source>robbing a kong</source>
        <translation>een kong geroofd</translation>
    </message>
    <message>
        <source>playing a NO FA table</source>
        <translation>aan een tafel ZONDER FA</translation>
    </message>
    <message>
        <source>table limit %1</source>
        <translation>tafellimiet %1</translation>
    </message>
    <message>
        <source>1 tile more: a finished hand is 4 sets and a pair, 14 tiles with a kong counted as 3</source>
        <translation>nog 1 steen: een afgemaakte hand is 4 sets en een paar, 14 stenen met een kong als 3 geteld</translation>
    </message>
    <message>
        <source>%1 tiles more: a finished hand is 4 sets and a pair, 14 tiles with a kong counted as 3</source>
        <translation>nog %1 stenen: een afgemaakte hand is 4 sets en een paar, 14 stenen met een kong als 3 geteld</translation>
    </message>
    <message>
        <source>1 tile too many: a finished hand is 4 sets and a pair, 14 tiles with a kong counted as 3</source>
        <translation>1 steen te veel: een afgemaakte hand is 4 sets en een paar, 14 stenen met een kong als 3 geteld</translation>
    </message>
    <message>
        <source>%1 tiles too many: a finished hand is 4 sets and a pair, 14 tiles with a kong counted as 3</source>
        <translation>%1 stenen te veel: een afgemaakte hand is 4 sets en een paar, 14 stenen met een kong als 3 geteld</translation>
    </message>
    <message>
        <source>1 tile more: a waiting hand is 13 tiles, a kong counted as 3</source>
        <translation>nog 1 steen: een wachtende hand is 13 stenen, een kong als 3 geteld</translation>
    </message>
    <message>
        <source>%1 tiles more: a waiting hand is 13 tiles, a kong counted as 3</source>
        <translation>nog %1 stenen: een wachtende hand is 13 stenen, een kong als 3 geteld</translation>
    </message>
    <message>
        <source>1 tile too many: a waiting hand is 13 tiles, a kong counted as 3</source>
        <translation>1 steen te veel: een wachtende hand is 13 stenen, een kong als 3 geteld</translation>
    </message>
    <message>
        <source>%1 tiles too many: a waiting hand is 13 tiles, a kong counted as 3</source>
        <translation>%1 stenen te veel: een wachtende hand is 13 stenen, een kong als 3 geteld</translation>
    </message>
    <message>
        <source>not 4 sets and a pair: special hands such as seven pairs are not scored</source>
        <translation>geen 4 sets en een paar: speciale handen zoals zeven paren worden niet geteld</translation>
    </message>
    <message>
        <source>a wind is not East, South, West or North</source>
        <translation>een wind is niet Oost, Zuid, West of Noord</translation>
    </message>
    <message>
        <source>%1, exposed chow</source>
        <translation>%1, open chow</translation>
    </message>
    <message>
        <source>%1, concealed chow</source>
        <translation>%1, dichte chow</translation>
    </message>
    <message>
        <source>%1, exposed pong</source>
        <translation>%1, open pung</translation>
    </message>
    <message>
        <source>%1, concealed pong</source>
        <translation>%1, dichte pung</translation>
    </message>
    <message>
        <source>%1, exposed kong</source>
        <translation>%1, open kong</translation>
    </message>
    <message>
        <source>%1, concealed kong</source>
        <translation>%1, dichte kong</translation>
    </message>
    <message>
        <source>%1, winning tile, exposed chow</source>
        <translation>%1, winnende steen, open chow</translation>
    </message>
    <message>
        <source>%1, winning tile, concealed chow</source>
        <translation>%1, winnende steen, dichte chow</translation>
    </message>
    <message>
        <source>%1, winning tile, exposed pong</source>
        <translation>%1, winnende steen, open pung</translation>
    </message>
    <message>
        <source>%1, winning tile, concealed pong</source>
        <translation>%1, winnende steen, dichte pung</translation>
    </message>
    <message>
        <source>%1, winning tile, exposed kong</source>
        <translation>%1, winnende steen, open kong</translation>
    </message>
    <message>
        <source>%1, winning tile, concealed kong</source>
        <translation>%1, winnende steen, dichte kong</translation>
    </message>
    <message>
        <source>%1, concealed</source>
        <translation>%1, dicht</translation>
    </message>
    <message>
        <source>%1, winning tile</source>
        <translation>%1, winnende steen</translation>
    </message>
    <message>
        <source>%1, winning tile, pair</source>
        <translation>%1, winnende steen, paar</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>Karakters %1</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>Cirkels %1</translation>
    </message>
    <message>
        <source>Bamboo %1</source>
        <translation>Bamboe %1</translation>
    </message>
    <message>
        <source>East wind</source>
        <translation>Oostenwind</translation>
    </message>
    <message>
        <source>South wind</source>
        <translation>Zuidenwind</translation>
    </message>
    <message>
        <source>West wind</source>
        <translation>Westenwind</translation>
    </message>
    <message>
        <source>North wind</source>
        <translation>Noordenwind</translation>
    </message>
    <message>
        <source>White dragon</source>
        <translation>Witte draak</translation>
    </message>
    <message>
        <source>Green dragon</source>
        <translation>Groene draak</translation>
    </message>
    <message>
        <source>Red dragon</source>
        <translation>Rode draak</translation>
    </message>
    <message>
        <source>unknown character %1</source>
        <translation>onbekend teken %1</translation>
    </message>
    <message>
        <source>unknown character (code %1)</source>
        <translation>onbekend teken (code %1)</translation>
    </message>
    <message>
        <source>%1 has no digits before it</source>
        <translation>er staan geen cijfers vóór %1</translation>
    </message>
    <message>
        <source>%1 is not a tile</source>
        <translation>%1 is geen steen</translation>
    </message>
    <message>
        <source>%1 has no suit letter: end it with m, p, s, z, f or y</source>
        <translation>aan %1 ontbreekt de kleurletter: sluit af met m, p, s, z, f of y</translation>
    </message>
    <message>
        <source>%1 is not a kong: ( ) holds a concealed kong</source>
        <translation>%1 is geen kong: tussen ( ) staat een dichte kong</translation>
    </message>
    <message>
        <source>%1 is not a chow, pong or kong</source>
        <translation>%1 is geen chow, pung of kong</translation>
    </message>
    <message>
        <source>Flower %1</source>
        <translation>Bloem %1</translation>
    </message>
    <message>
        <source>Season %1</source>
        <translation>Seizoen %1</translation>
    </message>
    <message>
        <source>the hand is longer than %1 characters</source>
        <translation>de hand is langer dan %1 tekens</translation>
    </message>
    <message>
        <source>character %1 is not ASCII: write tiles as 123m, 55p, 7z</source>
        <translation>teken %1 is geen ASCII: schrijf stenen als 123m, 55p, 7z</translation>
    </message>
    <message>
        <source>%1 is written twice: each flower and season is there once</source>
        <translation>%1 staat er twee keer: elke bloem en elk seizoen is er maar één keer</translation>
    </message>
    <message>
        <source>%1 without an opening %2</source>
        <translation>%1 zonder openend %2</translation>
    </message>
    <message>
        <source>%1 has no closing %2</source>
        <translation>bij %1 ontbreekt het sluitende %2</translation>
    </message>
    <message>
        <source>more than one winning tile: +%1 and +%2</source>
        <translation>meer dan één winnende steen: +%1 en +%2</translation>
    </message>
    <message>
        <source>a + without a tile: write the winning tile as +5p</source>
        <translation>een + zonder steen: schrijf de winnende steen als +5p</translation>
    </message>
    <message>
        <source>+%1: a flower or season is not a winning tile</source>
        <translation>+%1: een bloem of seizoen is geen winnende steen</translation>
    </message>
    <message>
        <source>+%1 is not one tile: write the winning tile as +5p</source>
        <translation>+%1 is niet één steen: schrijf de winnende steen als +5p</translation>
    </message>
    <message>
        <source>the hand is empty</source>
        <translation>de hand is leeg</translation>
    </message>
    <message>
        <source>%1 declared sets: a hand has at most 4</source>
        <translation>%1 gemelde sets: een hand heeft er hoogstens 4</translation>
    </message>
    <message>
        <source>a declared set is not a chow, pong or kong</source>
        <translation>een gemelde set is geen chow, pung of kong</translation>
    </message>
    <message>
        <source>a concealed declared set must be a kong</source>
        <translation>een dichte gemelde set moet een kong zijn</translation>
    </message>
    <message>
        <source>the winning tile is not a tile</source>
        <translation>de winnende steen is geen steen</translation>
    </message>
    <message>
        <source>%1 tiles of %2</source>
        <translation>%1 stenen %2</translation>
    </message>
    <message>
        <source>no winning tile: write it as +tile</source>
        <translation>geen winnende steen: schrijf hem als +steen</translation>
    </message>
    <message>
        <source>a waiting hand has no winning tile: leave out +%1</source>
        <translation>een wachtende hand heeft geen winnende steen: laat +%1 weg</translation>
    </message>
    <message>
        <source>1 tile more: a hand to throw from is 14 tiles, a kong counted as 3</source>
        <translation>nog 1 steen: een hand waaruit je weggooit is 14 stenen, een kong als 3 geteld</translation>
    </message>
    <message>
        <source>%1 tiles more: a hand to throw from is 14 tiles, a kong counted as 3</source>
        <translation>nog %1 stenen: een hand waaruit je weggooit is 14 stenen, een kong als 3 geteld</translation>
    </message>
    <message>
        <source>1 tile too many: a hand to throw from is 14 tiles, a kong counted as 3</source>
        <translation>1 steen te veel: een hand waaruit je weggooit is 14 stenen, een kong als 3 geteld</translation>
    </message>
    <message>
        <source>%1 tiles too many: a hand to throw from is 14 tiles, a kong counted as 3</source>
        <translation>%1 stenen te veel: een hand waaruit je weggooit is 14 stenen, een kong als 3 geteld</translation>
    </message>
    <message>
        <source>a hand to throw from has no winning tile: leave out +%1</source>
        <translation>een hand waaruit je weggooit heeft geen winnende steen: laat +%1 weg</translation>
    </message>
    <message>
        <source>%1: a flower or season is not part of a chow, pong or kong</source>
        <translation>%1: een bloem of seizoen hoort niet in een chow, pung of kong</translation>
    </message>
    <message>
        <source>%1 is in the hand already: each flower and season is there once</source>
        <translation>%1 zit al in de hand: elke bloem en elk seizoen is er maar één keer</translation>
    </message>
    <message>
        <source>no chow starts at %1: a chow is three tiles in a row of one suit</source>
        <translation>geen chow begint bij %1: een chow is drie opeenvolgende stenen van één kleur</translation>
    </message>
    <message>
        <source>no tile %1 to take out</source>
        <translation>geen steen %1 om weg te halen</translation>
    </message>
</context>
<context>
    <name>HandLink</name>
    <message>
        <source>the seat wind must be E, S, W or N, not %1</source>
        <translation>de eigen wind moet E, S, W of N zijn, niet %1</translation>
    </message>
    <message>
        <source>the prevailing wind must be E, S, W or N, not %1</source>
        <translation>de rondewind moet E, S, W of N zijn, niet %1</translation>
    </message>
    <message>
        <source>the table limit must be a whole number from 1 to 65536, not %1</source>
        <translation>de tafellimiet moet een geheel getal van 1 tot 65536 zijn, niet %1</translation>
    </message>
    <message>
        <source>the link&apos;s %1 is not written correctly: each % must be followed by two hexadecimal digits</source>
        <translation>%1 in de link is niet goed geschreven: na elke % moeten twee hexadecimale cijfers staan</translation>
    </message>
    <message>
        <source>the link gives %1 more than once</source>
        <translation>de link geeft %1 meer dan eens</translation>
    </message>
    <message>
        <source>the link&apos;s %1 must be 1 or 0, not %2</source>
        <translation>%1 in de link moet 1 of 0 zijn, niet %2</translation>
    </message>
    <message>
        <source>the link holds no hand: it begins #hand= and the hand&apos;s tiles</source>
        <translation>de link bevat geen hand: hij begint met #hand= en de stenen van de hand</translation>
    </message>
</context>
<context>
    <name>HandRequest</name>
    <message>
        <source>%1 is not an option: give the hand as --hand &quot;HAND&quot;</source>
        <translation>%1 is geen optie: geef de hand als --hand &quot;HAND&quot;</translation>
    </message>
    <message>
        <source>the option --%1 is given more than once</source>
        <translation>de optie --%1 is meer dan eens gegeven</translation>
    </message>
    <message>
        <source>the option --%1 is only read with --hand</source>
        <translation>de optie --%1 wordt alleen met --hand gelezen</translation>
    </message>
    <message>
        <source>The hand was not opened: %1</source>
        <translation>De hand is niet geopend: %1</translation>
    </message>
</context>
<context>
    <name>HandSheet</name>
    <message>
        <source>open pong 2-8</source>
        <translation>open pung 2-8</translation>
    </message>
    <message>
        <source>closed pong 2-8</source>
        <translation>dichte pung 2-8</translation>
    </message>
    <message>
        <source>open kong 2-8</source>
        <translation>open kong 2-8</translation>
    </message>
    <message>
        <source>closed kong 2-8</source>
        <translation>dichte kong 2-8</translation>
    </message>
    <message>
        <source>open pong 1 or 9</source>
        <translation>open pung 1 of 9</translation>
    </message>
    <message>
        <source>closed pong 1 or 9</source>
        <translation>dichte pung 1 of 9</translation>
    </message>
    <message>
        <source>open kong  1 or 9</source>
        <translation>open kong 1 of 9</translation>
    </message>
    <message>
        <source>closed kong 1 or 9</source>
        <translation>dichte kong 1 of 9</translation>
    </message>
    <message>
        <source>open pong honor</source>
        <translation>open pung honneur</translation>
    </message>
    <message>
        <source>closed pong honor</source>
        <translation>dichte pung honneur</translation>
    </message>
    <message>
        <source>open kong honor</source>
        <translation>open kong honneur</translation>
    </message>
    <message>
        <source>closed kong honor</source>
        <translation>dichte kong honneur</translation>
    </message>
    <message>
        <source>pair of dragons/prev./seatwind</source>
        <translation>paar draken/rondew./eigen wind</translation>
    </message>
    <message>
        <source>self pick to MJ</source>
        <translation>zelf gepakt voor MJ</translation>
    </message>
    <message>
        <source>winning with a one chance tile</source>
        <translation>winnen op de enige kans</translation>
    </message>
    <message>
        <source>all pongs</source>
        <translation>alle pungs</translation>
    </message>
    <message>
        <source>worthless hand</source>
        <translation>waardeloze hand</translation>
    </message>
    <message>
        <source>semi pure</source>
        <translation>half zuiver</translation>
    </message>
    <message>
        <source>pure</source>
        <translation>zuiver</translation>
    </message>
    <message>
        <source>all terminals and honors</source>
        <translation>alleen 1, 9 en honneurs</translation>
    </message>
    <message>
        <source>all terminals</source>
        <translation>alleen 1 en 9</translation>
    </message>
    <message>
        <source>all honors</source>
        <translation>alle honneurs</translation>
    </message>
    <message>
        <source>flowers and seasons</source>
        <translation>bloemen en seizoenen</translation>
    </message>
    <message>
        <source>FA from own seat</source>
        <translation>FA van eigen plaats</translation>
    </message>
    <message>
        <source>FA kong</source>
        <translation>FA-kong</translation>
    </message>
    <message>
        <source>closed pong/kong dragons</source>
        <translation>dichte pung/kong draken</translation>
    </message>
    <message>
        <source>Closed pong/kong prev/seat wind</source>
        <translation>Dichte pung/kong ronde/eigen wind</translation>
    </message>
    <message>
        <source>MJ on a PONG of dragons/prev /seat wind</source>
        <translation>MJ op een PUNG draken/ronde /eigen wind</translation>
    </message>
    <message>
        <source>Going out on last tile</source>
        <translation>Mahjong met de laatste steen</translation>
    </message>
    <message>
        <source>Going out on supplementary tile</source>
        <translation>Mahjong met een vervangsteen</translation>
    </message>
</context>
<context>
    <name>HandWindow</name>
    <message>
        <source>overflow</source>
        <translation>overloop</translation>
    </message>
    <message>
        <source>maximum fans</source>
        <translation>maximum fans</translation>
    </message>
    <message>
        <source>%1 fans</source>
        <translation>%1 fans</translation>
    </message>
    <message>
        <source>Self-picked: worth more than the calculator can count, %1</source>
        <translation>Zelf gepakt: meer waard dan de calculator kan tellen, %1</translation>
    </message>
    <message>
        <source>On a discard: worth more than the calculator can count, %1</source>
        <translation>Op een afgelegde steen: meer waard dan de calculator kan tellen, %1</translation>
    </message>
    <message>
        <source>Self-picked: count %1, %2 Zorvan! Points, %3</source>
        <translation>Zelf gepakt: telling %1, %2 Zorvan! Points, %3</translation>
    </message>
    <message>
        <source>On a discard: count %1, %2 Zorvan! Points, %3</source>
        <translation>Op een afgelegde steen: telling %1, %2 Zorvan! Points, %3</translation>
    </message>
    <message>
        <source>Needs a finished hand: 4 sets and a pair with its winning tile.</source>
        <translation>Vraagt een afgemaakte hand: 4 sets en een paar met de winnende steen.</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Steen</translation>
    </message>
    <message>
        <source>Chow</source>
        <translation>Chow</translation>
    </message>
    <message>
        <source>Pong</source>
        <translation>Pung</translation>
    </message>
    <message>
        <source>Kong</source>
        <translation>Kong</translation>
    </message>
    <message>
        <source>Concealed kong</source>
        <translation>Dichte kong</translation>
    </message>
    <message>
        <source>Winning tile</source>
        <translation>Winnende steen</translation>
    </message>
    <message>
        <source>Self-picked</source>
        <translation>Zelf gepakt</translation>
    </message>
    <message>
        <source>Supplement tile</source>
        <translation>Vervangsteen</translation>
    </message>
    <message>
        <source>Last tile</source>
        <translation>Laatste steen</translation>
    </message>
    <message>
        <source>Robbing a kong</source>
        <translation>Kong geroofd</translation>
    </message>
    <message>
        <source>NO FA table</source>
        <translation>Tafel ZONDER FA</translation>
    </message>
    <message>
        <source>Hand from tiles</source>
        <translation>Hand uit stenen</translation>
    </message>
    <message>
        <source>Hand in tiles</source>
        <translation>Hand in stenen</translation>
    </message>
    <message>
        <source>The hand in tiles: 123m 456p 789s 1z [555z] 2f +1z. [ ] an exposed set, ( ) a concealed kong, + the winning tile; m characters, p dots, s bamboo, z winds and dragons, f flowers, y seasons.</source>
        <translation>De hand in stenen: 123m 456p 789s 1z [555z] 2f +1z. [ ] een open set, ( ) een dichte kong, + de winnende steen; m karakters, p cirkels, s bamboe, z winden en draken, f bloemen, y seizoenen.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>What a click on a palette tile adds</source>
        <translation>Wat een klik op een steen van het palet toevoegt</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Oost</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Zuid</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Noord</translation>
    </message>
    <message>
        <source>Seat wind</source>
        <translation>Eigen wind</translation>
    </message>
    <message>
        <source>Prevailing wind</source>
        <translation>Rondewind</translation>
    </message>
    <message>
        <source>Clear hand</source>
        <translation>Hand wissen</translation>
    </message>
    <message>
        <source>Takes every tile out of the hand</source>
        <translation>Haalt alle stenen uit de hand</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Je hand</translation>
    </message>
    <message>
        <source>Waits</source>
        <translation>Wachtstenen</translation>
    </message>
    <message>
        <source>Fill in the calculator</source>
        <translation>In de calculator invullen</translation>
    </message>
    <message>
        <source>Fill in the fan counter</source>
        <translation>In de fanteller invullen</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>A click on a tile adds</source>
        <translation>Een klik op een steen voegt toe</translation>
    </message>
    <message>
        <source>%1
A click takes the set out of the hand.</source>
        <translation>%1
Een klik haalt de set uit de hand.</translation>
    </message>
    <message>
        <source>%1
A click takes it out of the hand.</source>
        <translation>%1
Een klik haalt hem uit de hand.</translation>
    </message>
    <message>
        <source>Click the tiles of your hand, or type them: 123m 456p 789s 1z [555z] +1z</source>
        <translation>Klik de stenen van je hand aan, of typ ze: 123m 456p 789s 1z [555z] +1z</translation>
    </message>
    <message>
        <source>not ready: no tile makes 4 sets and a pair</source>
        <translation>wacht niet: geen steen maakt 4 sets en een paar</translation>
    </message>
    <message>
        <source>Ready: 1 tile wins. Under each, its Zorvan! Points on a discard, then self-picked; click one to win on it.</source>
        <translation>Wacht: 1 steen wint. Eronder de Zorvan! Points op een afgelegde steen, dan zelf gepakt; klik erop om ermee te winnen.</translation>
    </message>
    <message>
        <source>Ready: %1 tiles win. Under each, its Zorvan! Points on a discard, then self-picked; click one to win on it.</source>
        <translation>Wacht: %1 stenen winnen. Onder elke steen de Zorvan! Points op een afgelegde steen, dan zelf gepakt; klik er een aan om ermee te winnen.</translation>
    </message>
    <message>
        <source>chow %1 exposed</source>
        <translation>chow %1 open</translation>
    </message>
    <message>
        <source>chow %1 concealed</source>
        <translation>chow %1 dicht</translation>
    </message>
    <message>
        <source>pong %1 exposed</source>
        <translation>pung %1 open</translation>
    </message>
    <message>
        <source>pong %1 concealed</source>
        <translation>pung %1 dicht</translation>
    </message>
    <message>
        <source>kong %1 exposed</source>
        <translation>kong %1 open</translation>
    </message>
    <message>
        <source>kong %1 concealed</source>
        <translation>kong %1 dicht</translation>
    </message>
    <message>
        <source>%1 (won on %2)</source>
        <translation>%1 (gewonnen op %2)</translation>
    </message>
    <message>
        <source>Read as %1; pair %2, the best of %3 readings</source>
        <translation>Gelezen als %1; paar %2, de beste van %3 lezingen</translation>
    </message>
    <message>
        <source>Read as %1; pair %2</source>
        <translation>Gelezen als %1; paar %2</translation>
    </message>
    <message>
        <source>table limit %1</source>
        <translation>tafellimiet %1</translation>
    </message>
    <message>
        <source>table limit %1: none entered in the calculator</source>
        <translation>tafellimiet %1: niets ingevuld in de calculator</translation>
    </message>
    <message>
        <source>Your hand is worth more than the calculator can count, fans: maximum</source>
        <translation>Je hand is meer waard dan de calculator kan tellen, fans: maximum</translation>
    </message>
    <message>
        <source>Your hand is worth more than the calculator can count, %1 fans</source>
        <translation>Je hand is meer waard dan de calculator kan tellen, %1 fans</translation>
    </message>
    <message>
        <source>Your hand is worth %1, Zorvan! Points %2 (%3), fans: maximum</source>
        <translation>Je hand telt %1, Zorvan! Points %2 (%3), fans: maximum</translation>
    </message>
    <message>
        <source>Your hand is worth %1, Zorvan! Points %2 (%3), %4 fans</source>
        <translation>Je hand telt %1, Zorvan! Points %2 (%3), %4 fans</translation>
    </message>
    <message>
        <source>Your hand is worth</source>
        <translation>Je hand telt</translation>
    </message>
    <message>
        <source>Fans</source>
        <translation>Fans</translation>
    </message>
    <message>
        <source>more than the calculator can count</source>
        <translation>meer dan de calculator kan tellen</translation>
    </message>
    <message>
        <source>%1 wins %2 on a discard, %3 self-picked</source>
        <translation>%1 wint %2 op een afgelegde steen, %3 zelf gepakt</translation>
    </message>
    <message>
        <source>%1
%2
%3
A click makes it the winning tile.</source>
        <translation>%1
%2
%3
Een klik maakt hem de winnende steen.</translation>
    </message>
    <message>
        <source>The calculator window has been closed.</source>
        <translation>Het calculatorvenster is gesloten.</translation>
    </message>
    <message>
        <source>Ticks the calculator&apos;s sheet for this hand.</source>
        <translation>Vinkt het blad van de calculator aan voor deze hand.</translation>
    </message>
    <message>
        <source>Clears the fan counter and selects this hand&apos;s tiles and boxes.</source>
        <translation>Wist de fanteller en kiest de stenen en vakjes van deze hand.</translation>
    </message>
    <message>
        <source>no tile that wins is left</source>
        <translation>er is geen winnende steen meer over</translation>
    </message>
    <message>
        <source>no tile left helps</source>
        <translation>geen steen die nog over is helpt</translation>
    </message>
    <message>
        <source>%1 (%2 left)</source>
        <translation>%1 (nog %2)</translation>
    </message>
    <message>
        <source>1 tile left wins: %2</source>
        <translation>1 steen die nog over is wint: %2</translation>
    </message>
    <message>
        <source>%1 tiles left win: %2</source>
        <translation>%1 stenen die nog over zijn winnen: %2</translation>
    </message>
    <message>
        <source>1 tile left helps: %2</source>
        <translation>1 steen die nog over is helpt: %2</translation>
    </message>
    <message>
        <source>%1 tiles left help: %2</source>
        <translation>%1 stenen die nog over zijn helpen: %2</translation>
    </message>
    <message>
        <source>Throw %1: waiting; %2; the best wins %3 on a discard</source>
        <translation>Leg %1 af: wacht; %2; de beste wint %3 op een afgooi</translation>
    </message>
    <message>
        <source>Throw %1: %2; %3</source>
        <translation>Leg %1 af: %2; %3</translation>
    </message>
    <message>
        <source>Complete already: to score it, enter the last tile drawn as the winning tile. Or throw one, the best first; click a row to throw it.</source>
        <translation>Al compleet: voer de laatst gepakte steen in als winnende steen om de hand te tellen. Of leg er een af, de beste eerst; klik op een regel om die steen af te leggen.</translation>
    </message>
    <message>
        <source>Throw one, the best first; click a row to throw it.</source>
        <translation>Leg er een af, de beste eerst; klik op een regel om die steen af te leggen.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wacht</translation>
    </message>
    <message>
        <source>1 tile away</source>
        <translation>1 steen van wachten</translation>
    </message>
    <message>
        <source>%1 tiles away</source>
        <translation>%1 stenen van wachten</translation>
    </message>
    <message>
        <source>%1. The best throw.</source>
        <translation>%1. De beste afgelegde steen.</translation>
    </message>
    <message>
        <source>%1. Your choice.</source>
        <translation>%1. Jouw keuze.</translation>
    </message>
    <message>
        <source>%1, the best to throw</source>
        <translation>%1, de beste om af te leggen</translation>
    </message>
    <message>
        <source>%1
A click throws it.</source>
        <translation>%1
Een klik legt hem af.</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>This calculator was made by:
    Zephyra, aka &quot;Red Dragon&quot;
and
    Quillon, aka &quot;Bamboo Wind&quot;
</source>
        <translation>Deze calculator is gemaakt door:
    Zephyra, ook wel &quot;Rode Draak&quot;
en
    Quillon, ook wel &quot;Bamboewind&quot;
</translation>
    </message>
    <message>
        <source>Thanks for using our calculator!
If you like it, send us a postcard,
preferably of your town or
country to:
    Zephyra &amp; Quillon
    1 Nowhere Lane
    Fictionville, Noland
</source>
        <translation>Bedankt dat je onze calculator gebruikt!
Bevalt hij je, stuur ons dan een
ansichtkaart, het liefst van je stad
of je land, naar:
    Zephyra &amp; Quillon
    1 Nowhere Lane
    Fictionville, Noland
</translation>
    </message>
    <message>
        <source>It all began at a kitchen table where we played our first games of
Mah-Jongg with a borrowed set and a rule book nobody fully understood.
Later we moved to the online tables of Zorvan, where we play most nights.
Online, a close game ends with a hand that has to be counted there and then,
and more than once the whole table sat waiting while somebody added it up.
We did not want to call in a friend or an expert every time that happened,
so we wrote a small program to count the Zorvan! Points of a hand.
That first calculator was plain, but it counted right and it was quick.
We shared it with the players at our tables, and they sent us remarks:
what was missing, what was unclear, where they counted differently.
Much of that found its way into this program.
This second version adds the fan counter: click the tiles and conditions
of your hand, and it shows how many fans the hand is worth.
With it you can check your fans before declaring them,
and newcomers can learn fan counting while they play.
We hope you enjoy the game as much as we do!
</source>
        <translation>Het begon allemaal aan een keukentafel, waar we onze eerste potjes
Mah-Jongg speelden met een geleend spel en een regelboekje dat niemand echt begreep.
Later zijn we naar de online tafels van Zorvan gegaan, waar we bijna elke avond spelen.
Online eindigt een spannend spel met een hand die meteen geteld moet worden,
en meer dan eens zat de hele tafel te wachten terwijl iemand zat te rekenen.
We wilden niet elke keer een vriend of een kenner erbij halen,
dus schreven we een programmaatje dat de Zorvan! Points van een hand telt.
Die eerste calculator was eenvoudig, maar hij telde goed en hij was snel.
We deelden hem met de spelers aan onze tafels, en die stuurden ons opmerkingen:
wat er ontbrak, wat onduidelijk was, waar zij anders telden.
Veel daarvan is in dit programma terechtgekomen.
Deze tweede versie heeft er de fanteller bij: klik de stenen en voorwaarden
van je hand aan, en hij laat zien hoeveel fans de hand waard is.
Zo kun je je fans nakijken voordat je ze opgeeft,
en nieuwe spelers kunnen al spelend fans leren tellen.
We hopen dat je net zoveel plezier aan het spel beleeft als wij!
</translation>
    </message>
    <message>
        <source>Chow: Sequential run of 3 tiles in the same suit 
Honors: Dragons and Winds 
KFC: Kentucky Fried Chicken (anything you like... no rules!!!)
Last Tile: Tile # 14
Pong/Kong: 3/4 of the same tile 
Prevailing Wind: Current prevailing wind shown on the upper left hand of the screen.
Seat Wind: Current wind of your seat, shown by your name.
Semi Pure: All one suit with dragons or winds
Pure: All One Suit
Self Pick: Draw winning tile from the wall
Steal a Kong: Someone kongs a tile and you can mah jongg with this tile
Supplemental Self Pick: Drawing any flower/season or melding a kong and the next tile drawn is mj for you 
Terminals : One&apos;s and Nine&apos;s 
</source>
        <translation>Chow: drie opeenvolgende stenen van dezelfde kleur
Honneurs: draken en winden
KFC: Kentucky Fried Chicken (alles wat je wilt... geen regels!!!)
Laatste steen: steen nummer 14
Pung/kong: 3/4 dezelfde stenen
Rondewind: de wind van de ronde, linksboven in het scherm.
Eigen wind: de wind van je plaats, bij je naam.
Half zuiver: één kleur met draken of winden
Zuiver: alles één kleur
Zelf gepakt: de winnende steen zelf van de muur pakken
Kong roven: iemand maakt een kong en jij kunt met die steen mahjong maken
Vervangsteen zelf gepakt: je pakt een bloem/seizoen of meldt een kong, en de steen die je daarna pakt is mahjong
Eindstenen: de enen en de negens
</translation>
    </message>
    <message>
        <source>Semi Pure = 3 Fans     These are what we call standard 3 fans
4 Pongs/Kong and a pair = 3 Fans  These are what we call standard 3 fans

Flower/Season Kong = 1 fan
Going out on Supplemental tile = 1 Fans 
All Terminals and Honors = 1 Fan
4 Chows = 1 Fan
Pong/Kong Dragon = 1 Fan
Pong/Kong Prevailing Wind = 1 Fan
Pong/Kong Seat Wind = 1 Fan
Self Pick = 1 Fan
No Flowers and Seasons = 1 Fan
Seat Flower or Season = 1 Fan
Steal a Kong = 1 Fan
Last Tile = 1 Fan 

Pure = 6 Fans
All Honors = Maximum Fan
All Terminals = Maximum Fan
 
All Fans Are Added Together!!!
</source>
        <translation>Half zuiver = 3 fans     Dat noemen we de standaard 3 fans
4 pungs/kongs en een paar = 3 fans  Dat noemen we de standaard 3 fans

Kong van bloemen/seizoenen = 1 fan
Mahjong met een vervangsteen = 1 fan
Alleen 1, 9 en honneurs = 1 fan
4 chows = 1 fan
Pung/kong van een draak = 1 fan
Pung/kong van de rondewind = 1 fan
Pung/kong van de eigen wind = 1 fan
Zelf gepakt = 1 fan
Geen bloemen en seizoenen = 1 fan
Eigen bloem of seizoen = 1 fan
Kong roven = 1 fan
Laatste steen = 1 fan

Zuiver = 6 fans
Alle honneurs = maximum aan fans
Alleen 1 en 9 = maximum aan fans
 
Alle fans worden bij elkaar opgeteld!!!
</translation>
    </message>
    <message>
        <source>Who made it</source>
        <translation>Wie heeft het gemaakt</translation>
    </message>
    <message>
        <source>Thank us</source>
        <translation>Bedank ons</translation>
    </message>
    <message>
        <source>Why ?</source>
        <translation>Waarom?</translation>
    </message>
    <message>
        <source>Defenitions</source>
        <translation>Definities</translation>
    </message>
    <message>
        <source>FanCounting</source>
        <translation>Fans tellen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Unexpected error: %1</source>
        <translation>Onverwachte fout: %1</translation>
    </message>
    <message>
        <source>Unexpected error.</source>
        <translation>Onverwachte fout.</translation>
    </message>
    <message>
        <source>Overflow: this hand is worth more than the calculator can count. The results were left as they were.</source>
        <translation>Overloop: deze hand is meer waard dan de calculator kan tellen. De uitkomsten zijn gebleven zoals ze waren.</translation>
    </message>
</context>
<context>
    <name>PhonePage</name>
    <message>
        <source>Loading the calculator</source>
        <translation>De calculator wordt geladen</translation>
    </message>
    <message>
        <source>This calculator needs JavaScript, which is switched off in this browser.</source>
        <translation>Deze calculator heeft JavaScript nodig, en dat staat in deze browser uit.</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Schermen</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Blad</translation>
    </message>
    <message>
        <source>Fans</source>
        <translation>Fans</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Oefenen</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Berekening</translation>
    </message>
    <message>
        <source>Tiles to add</source>
        <translation>Stenen om toe te voegen</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Karakters</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Cirkels</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>Bamboe</translation>
    </message>
    <message>
        <source>Winds and dragons</source>
        <translation>Winden en draken</translation>
    </message>
    <message>
        <source>Flowers and seasons</source>
        <translation>Bloemen en seizoenen</translation>
    </message>
    <message>
        <source>How the hand was won</source>
        <translation>Hoe de hand gewonnen is</translation>
    </message>
    <message>
        <source>The sheet&apos;s table limit; 500 while none is entered.</source>
        <translation>De tafellimiet van het blad; 500 zolang er geen is ingevuld.</translation>
    </message>
    <message>
        <source>Share the hand</source>
        <translation>Hand delen</translation>
    </message>
    <message>
        <source>The link to this hand is copied.</source>
        <translation>De link naar deze hand is gekopieerd.</translation>
    </message>
    <message>
        <source>The calculator with its windows, for a computer</source>
        <translation>De calculator met zijn vensters, voor een computer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>The calculator could not be loaded: %1</source>
        <translation>De calculator kon niet worden geladen: %1</translation>
    </message>
    <message>
        <source>What to throw</source>
        <translation>Welke steen afleggen</translation>
    </message>
    <message>
        <source>Tap the tile to throw, the best first: how far each leaves the hand from waiting, the tiles that bring it nearer with the copies of them left, and a waiting hand&apos;s best value on a discard.</source>
        <translation>Tik op de steen die je aflegt, de beste eerst: hoe ver elke afgelegde steen de hand van wachten houdt, de stenen die hem dichterbij brengen met hoeveel er daarvan nog over zijn, en de hoogste waarde van een wachtende hand op een afgelegde steen.</translation>
    </message>
    <message>
        <source>The 14 tiles are four sets and a pair already: enter the tile drawn last as the winning tile to score them.</source>
        <translation>De 14 stenen zijn al vier sets en een paar: voer de laatst gepakte steen in als winnende steen om ze te tellen.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wachten</translation>
    </message>
    <message>
        <source>1 tile away</source>
        <translation>1 steen van wachten</translation>
    </message>
    <message>
        <source>%1 tiles away</source>
        <translation>%1 stenen van wachten</translation>
    </message>
    <message>
        <source>%1 (%2 left)</source>
        <translation>%1 (nog %2)</translation>
    </message>
    <message>
        <source>no tile</source>
        <translation>geen steen</translation>
    </message>
    <message>
        <source>1 tile left in all</source>
        <translation>nog 1 steen in totaal</translation>
    </message>
    <message>
        <source>%1 tiles left in all</source>
        <translation>nog %1 stenen in totaal</translation>
    </message>
    <message>
        <source>Throw %1: %2, accepting %3; %4.</source>
        <translation>Leg %1 af: %2, neemt %3; %4.</translation>
    </message>
    <message>
        <source>Best throw, %1: %2, accepting %3; %4.</source>
        <translation>Beste afgelegde steen, %1: %2, neemt %3; %4.</translation>
    </message>
    <message>
        <source>Throw %1: %2, accepting %3; %4; the best wait, %5, is worth %6 on a discard.</source>
        <translation>Leg %1 af: %2, neemt %3; %4; de beste wachtsteen, %5, is %6 waard op een afgelegde steen.</translation>
    </message>
    <message>
        <source>Best throw, %1: %2, accepting %3; %4; the best wait, %5, is worth %6 on a discard.</source>
        <translation>Beste afgelegde steen, %1: %2, neemt %3; %4; de beste wachtsteen, %5, is %6 waard op een afgelegde steen.</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Sets and pair</source>
        <translation>Sets en paar</translation>
    </message>
    <message>
        <source>With doubles</source>
        <translation>Met verdubbelingen</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Practice counting</source>
        <translation>Tellen oefenen</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>The hand</source>
        <translation>De hand</translation>
    </message>
    <message>
        <source>The hand in tiles, to paste into the hand window</source>
        <translation>De hand in stenen, om in het handvenster te plakken</translation>
    </message>
    <message>
        <source>Your hand is worth</source>
        <translation>Je hand telt</translation>
    </message>
    <message>
        <source>Fans</source>
        <translation>Fans</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Nakijken</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Toon het antwoord</translation>
    </message>
    <message>
        <source>Next hand</source>
        <translation>Volgende hand</translation>
    </message>
    <message>
        <source>Show on the sheet</source>
        <translation>Toon op het blad</translation>
    </message>
    <message>
        <source>Show on the fan counter</source>
        <translation>Toon op de fanteller</translation>
    </message>
    <message>
        <source>%1 of %2 right, %3 in a row</source>
        <translation>%1 van %2 goed, %3 op rij</translation>
    </message>
    <message>
        <source>Check your answer or show the answer first.</source>
        <translation>Kijk eerst je antwoord na of toon het antwoord.</translation>
    </message>
    <message>
        <source>The calculator window has been closed.</source>
        <translation>Het calculatorvenster is gesloten.</translation>
    </message>
    <message>
        <source>Ticks the calculator&apos;s sheet for this hand.</source>
        <translation>Vinkt het blad van de calculator aan voor deze hand.</translation>
    </message>
    <message>
        <source>Clears the fan counter and selects this hand&apos;s tiles and boxes.</source>
        <translation>Wist de fanteller en kiest de stenen en vakjes van deze hand.</translation>
    </message>
    <message>
        <source>Type the count as a whole number.</source>
        <translation>Typ de telling als een geheel getal.</translation>
    </message>
    <message>
        <source>Type the fans as a whole number.</source>
        <translation>Typ de fans als een geheel getal.</translation>
    </message>
    <message>
        <source>Right: the hand is worth more than the calculator can count.</source>
        <translation>Goed: de hand is meer waard dan de calculator kan tellen.</translation>
    </message>
    <message>
        <source>Not quite: the hand is worth more than the calculator can count, not %1.</source>
        <translation>Niet helemaal: de hand is meer waard dan de calculator kan tellen, niet %1.</translation>
    </message>
    <message>
        <source>Right: the hand is worth %1.</source>
        <translation>Goed: de hand telt %1.</translation>
    </message>
    <message>
        <source>Not quite: the hand is worth %1, not %2.</source>
        <translation>Niet helemaal: de hand telt %1, niet %2.</translation>
    </message>
    <message>
        <source>Right: 1 fan.</source>
        <translation>Goed: 1 fan.</translation>
    </message>
    <message>
        <source>Right: %1 fans.</source>
        <translation>Goed: %1 fans.</translation>
    </message>
    <message>
        <source>Not quite: 1 fan, not %1.</source>
        <translation>Niet helemaal: 1 fan, niet %1.</translation>
    </message>
    <message>
        <source>Not quite: %1 fans, not %2.</source>
        <translation>Niet helemaal: %1 fans, niet %2.</translation>
    </message>
    <message>
        <source>Seat wind %1, prevailing wind %2, table limit %3: which tile would you throw? Click it in the hand.</source>
        <translation>Eigen wind %1, rondewind %2, tafellimiet %3: welke steen leg jij af? Klik hem aan in de hand.</translation>
    </message>
    <message>
        <source>Right: throwing %1 is among the best, %2 with %3 tiles left to help.</source>
        <translation>Goed: %1 als afgelegde steen is een van de beste keuzes: %2, met nog %3 helpende stenen.</translation>
    </message>
    <message>
        <source>Not quite: throwing %1 leaves the hand %2 with %3 tiles left to help; throwing %4 leaves it %5 with %6.</source>
        <translation>Niet helemaal: met %1 als afgelegde steen is de hand %2, met nog %3 helpende stenen; met %4 is ze %5, met %6.</translation>
    </message>
    <message>
        <source>What to throw</source>
        <translation>Wat leg je af</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Fancounting</source>
        <translation>Fans tellen</translation>
    </message>
    <message>
        <source>What gives you a fan (text)</source>
        <translation>Wat levert een fan op (tekst)</translation>
    </message>
    <message>
        <source>Fancalculator</source>
        <translation>Fanteller</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Enter a hand from tiles</source>
        <translation>Een hand uit stenen invoeren</translation>
    </message>
    <message>
        <source>Practice counting</source>
        <translation>Tellen oefenen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Who made it</source>
        <translation>Wie heeft het gemaakt</translation>
    </message>
    <message>
        <source>Why did we make it</source>
        <translation>Waarom hebben we het gemaakt</translation>
    </message>
    <message>
        <source>Show your appreciation</source>
        <translation>Laat je waardering zien</translation>
    </message>
    <message>
        <source>How does it work</source>
        <translation>Hoe werkt het</translation>
    </message>
    <message>
        <source>Definitions</source>
        <translation>Definities</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>For the Calculator fill in TableLimit-for the FanCounter click seat and prevailing wind before clicking other boxes</source>
        <translation>Vul voor de calculator eerst de tafellimiet in - klik voor de fanteller eerst de eigen wind en de rondewind aan, daarna pas andere vakjes</translation>
    </message>
    <message>
        <source>Check This!</source>
        <translation>Let op!</translation>
    </message>
</context>
<context>
    <name>ThrowsTable</name>
    <message>
        <source>Throw</source>
        <translation>Afleggen</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Draws that help (copies left)</source>
        <translation>Helpende stenen (nog over)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Best win</source>
        <translation>Beste winst</translation>
    </message>
    <message>
        <source>The tile to throw</source>
        <translation>De steen om af te leggen</translation>
    </message>
    <message>
        <source>How many exchanges of a tile the hand is from waiting</source>
        <translation>Hoe vaak de hand nog een steen moet ruilen om te wachten</translation>
    </message>
    <message>
        <source>The tiles that, drawn next, bring the hand nearer (or finish a waiting hand), each with the copies not in your hand</source>
        <translation>De stenen die, als volgende gepakt, de hand dichterbij brengen (of een wachtende hand afmaken), elk met hoeveel er nog buiten je hand zijn</translation>
    </message>
    <message>
        <source>The copies left of every tile that helps</source>
        <translation>Alle helpende stenen die nog over zijn</translation>
    </message>
    <message>
        <source>A waiting hand&apos;s highest Zorvan! Points on a discard</source>
        <translation>De hoogste Zorvan! Points van een wachtende hand op een afgooi</translation>
    </message>
    <message>
        <source>Throws</source>
        <translation>Af te leggen stenen</translation>
    </message>
</context>
<context>
    <name>Wind</name>
    <message>
        <source>East</source>
        <translation>Oost</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Zuid</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Noord</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>+%1 %2 (x%3)</source>
        <translation>+%1 %2 (x%3)</translation>
    </message>
    <message>
        <source>+%1 %2</source>
        <translation>+%1 %2</translation>
    </message>
    <message>
        <source>x%1 %2 (x%3) = %4</source>
        <translation>x%1 %2 (x%3) = %4</translation>
    </message>
    <message>
        <source>x%1 %2 = %3</source>
        <translation>x%1 %2 = %3</translation>
    </message>
    <message>
        <source>%1: replaced by the table limit %2</source>
        <translation>%1: vervangen door de tafellimiet %2</translation>
    </message>
    <message>
        <source>+%1 %2 (%3) = %4</source>
        <translation>+%1 %2 (%3) = %4</translation>
    </message>
    <message>
        <source>20 base</source>
        <translation>20 basis</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>%1, capped at the table limit %2 = %3</source>
        <translation>%1, begrensd op de tafellimiet %2 = %3</translation>
    </message>
    <message>
        <source>%1, within the table limit %2</source>
        <translation>%1, binnen de tafellimiet %2</translation>
    </message>
    <message>
        <source>x6 (East) = %1</source>
        <translation>x6 (Oost) = %1</translation>
    </message>
    <message>
        <source>x4 (not East) = %1</source>
        <translation>x4 (niet Oost) = %1</translation>
    </message>
    <message>
        <source>the count</source>
        <translation>de telling</translation>
    </message>
    <message>
        <source>Overflow at &quot;%1&quot;: the hand is worth more than the calculator can count. The results were left as they were.</source>
        <translation>Overloop bij &quot;%1&quot;: de hand is meer waard dan de calculator kan tellen. De uitkomsten zijn gebleven zoals ze waren.</translation>
    </message>
    <message>
        <source>%1 White dragon pong</source>
        <translation>%1 pung witte draak</translation>
    </message>
    <message>
        <source>%1 Red dragon pong</source>
        <translation>%1 pung rode draak</translation>
    </message>
    <message>
        <source>%1 Green dragon pong</source>
        <translation>%1 pung groene draak</translation>
    </message>
    <message>
        <source>%1 no flowers and seasons</source>
        <translation>%1 geen bloemen en seizoenen</translation>
    </message>
    <message>
        <source>%1 own flower %2 (%3 seat)</source>
        <translation>%1 eigen bloem %2 (plaats %3)</translation>
    </message>
    <message>
        <source>%1 all four flowers</source>
        <translation>%1 alle vier bloemen</translation>
    </message>
    <message>
        <source>%1 own season %2 (%3 seat)</source>
        <translation>%1 eigen seizoen %2 (plaats %3)</translation>
    </message>
    <message>
        <source>%1 all four seasons</source>
        <translation>%1 alle vier seizoenen</translation>
    </message>
    <message>
        <source>%1 %2 pong (seat and prevailing wind)</source>
        <translation>%1 pung %2 (eigen wind en rondewind)</translation>
    </message>
    <message>
        <source>%1 %2 pong (seat wind)</source>
        <translation>%1 pung %2 (eigen wind)</translation>
    </message>
    <message>
        <source>%1 %2 pong (prevailing wind)</source>
        <translation>%1 pung %2 (rondewind)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
</TS>
