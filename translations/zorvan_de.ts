<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>Table limit</source>
        <translation>Tischlimit</translation>
    </message>
    <message>
        <source>Check when East</source>
        <translation>Ankreuzen bei Ost</translation>
    </message>
    <message>
        <source>Your hand is worth</source>
        <translation>Deine Hand zählt</translation>
    </message>
    <message>
        <source>Clear ALL</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Clear all BUT table limit</source>
        <translation>Alles AUSSER Tischlimit</translation>
    </message>
    <message>
        <source>%1, set %2 of %3</source>
        <translation>%1, Satz %2 von %3</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 von %3</translation>
    </message>
    <message>
        <source>If the honor pong/kong is a dragon/prevailing/seat wind also check the box closed pong/kong dragon/seat or prevailing wind (on the right side)!</source>
        <translation>Ist der Pung/Kong Ehrensteine ein Drache oder der Runden- oder Platzwind, kreuze auch das Kästchen „verdeckter Pung/Kong Drachen“ oder „Verdeckter Pung/Kong Runden/Platzw.“ an (rechts)!</translation>
    </message>
    <message>
        <source>Hint on %1</source>
        <translation>Hinweis zu %1</translation>
    </message>
    <message>
        <source>One flower or season less</source>
        <translation>Eine Blume oder Jahreszeit weniger</translation>
    </message>
    <message>
        <source>Flowers and seasons</source>
        <translation>Blumen und Jahreszeiten</translation>
    </message>
    <message>
        <source>One flower or season more</source>
        <translation>Eine Blume oder Jahreszeit mehr</translation>
    </message>
    <message>
        <source>limit is toooooooo high</source>
        <translation>Limit ist viiiiiiiel zu hoch</translation>
    </message>
    <message>
        <source>You made a typo, mahjongaddict</source>
        <translation>Du hast dich vertippt, Mahjongsüchtiger</translation>
    </message>
    <message>
        <source>This does not aply when you have a pair of dragons or prevailing/seat winds !</source>
        <translation>Das gilt nicht, wenn du ein Paar Drachen oder Runden-/Platzwinde hast!</translation>
    </message>
</context>
<context>
    <name>FanBoard</name>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>flower 1</source>
        <translation>Blume 1</translation>
    </message>
    <message>
        <source>flower 2</source>
        <translation>Blume 2</translation>
    </message>
    <message>
        <source>flower 3</source>
        <translation>Blume 3</translation>
    </message>
    <message>
        <source>flower 4</source>
        <translation>Blume 4</translation>
    </message>
    <message>
        <source>season 1</source>
        <translation>Jahreszeit 1</translation>
    </message>
    <message>
        <source>season 2</source>
        <translation>Jahreszeit 2</translation>
    </message>
    <message>
        <source>season 3</source>
        <translation>Jahreszeit 3</translation>
    </message>
    <message>
        <source>season 4</source>
        <translation>Jahreszeit 4</translation>
    </message>
    <message>
        <source>White dragon</source>
        <translation>Weißer Drache</translation>
    </message>
    <message>
        <source>Red dragon</source>
        <translation>Roter Drache</translation>
    </message>
    <message>
        <source>Green dragon</source>
        <translation>Grüner Drache</translation>
    </message>
    <message>
        <source>Prevailing wind</source>
        <translation>Rundenwind</translation>
    </message>
    <message>
        <source>Seat  wind</source>
        <translation>Platzwind</translation>
    </message>
    <message>
        <source>Seat wind</source>
        <translation>Platzwind</translation>
    </message>
    <message>
        <source>PONG/KONG</source>
        <translation>PUNG/KONG</translation>
    </message>
    <message>
        <source>Wind pong/kong</source>
        <translation>Wind-Pung/Kong</translation>
    </message>
    <message>
        <source>FLOWERS</source>
        <translation>BLUMEN</translation>
    </message>
    <message>
        <source>Flowers</source>
        <translation>Blumen</translation>
    </message>
    <message>
        <source>SEASONS</source>
        <translation>JAHRESZEITEN</translation>
    </message>
    <message>
        <source>Seasons</source>
        <translation>Jahreszeiten</translation>
    </message>
    <message>
        <source>Dragon pong/kong</source>
        <translation>Drachen-Pung/Kong</translation>
    </message>
    <message>
        <source>All Pungs</source>
        <translation>Nur Pungs</translation>
    </message>
    <message>
        <source>All Chows</source>
        <translation>Nur Chows</translation>
    </message>
    <message>
        <source>Semi Pure</source>
        <translation>Halb rein</translation>
    </message>
    <message>
        <source>Pure</source>
        <translation>Rein</translation>
    </message>
    <message>
        <source>All Terminals</source>
        <translation>Nur 1 und 9</translation>
    </message>
    <message>
        <source>All Honors</source>
        <translation>Nur Ehrensteine</translation>
    </message>
    <message>
        <source>Last tile</source>
        <translation>Letzter Stein</translation>
    </message>
    <message>
        <source>Self Pick</source>
        <translation>Selbst gezogen</translation>
    </message>
    <message>
        <source>MJ on Suplement tile</source>
        <translation>MJ mit Ersatzstein</translation>
    </message>
    <message>
        <source>MJ on robbing kong</source>
        <translation>MJ durch Kongraub</translation>
    </message>
    <message>
        <source>Im playing a NO FA table</source>
        <translation>Ich spiele ohne FA</translation>
    </message>
    <message>
        <source>%1: %2, selected</source>
        <translation>%1: %2, gewählt</translation>
    </message>
    <message>
        <source>%1: %2, not selected</source>
        <translation>%1: %2, nicht gewählt</translation>
    </message>
</context>
<context>
    <name>FanCounterWindow</name>
    <message>
        <source>Your FANS</source>
        <translation>Deine FANS</translation>
    </message>
    <message>
        <source>Your Hand Contains</source>
        <translation>Deine Hand enthält</translation>
    </message>
    <message>
        <source>You MJ with</source>
        <translation>Dein MJ mit</translation>
    </message>
    <message>
        <source>CLEAR ALL</source>
        <translation>ALLES LÖSCHEN</translation>
    </message>
    <message>
        <source>FanCounting</source>
        <translation>Fans zählen</translation>
    </message>
    <message>
        <source>Clear all tiles and conditions</source>
        <translation>Alle Steine und Bedingungen löschen</translation>
    </message>
    <message>
        <source>Hint on %1</source>
        <translation>Hinweis zu %1</translation>
    </message>
    <message>
        <source>Zorvan has no more fingers left to count your fans(YOUR MAXED OUT, WELL DONE)</source>
        <translation>Zorvan hat keine Finger mehr frei, um deine Fans zu zählen (DU HAST DAS MAXIMUM, GUT GEMACHT)</translation>
    </message>
    <message>
        <source>This means you also should check the Self Pick checkbox!</source>
        <translation>Dann musst du auch das Kästchen Selbst gezogen ankreuzen!</translation>
    </message>
</context>
<context>
    <name>Hand</name>
    <message>
        <source>Seat wind %1</source>
        <translation>Platzwind %1</translation>
    </message>
    <message>
        <source>prevailing wind %1</source>
        <translation>Rundenwind %1</translation>
    </message>
    <message>
        <source>self-picked</source>
        <translation>selbst gezogen</translation>
    </message>
    <message>
        <source>won on a discard</source>
        <translation>auf einen Abwurf gewonnen</translation>
    </message>
    <message>
        <source>going out on the last tile</source>
        <translation>Mahjong mit dem letzten Stein</translation>
    </message>
    <message>
        <source>going out on a supplementary tile</source>
        <translation>Mahjong mit einem Ersatzstein</translation>
    </message>
    <message>
        <source>robbing a kong</source>
        <translation>Kong geraubt</translation>
    </message>
    <message>
        <source>playing a NO FA table</source>
        <translation>an einem Tisch OHNE FA</translation>
    </message>
    <message>
        <source>table limit %1</source>
        <translation>Tischlimit %1</translation>
    </message>
    <message>
        <source>1 tile more: a finished hand is 4 sets and a pair, 14 tiles with a kong counted as 3</source>
        <translation>noch 1 Stein: eine vollständige Hand hat 4 Sätze und ein Paar, 14 Steine, ein Kong als 3 gezählt</translation>
    </message>
    <message>
        <source>%1 tiles more: a finished hand is 4 sets and a pair, 14 tiles with a kong counted as 3</source>
        <translation>noch %1 Steine: eine vollständige Hand hat 4 Sätze und ein Paar, 14 Steine, ein Kong als 3 gezählt</translation>
    </message>
    <message>
        <source>1 tile too many: a finished hand is 4 sets and a pair, 14 tiles with a kong counted as 3</source>
        <translation>1 Stein zu viel: eine vollständige Hand hat 4 Sätze und ein Paar, 14 Steine, ein Kong als 3 gezählt</translation>
    </message>
    <message>
        <source>%1 tiles too many: a finished hand is 4 sets and a pair, 14 tiles with a kong counted as 3</source>
        <translation>%1 Steine zu viel: eine vollständige Hand hat 4 Sätze und ein Paar, 14 Steine, ein Kong als 3 gezählt</translation>
    </message>
    <message>
        <source>1 tile more: a waiting hand is 13 tiles, a kong counted as 3</source>
        <translation>noch 1 Stein: eine wartende Hand hat 13 Steine, ein Kong als 3 gezählt</translation>
    </message>
    <message>
        <source>%1 tiles more: a waiting hand is 13 tiles, a kong counted as 3</source>
        <translation>noch %1 Steine: eine wartende Hand hat 13 Steine, ein Kong als 3 gezählt</translation>
    </message>
    <message>
        <source>1 tile too many: a waiting hand is 13 tiles, a kong counted as 3</source>
        <translation>1 Stein zu viel: eine wartende Hand hat 13 Steine, ein Kong als 3 gezählt</translation>
    </message>
    <message>
        <source>%1 tiles too many: a waiting hand is 13 tiles, a kong counted as 3</source>
        <translation>%1 Steine zu viel: eine wartende Hand hat 13 Steine, ein Kong als 3 gezählt</translation>
    </message>
    <message>
        <source>not 4 sets and a pair: special hands such as seven pairs are not scored</source>
        <translation>nicht 4 Sätze und ein Paar: Sonderhände wie sieben Paare werden nicht gezählt</translation>
    </message>
    <message>
        <source>a wind is not East, South, West or North</source>
        <translation>ein Wind ist nicht Ost, Süd, West oder Nord</translation>
    </message>
    <message>
        <source>%1, exposed chow</source>
        <translation>%1, offener Chow</translation>
    </message>
    <message>
        <source>%1, concealed chow</source>
        <translation>%1, verdeckter Chow</translation>
    </message>
    <message>
        <source>%1, exposed pong</source>
        <translation>%1, offener Pung</translation>
    </message>
    <message>
        <source>%1, concealed pong</source>
        <translation>%1, verdeckter Pung</translation>
    </message>
    <message>
        <source>%1, exposed kong</source>
        <translation>%1, offener Kong</translation>
    </message>
    <message>
        <source>%1, concealed kong</source>
        <translation>%1, verdeckter Kong</translation>
    </message>
    <message>
        <source>%1, winning tile, exposed chow</source>
        <translation>%1, Gewinnstein, offener Chow</translation>
    </message>
    <message>
        <source>%1, winning tile, concealed chow</source>
        <translation>%1, Gewinnstein, verdeckter Chow</translation>
    </message>
    <message>
        <source>%1, winning tile, exposed pong</source>
        <translation>%1, Gewinnstein, offener Pung</translation>
    </message>
    <message>
        <source>%1, winning tile, concealed pong</source>
        <translation>%1, Gewinnstein, verdeckter Pung</translation>
    </message>
    <message>
        <source>%1, winning tile, exposed kong</source>
        <translation>%1, Gewinnstein, offener Kong</translation>
    </message>
    <message>
        <source>%1, winning tile, concealed kong</source>
        <translation>%1, Gewinnstein, verdeckter Kong</translation>
    </message>
    <message>
        <source>%1, concealed</source>
        <translation>%1, verdeckt</translation>
    </message>
    <message>
        <source>%1, winning tile</source>
        <translation>%1, Gewinnstein</translation>
    </message>
    <message>
        <source>%1, winning tile, pair</source>
        <translation>%1, Gewinnstein, Paar</translation>
    </message>
    <message>
        <source>Characters %1</source>
        <translation>Zeichen %1</translation>
    </message>
    <message>
        <source>Dots %1</source>
        <translation>Kreise %1</translation>
    </message>
    <message>
        <source>Bamboo %1</source>
        <translation>Bambus %1</translation>
    </message>
    <message>
        <source>East wind</source>
        <translation>Ostwind</translation>
    </message>
    <message>
        <source>South wind</source>
        <translation>Südwind</translation>
    </message>
    <message>
        <source>West wind</source>
        <translation>Westwind</translation>
    </message>
    <message>
        <source>North wind</source>
        <translation>Nordwind</translation>
    </message>
    <message>
        <source>White dragon</source>
        <translation>Weißer Drache</translation>
    </message>
    <message>
        <source>Green dragon</source>
        <translation>Grüner Drache</translation>
    </message>
    <message>
        <source>Red dragon</source>
        <translation>Roter Drache</translation>
    </message>
    <message>
        <source>unknown character %1</source>
        <translation>unbekanntes Zeichen %1</translation>
    </message>
    <message>
        <source>unknown character (code %1)</source>
        <translation>unbekanntes Zeichen (Code %1)</translation>
    </message>
    <message>
        <source>%1 has no digits before it</source>
        <translation>vor %1 stehen keine Ziffern</translation>
    </message>
    <message>
        <source>%1 is not a tile</source>
        <translation>%1 ist kein Stein</translation>
    </message>
    <message>
        <source>%1 has no suit letter: end it with m, p, s, z, f or y</source>
        <translation>bei %1 fehlt der Farbbuchstabe: schließe mit m, p, s, z, f oder y ab</translation>
    </message>
    <message>
        <source>%1 is not a kong: ( ) holds a concealed kong</source>
        <translation>%1 ist kein Kong: ( ) enthält einen verdeckten Kong</translation>
    </message>
    <message>
        <source>%1 is not a chow, pong or kong</source>
        <translation>%1 ist kein Chow, Pung oder Kong</translation>
    </message>
    <message>
        <source>Flower %1</source>
        <translation>Blume %1</translation>
    </message>
    <message>
        <source>Season %1</source>
        <translation>Jahreszeit %1</translation>
    </message>
    <message>
        <source>the hand is longer than %1 characters</source>
        <translation>die Hand ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>character %1 is not ASCII: write tiles as 123m, 55p, 7z</source>
        <translation>Zeichen %1 ist kein ASCII: schreibe Steine als 123m, 55p, 7z</translation>
    </message>
    <message>
        <source>%1 is written twice: each flower and season is there once</source>
        <translation>%1 steht zweimal da: jede Blume und jede Jahreszeit gibt es nur einmal</translation>
    </message>
    <message>
        <source>%1 without an opening %2</source>
        <translation>%1 ohne öffnendes %2</translation>
    </message>
    <message>
        <source>%1 has no closing %2</source>
        <translation>bei %1 fehlt das schließende %2</translation>
    </message>
    <message>
        <source>more than one winning tile: +%1 and +%2</source>
        <translation>mehr als ein Gewinnstein: +%1 und +%2</translation>
    </message>
    <message>
        <source>a + without a tile: write the winning tile as +5p</source>
        <translation>ein + ohne Stein: schreibe den Gewinnstein als +5p</translation>
    </message>
    <message>
        <source>+%1: a flower or season is not a winning tile</source>
        <translation>+%1: eine Blume oder Jahreszeit ist kein Gewinnstein</translation>
    </message>
    <message>
        <source>+%1 is not one tile: write the winning tile as +5p</source>
        <translation>+%1 ist nicht ein Stein: schreibe den Gewinnstein als +5p</translation>
    </message>
    <message>
        <source>the hand is empty</source>
        <translation>die Hand ist leer</translation>
    </message>
    <message>
        <source>%1 declared sets: a hand has at most 4</source>
        <translation>%1 angesagte Sätze: eine Hand hat höchstens 4</translation>
    </message>
    <message>
        <source>a declared set is not a chow, pong or kong</source>
        <translation>ein angesagter Satz ist kein Chow, Pung oder Kong</translation>
    </message>
    <message>
        <source>a concealed declared set must be a kong</source>
        <translation>ein verdeckter angesagter Satz muss ein Kong sein</translation>
    </message>
    <message>
        <source>the winning tile is not a tile</source>
        <translation>der Gewinnstein ist kein Stein</translation>
    </message>
    <message>
        <source>%1 tiles of %2</source>
        <translation>%1 Steine %2</translation>
    </message>
    <message>
        <source>no winning tile: write it as +tile</source>
        <translation>kein Gewinnstein: schreibe ihn als +Stein</translation>
    </message>
    <message>
        <source>a waiting hand has no winning tile: leave out +%1</source>
        <translation>eine wartende Hand hat keinen Gewinnstein: lass +%1 weg</translation>
    </message>
    <message>
        <source>1 tile more: a hand to throw from is 14 tiles, a kong counted as 3</source>
        <translation>noch 1 Stein: eine Hand zum Abwerfen hat 14 Steine, ein Kong als 3 gezählt</translation>
    </message>
    <message>
        <source>%1 tiles more: a hand to throw from is 14 tiles, a kong counted as 3</source>
        <translation>noch %1 Steine: eine Hand zum Abwerfen hat 14 Steine, ein Kong als 3 gezählt</translation>
    </message>
    <message>
        <source>1 tile too many: a hand to throw from is 14 tiles, a kong counted as 3</source>
        <translation>1 Stein zu viel: eine Hand zum Abwerfen hat 14 Steine, ein Kong als 3 gezählt</translation>
    </message>
    <message>
        <source>%1 tiles too many: a hand to throw from is 14 tiles, a kong counted as 3</source>
        <translation>%1 Steine zu viel: eine Hand zum Abwerfen hat 14 Steine, ein Kong als 3 gezählt</translation>
    </message>
    <message>
        <source>a hand to throw from has no winning tile: leave out +%1</source>
        <translation>eine Hand zum Abwerfen hat keinen Gewinnstein: lass +%1 weg</translation>
    </message>
    <message>
        <source>%1: a flower or season is not part of a chow, pong or kong</source>
        <translation>%1: eine Blume oder Jahreszeit gehört in keinen Chow, Pung oder Kong</translation>
    </message>
    <message>
        <source>%1 is in the hand already: each flower and season is there once</source>
        <translation>%1 ist schon in der Hand: jede Blume und jede Jahreszeit gibt es nur einmal</translation>
    </message>
    <message>
        <source>no chow starts at %1: a chow is three tiles in a row of one suit</source>
        <translation>kein Chow beginnt bei %1: ein Chow sind drei aufeinanderfolgende Steine einer Farbe</translation>
    </message>
    <message>
        <source>no tile %1 to take out</source>
        <translation>kein Stein %1 zum Herausnehmen</translation>
    </message>
</context>
<context>
    <name>HandLink</name>
    <message>
        <source>the seat wind must be E, S, W or N, not %1</source>
        <translation>der Platzwind muss E, S, W oder N sein, nicht %1</translation>
    </message>
    <message>
        <source>the prevailing wind must be E, S, W or N, not %1</source>
        <translation>der Rundenwind muss E, S, W oder N sein, nicht %1</translation>
    </message>
    <message>
        <source>the table limit must be a whole number from 1 to 65536, not %1</source>
        <translation>das Tischlimit muss eine ganze Zahl von 1 bis 65536 sein, nicht %1</translation>
    </message>
    <message>
        <source>the link&apos;s %1 is not written correctly: each % must be followed by two hexadecimal digits</source>
        <translation>%1 im Link ist nicht richtig geschrieben: auf jedes % müssen zwei hexadezimale Ziffern folgen</translation>
    </message>
    <message>
        <source>the link gives %1 more than once</source>
        <translation>der Link nennt %1 mehr als einmal</translation>
    </message>
    <message>
        <source>the link&apos;s %1 must be 1 or 0, not %2</source>
        <translation>%1 im Link muss 1 oder 0 sein, nicht %2</translation>
    </message>
    <message>
        <source>the link holds no hand: it begins #hand= and the hand&apos;s tiles</source>
        <translation>der Link enthält keine Hand: er beginnt mit #hand= und den Steinen der Hand</translation>
    </message>
</context>
<context>
    <name>HandRequest</name>
    <message>
        <source>%1 is not an option: give the hand as --hand &quot;HAND&quot;</source>
        <translation>%1 ist keine Option: gib die Hand als --hand &quot;HAND&quot; an</translation>
    </message>
    <message>
        <source>the option --%1 is given more than once</source>
        <translation>die Option --%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>the option --%1 is only read with --hand</source>
        <translation>die Option --%1 wird nur mit --hand gelesen</translation>
    </message>
    <message>
        <source>The hand was not opened: %1</source>
        <translation>Die Hand wurde nicht geöffnet: %1</translation>
    </message>
</context>
<context>
    <name>HandSheet</name>
    <message>
        <source>open pong 2-8</source>
        <translation>offener Pung 2-8</translation>
    </message>
    <message>
        <source>closed pong 2-8</source>
        <translation>verdeckter Pung 2-8</translation>
    </message>
    <message>
        <source>open kong 2-8</source>
        <translation>offener Kong 2-8</translation>
    </message>
    <message>
        <source>closed kong 2-8</source>
        <translation>verdeckter Kong 2-8</translation>
    </message>
    <message>
        <source>open pong 1 or 9</source>
        <translation>offener Pung 1 oder 9</translation>
    </message>
    <message>
        <source>closed pong 1 or 9</source>
        <translation>verdeckter Pung 1 oder 9</translation>
    </message>
    <message>
        <source>open kong  1 or 9</source>
        <translation>offener Kong 1 oder 9</translation>
    </message>
    <message>
        <source>closed kong 1 or 9</source>
        <translation>verdeckter Kong 1 oder 9</translation>
    </message>
    <message>
        <source>open pong honor</source>
        <translation>offener Pung Ehrensteine</translation>
    </message>
    <message>
        <source>closed pong honor</source>
        <translation>verdeckter Pung Ehrensteine</translation>
    </message>
    <message>
        <source>open kong honor</source>
        <translation>offener Kong Ehrensteine</translation>
    </message>
    <message>
        <source>closed kong honor</source>
        <translation>verdeckter Kong Ehrensteine</translation>
    </message>
    <message>
        <source>pair of dragons/prev./seatwind</source>
        <translation>Paar Drachen/Rundenw./Platzw.</translation>
    </message>
    <message>
        <source>self pick to MJ</source>
        <translation>selbst gezogen zum MJ</translation>
    </message>
    <message>
        <source>winning with a one chance tile</source>
        <translation>Gewinn auf die einzige Chance</translation>
    </message>
    <message>
        <source>all pongs</source>
        <translation>nur Pungs</translation>
    </message>
    <message>
        <source>worthless hand</source>
        <translation>wertlose Hand</translation>
    </message>
    <message>
        <source>semi pure</source>
        <translation>halb rein</translation>
    </message>
    <message>
        <source>pure</source>
        <translation>rein</translation>
    </message>
    <message>
        <source>all terminals and honors</source>
        <translation>nur 1, 9 und Ehrensteine</translation>
    </message>
    <message>
        <source>all terminals</source>
        <translation>nur 1 und 9</translation>
    </message>
    <message>
        <source>all honors</source>
        <translation>nur Ehrensteine</translation>
    </message>
    <message>
        <source>flowers and seasons</source>
        <translation>Blumen und Jahreszeiten</translation>
    </message>
    <message>
        <source>FA from own seat</source>
        <translation>FA vom eigenen Platz</translation>
    </message>
    <message>
        <source>FA kong</source>
        <translation>FA-Kong</translation>
    </message>
    <message>
        <source>closed pong/kong dragons</source>
        <translation>verdeckter Pung/Kong Drachen</translation>
    </message>
    <message>
        <source>Closed pong/kong prev/seat wind</source>
        <translation>Verdeckter Pung/Kong Runden/Platzw.</translation>
    </message>
    <message>
        <source>MJ on a PONG of dragons/prev /seat wind</source>
        <translation>MJ auf einen PUNG Drachen/Runden /Platzw.</translation>
    </message>
    <message>
        <source>Going out on last tile</source>
        <translation>Mahjong mit dem letzten Stein</translation>
    </message>
    <message>
        <source>Going out on supplementary tile</source>
        <translation>Mahjong mit einem Ersatzstein</translation>
    </message>
</context>
<context>
    <name>HandWindow</name>
    <message>
        <source>overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>maximum fans</source>
        <translation>maximale Fans</translation>
    </message>
    <message>
        <source>%1 fans</source>
        <translation>%1 Fans</translation>
    </message>
    <message>
        <source>Self-picked: worth more than the calculator can count, %1</source>
        <translation>Selbst gezogen: mehr wert, als der Rechner zählen kann, %1</translation>
    </message>
    <message>
        <source>On a discard: worth more than the calculator can count, %1</source>
        <translation>Auf einen Abwurf: mehr wert, als der Rechner zählen kann, %1</translation>
    </message>
    <message>
        <source>Self-picked: count %1, %2 Zorvan! Points, %3</source>
        <translation>Selbst gezogen: Zählung %1, %2 Zorvan! Points, %3</translation>
    </message>
    <message>
        <source>On a discard: count %1, %2 Zorvan! Points, %3</source>
        <translation>Auf einen Abwurf: Zählung %1, %2 Zorvan! Points, %3</translation>
    </message>
    <message>
        <source>Needs a finished hand: 4 sets and a pair with its winning tile.</source>
        <translation>Braucht eine vollständige Hand: 4 Sätze und ein Paar mit dem Gewinnstein.</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Stein</translation>
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
        <translation>Verdeckter Kong</translation>
    </message>
    <message>
        <source>Winning tile</source>
        <translation>Gewinnstein</translation>
    </message>
    <message>
        <source>Self-picked</source>
        <translation>Selbst gezogen</translation>
    </message>
    <message>
        <source>Supplement tile</source>
        <translation>Ersatzstein</translation>
    </message>
    <message>
        <source>Last tile</source>
        <translation>Letzter Stein</translation>
    </message>
    <message>
        <source>Robbing a kong</source>
        <translation>Kong geraubt</translation>
    </message>
    <message>
        <source>NO FA table</source>
        <translation>Tisch OHNE FA</translation>
    </message>
    <message>
        <source>Hand from tiles</source>
        <translation>Hand aus Steinen</translation>
    </message>
    <message>
        <source>Hand in tiles</source>
        <translation>Hand in Steinen</translation>
    </message>
    <message>
        <source>The hand in tiles: 123m 456p 789s 1z [555z] 2f +1z. [ ] an exposed set, ( ) a concealed kong, + the winning tile; m characters, p dots, s bamboo, z winds and dragons, f flowers, y seasons.</source>
        <translation>Die Hand in Steinen: 123m 456p 789s 1z [555z] 2f +1z. [ ] ein offener Satz, ( ) ein verdeckter Kong, + der Gewinnstein; m Zeichen, p Kreise, s Bambus, z Winde und Drachen, f Blumen, y Jahreszeiten.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>What a click on a palette tile adds</source>
        <translation>Was ein Klick auf einen Stein der Palette hinzufügt</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>Seat wind</source>
        <translation>Platzwind</translation>
    </message>
    <message>
        <source>Prevailing wind</source>
        <translation>Rundenwind</translation>
    </message>
    <message>
        <source>Clear hand</source>
        <translation>Hand löschen</translation>
    </message>
    <message>
        <source>Takes every tile out of the hand</source>
        <translation>Nimmt alle Steine aus der Hand</translation>
    </message>
    <message>
        <source>Your hand</source>
        <translation>Deine Hand</translation>
    </message>
    <message>
        <source>Waits</source>
        <translation>Wartesteine</translation>
    </message>
    <message>
        <source>Fill in the calculator</source>
        <translation>Im Rechner eintragen</translation>
    </message>
    <message>
        <source>Fill in the fan counter</source>
        <translation>Im Fanzähler eintragen</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>A click on a tile adds</source>
        <translation>Ein Klick auf einen Stein fügt hinzu</translation>
    </message>
    <message>
        <source>%1
A click takes the set out of the hand.</source>
        <translation>%1
Ein Klick nimmt den Satz aus der Hand.</translation>
    </message>
    <message>
        <source>%1
A click takes it out of the hand.</source>
        <translation>%1
Ein Klick nimmt ihn aus der Hand.</translation>
    </message>
    <message>
        <source>Click the tiles of your hand, or type them: 123m 456p 789s 1z [555z] +1z</source>
        <translation>Klicke die Steine deiner Hand an oder tippe sie: 123m 456p 789s 1z [555z] +1z</translation>
    </message>
    <message>
        <source>not ready: no tile makes 4 sets and a pair</source>
        <translation>wartet nicht: kein Stein ergibt 4 Sätze und ein Paar</translation>
    </message>
    <message>
        <source>Ready: 1 tile wins. Under each, its Zorvan! Points on a discard, then self-picked; click one to win on it.</source>
        <translation>Wartet: 1 Stein gewinnt. Darunter seine Zorvan! Points auf einen Abwurf, dann selbst gezogen; klicke ihn an, um mit ihm zu gewinnen.</translation>
    </message>
    <message>
        <source>Ready: %1 tiles win. Under each, its Zorvan! Points on a discard, then self-picked; click one to win on it.</source>
        <translation>Wartet: %1 Steine gewinnen. Unter jedem seine Zorvan! Points auf einen Abwurf, dann selbst gezogen; klicke einen an, um mit ihm zu gewinnen.</translation>
    </message>
    <message>
        <source>chow %1 exposed</source>
        <translation>Chow %1 offen</translation>
    </message>
    <message>
        <source>chow %1 concealed</source>
        <translation>Chow %1 verdeckt</translation>
    </message>
    <message>
        <source>pong %1 exposed</source>
        <translation>Pung %1 offen</translation>
    </message>
    <message>
        <source>pong %1 concealed</source>
        <translation>Pung %1 verdeckt</translation>
    </message>
    <message>
        <source>kong %1 exposed</source>
        <translation>Kong %1 offen</translation>
    </message>
    <message>
        <source>kong %1 concealed</source>
        <translation>Kong %1 verdeckt</translation>
    </message>
    <message>
        <source>%1 (won on %2)</source>
        <translation>%1 (gewonnen mit %2)</translation>
    </message>
    <message>
        <source>Read as %1; pair %2, the best of %3 readings</source>
        <translation>Gelesen als %1; Paar %2, die beste von %3 Lesarten</translation>
    </message>
    <message>
        <source>Read as %1; pair %2</source>
        <translation>Gelesen als %1; Paar %2</translation>
    </message>
    <message>
        <source>table limit %1</source>
        <translation>Tischlimit %1</translation>
    </message>
    <message>
        <source>table limit %1: none entered in the calculator</source>
        <translation>Tischlimit %1: keins im Rechner eingetragen</translation>
    </message>
    <message>
        <source>Your hand is worth more than the calculator can count, fans: maximum</source>
        <translation>Deine Hand ist mehr wert, als der Rechner zählen kann, Fans: Maximum</translation>
    </message>
    <message>
        <source>Your hand is worth more than the calculator can count, %1 fans</source>
        <translation>Deine Hand ist mehr wert, als der Rechner zählen kann, %1 Fans</translation>
    </message>
    <message>
        <source>Your hand is worth %1, Zorvan! Points %2 (%3), fans: maximum</source>
        <translation>Deine Hand zählt %1, Zorvan! Points %2 (%3), Fans: Maximum</translation>
    </message>
    <message>
        <source>Your hand is worth %1, Zorvan! Points %2 (%3), %4 fans</source>
        <translation>Deine Hand zählt %1, Zorvan! Points %2 (%3), %4 Fans</translation>
    </message>
    <message>
        <source>Your hand is worth</source>
        <translation>Deine Hand zählt</translation>
    </message>
    <message>
        <source>Fans</source>
        <translation>Fans</translation>
    </message>
    <message>
        <source>more than the calculator can count</source>
        <translation>mehr, als der Rechner zählen kann</translation>
    </message>
    <message>
        <source>%1 wins %2 on a discard, %3 self-picked</source>
        <translation>%1 gewinnt %2 auf einen Abwurf, %3 selbst gezogen</translation>
    </message>
    <message>
        <source>%1
%2
%3
A click makes it the winning tile.</source>
        <translation>%1
%2
%3
Ein Klick macht ihn zum Gewinnstein.</translation>
    </message>
    <message>
        <source>The calculator window has been closed.</source>
        <translation>Das Rechnerfenster wurde geschlossen.</translation>
    </message>
    <message>
        <source>Ticks the calculator&apos;s sheet for this hand.</source>
        <translation>Kreuzt das Blatt des Rechners für diese Hand an.</translation>
    </message>
    <message>
        <source>Clears the fan counter and selects this hand&apos;s tiles and boxes.</source>
        <translation>Löscht den Fanzähler und wählt die Steine und Kästchen dieser Hand.</translation>
    </message>
    <message>
        <source>no tile that wins is left</source>
        <translation>kein Stein, der Mah-Jongg macht, ist übrig</translation>
    </message>
    <message>
        <source>no tile left helps</source>
        <translation>kein übriger Stein hilft</translation>
    </message>
    <message>
        <source>%1 (%2 left)</source>
        <translation>%1 (%2 übrig)</translation>
    </message>
    <message>
        <source>1 tile left wins: %2</source>
        <translation>1 übriger Stein macht Mah-Jongg: %2</translation>
    </message>
    <message>
        <source>%1 tiles left win: %2</source>
        <translation>%1 übrige Steine machen Mah-Jongg: %2</translation>
    </message>
    <message>
        <source>1 tile left helps: %2</source>
        <translation>1 übriger Stein hilft: %2</translation>
    </message>
    <message>
        <source>%1 tiles left help: %2</source>
        <translation>%1 übrige Steine helfen: %2</translation>
    </message>
    <message>
        <source>Throw %1: waiting; %2; the best wins %3 on a discard</source>
        <translation>%1 abwerfen: wartet; %2; der beste gewinnt %3 auf einen Abwurf</translation>
    </message>
    <message>
        <source>Throw %1: %2; %3</source>
        <translation>%1 abwerfen: %2; %3</translation>
    </message>
    <message>
        <source>Complete already: to score it, enter the last tile drawn as the winning tile. Or throw one, the best first; click a row to throw it.</source>
        <translation>Schon vollständig: Um sie zu zählen, gib den zuletzt gezogenen Stein als Gewinnstein ein. Oder wirf einen ab, der beste zuerst; klicke eine Zeile an, um ihn abzuwerfen.</translation>
    </message>
    <message>
        <source>Throw one, the best first; click a row to throw it.</source>
        <translation>Wirf einen ab, der beste zuerst; klicke eine Zeile an, um ihn abzuwerfen.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>1 tile away</source>
        <translation>1 Stein entfernt</translation>
    </message>
    <message>
        <source>%1 tiles away</source>
        <translation>%1 Steine entfernt</translation>
    </message>
    <message>
        <source>%1. The best throw.</source>
        <translation>%1. Der beste Abwurf.</translation>
    </message>
    <message>
        <source>%1. Your choice.</source>
        <translation>%1. Deine Wahl.</translation>
    </message>
    <message>
        <source>%1, the best to throw</source>
        <translation>%1, am besten abzuwerfen</translation>
    </message>
    <message>
        <source>%1
A click throws it.</source>
        <translation>%1
Ein Klick wirft ihn ab.</translation>
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
        <translation>Dieser Rechner wurde gemacht von:
    Zephyra, alias &quot;Roter Drache&quot;
und
    Quillon, alias &quot;Bambuswind&quot;
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
        <translation>Danke, dass du unseren Rechner benutzt!
Wenn er dir gefällt, schick uns eine
Postkarte, am liebsten von deiner
Stadt oder deinem Land, an:
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
        <translation>Alles fing an einem Küchentisch an, wo wir unsere ersten Partien
Mah-Jongg spielten, mit einem geliehenen Spiel und einem Regelheft, das keiner ganz verstand.
Später zogen wir an die Online-Tische von Zorvan um, wo wir fast jeden Abend spielen.
Online endet ein knappes Spiel mit einer Hand, die sofort gezählt werden muss,
und mehr als einmal wartete der ganze Tisch, während jemand rechnete.
Wir wollten nicht jedes Mal einen Freund oder einen Experten dazuholen,
also schrieben wir ein kleines Programm, das die Zorvan! Points einer Hand zählt.
Dieser erste Rechner war schlicht, aber er zählte richtig und er war schnell.
Wir gaben ihn an die Spieler an unseren Tischen weiter, und sie schickten uns Hinweise:
was fehlte, was unklar war, wo sie anders zählten.
Vieles davon ist in dieses Programm eingeflossen.
Diese zweite Version bringt den Fanzähler mit: Klicke die Steine und Bedingungen
deiner Hand an, und er zeigt, wie viele Fans die Hand wert ist.
Damit kannst du deine Fans prüfen, bevor du sie ansagst,
und Neulinge können beim Spielen das Fanzählen lernen.
Wir hoffen, das Spiel macht dir so viel Spaß wie uns!
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
        <translation>Chow: drei aufeinanderfolgende Steine derselben Farbe
Ehrensteine: Drachen und Winde
KFC: Kentucky Fried Chicken (alles, was du willst... keine Regeln!!!)
Letzter Stein: Stein Nr. 14
Pung/Kong: 3/4 gleiche Steine
Rundenwind: der Wind der Runde, oben links auf dem Bildschirm.
Platzwind: der Wind deines Platzes, bei deinem Namen.
Halb rein: eine Farbe mit Drachen oder Winden
Rein: alles eine Farbe
Selbst gezogen: den Gewinnstein selbst von der Mauer ziehen
Kong rauben: jemand macht einen Kong, und du kannst mit diesem Stein Mahjong machen
Ersatzstein selbst gezogen: du ziehst eine Blume/Jahreszeit oder meldest einen Kong, und der nächste gezogene Stein ist dein Mahjong
Endsteine: die Einsen und die Neunen
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
        <translation>Halb rein = 3 Fans     Das nennen wir die Standard-3-Fans
4 Pungs/Kongs und ein Paar = 3 Fans  Das nennen wir die Standard-3-Fans

Kong aus Blumen/Jahreszeiten = 1 Fan
Mahjong mit einem Ersatzstein = 1 Fan
Nur 1, 9 und Ehrensteine = 1 Fan
4 Chows = 1 Fan
Pung/Kong eines Drachen = 1 Fan
Pung/Kong des Rundenwinds = 1 Fan
Pung/Kong des Platzwinds = 1 Fan
Selbst gezogen = 1 Fan
Keine Blumen und Jahreszeiten = 1 Fan
Eigene Blume oder Jahreszeit = 1 Fan
Kong rauben = 1 Fan
Letzter Stein = 1 Fan

Rein = 6 Fans
Nur Ehrensteine = Maximum an Fans
Nur 1 und 9 = Maximum an Fans
 
Alle Fans werden zusammengezählt!!!
</translation>
    </message>
    <message>
        <source>Who made it</source>
        <translation>Wer hat es gemacht</translation>
    </message>
    <message>
        <source>Thank us</source>
        <translation>Sag danke</translation>
    </message>
    <message>
        <source>Why ?</source>
        <translation>Warum?</translation>
    </message>
    <message>
        <source>Defenitions</source>
        <translation>Begriffe</translation>
    </message>
    <message>
        <source>FanCounting</source>
        <translation>Fans zählen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Unexpected error: %1</source>
        <translation>Unerwarteter Fehler: %1</translation>
    </message>
    <message>
        <source>Unexpected error.</source>
        <translation>Unerwarteter Fehler.</translation>
    </message>
    <message>
        <source>Overflow: this hand is worth more than the calculator can count. The results were left as they were.</source>
        <translation>Überlauf: Diese Hand ist mehr wert, als der Rechner zählen kann. Die Ergebnisse blieben, wie sie waren.</translation>
    </message>
</context>
<context>
    <name>PhonePage</name>
    <message>
        <source>Loading the calculator</source>
        <translation>Der Rechner wird geladen</translation>
    </message>
    <message>
        <source>This calculator needs JavaScript, which is switched off in this browser.</source>
        <translation>Dieser Rechner braucht JavaScript, und das ist in diesem Browser ausgeschaltet.</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Ansichten</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>Fans</source>
        <translation>Fans</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Rechenweg</translation>
    </message>
    <message>
        <source>Tiles to add</source>
        <translation>Steine zum Hinzufügen</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Kreise</translation>
    </message>
    <message>
        <source>Bamboo</source>
        <translation>Bambus</translation>
    </message>
    <message>
        <source>Winds and dragons</source>
        <translation>Winde und Drachen</translation>
    </message>
    <message>
        <source>Flowers and seasons</source>
        <translation>Blumen und Jahreszeiten</translation>
    </message>
    <message>
        <source>How the hand was won</source>
        <translation>Wie die Hand gewonnen wurde</translation>
    </message>
    <message>
        <source>The sheet&apos;s table limit; 500 while none is entered.</source>
        <translation>Das Tischlimit des Blatts; 500, solange keins eingegeben ist.</translation>
    </message>
    <message>
        <source>Share the hand</source>
        <translation>Hand teilen</translation>
    </message>
    <message>
        <source>The link to this hand is copied.</source>
        <translation>Der Link zu dieser Hand ist kopiert.</translation>
    </message>
    <message>
        <source>The calculator with its windows, for a computer</source>
        <translation>Der Rechner mit seinen Fenstern, für einen Computer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The calculator could not be loaded: %1</source>
        <translation>Der Rechner konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>What to throw</source>
        <translation>Was abwerfen</translation>
    </message>
    <message>
        <source>Tap the tile to throw, the best first: how far each leaves the hand from waiting, the tiles that bring it nearer with the copies of them left, and a waiting hand&apos;s best value on a discard.</source>
        <translation>Tippe den Stein an, den du abwirfst, der beste zuerst: wie weit jeder Abwurf die Hand vom Warten lässt, die Steine, die sie näher bringen, mit den noch übrigen Exemplaren, und der höchste Wert einer wartenden Hand auf einen Abwurf.</translation>
    </message>
    <message>
        <source>The 14 tiles are four sets and a pair already: enter the tile drawn last as the winning tile to score them.</source>
        <translation>Die 14 Steine sind schon vier Sätze und ein Paar, du kannst Mah-Jongg machen: gib den zuletzt gezogenen Stein als Gewinnstein ein, um sie zu zählen.</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>1 tile away</source>
        <translation>1 Stein vom Warten</translation>
    </message>
    <message>
        <source>%1 tiles away</source>
        <translation>%1 Steine vom Warten</translation>
    </message>
    <message>
        <source>%1 (%2 left)</source>
        <translation>%1 (noch %2)</translation>
    </message>
    <message>
        <source>no tile</source>
        <translation>keinen Stein</translation>
    </message>
    <message>
        <source>1 tile left in all</source>
        <translation>noch 1 Stein insgesamt</translation>
    </message>
    <message>
        <source>%1 tiles left in all</source>
        <translation>noch %1 Steine insgesamt</translation>
    </message>
    <message>
        <source>Throw %1: %2, accepting %3; %4.</source>
        <translation>%1 abwerfen: %2, nimmt %3; %4.</translation>
    </message>
    <message>
        <source>Best throw, %1: %2, accepting %3; %4.</source>
        <translation>Bester Abwurf, %1: %2, nimmt %3; %4.</translation>
    </message>
    <message>
        <source>Throw %1: %2, accepting %3; %4; the best wait, %5, is worth %6 on a discard.</source>
        <translation>%1 abwerfen: %2, nimmt %3; %4; der beste Wartestein, %5, ist %6 wert auf einen Abwurf.</translation>
    </message>
    <message>
        <source>Best throw, %1: %2, accepting %3; %4; the best wait, %5, is worth %6 on a discard.</source>
        <translation>Bester Abwurf, %1: %2, nimmt %3; %4; der beste Wartestein, %5, ist %6 wert auf einen Abwurf.</translation>
    </message>
</context>
<context>
    <name>PracticeWindow</name>
    <message>
        <source>Sets and pair</source>
        <translation>Sätze und Paar</translation>
    </message>
    <message>
        <source>With doubles</source>
        <translation>Mit Verdopplungen</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Practice counting</source>
        <translation>Zählen üben</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>The hand</source>
        <translation>Die Hand</translation>
    </message>
    <message>
        <source>The hand in tiles, to paste into the hand window</source>
        <translation>Die Hand in Steinen, zum Einfügen ins Handfenster</translation>
    </message>
    <message>
        <source>Your hand is worth</source>
        <translation>Deine Hand zählt</translation>
    </message>
    <message>
        <source>Fans</source>
        <translation>Fans</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Antwort zeigen</translation>
    </message>
    <message>
        <source>Next hand</source>
        <translation>Nächste Hand</translation>
    </message>
    <message>
        <source>Show on the sheet</source>
        <translation>Auf dem Blatt zeigen</translation>
    </message>
    <message>
        <source>Show on the fan counter</source>
        <translation>Im Fanzähler zeigen</translation>
    </message>
    <message>
        <source>%1 of %2 right, %3 in a row</source>
        <translation>%1 von %2 richtig, %3 in Folge</translation>
    </message>
    <message>
        <source>Check your answer or show the answer first.</source>
        <translation>Prüfe zuerst deine Antwort oder zeig die Antwort.</translation>
    </message>
    <message>
        <source>The calculator window has been closed.</source>
        <translation>Das Rechnerfenster wurde geschlossen.</translation>
    </message>
    <message>
        <source>Ticks the calculator&apos;s sheet for this hand.</source>
        <translation>Kreuzt das Blatt des Rechners für diese Hand an.</translation>
    </message>
    <message>
        <source>Clears the fan counter and selects this hand&apos;s tiles and boxes.</source>
        <translation>Löscht den Fanzähler und wählt die Steine und Kästchen dieser Hand.</translation>
    </message>
    <message>
        <source>Type the count as a whole number.</source>
        <translation>Tippe die Zählung als ganze Zahl.</translation>
    </message>
    <message>
        <source>Type the fans as a whole number.</source>
        <translation>Tippe die Fans als ganze Zahl.</translation>
    </message>
    <message>
        <source>Right: the hand is worth more than the calculator can count.</source>
        <translation>Richtig: Die Hand ist mehr wert, als der Rechner zählen kann.</translation>
    </message>
    <message>
        <source>Not quite: the hand is worth more than the calculator can count, not %1.</source>
        <translation>Nicht ganz: Die Hand ist mehr wert, als der Rechner zählen kann, nicht %1.</translation>
    </message>
    <message>
        <source>Right: the hand is worth %1.</source>
        <translation>Richtig: Die Hand zählt %1.</translation>
    </message>
    <message>
        <source>Not quite: the hand is worth %1, not %2.</source>
        <translation>Nicht ganz: Die Hand zählt %1, nicht %2.</translation>
    </message>
    <message>
        <source>Right: 1 fan.</source>
        <translation>Richtig: 1 Fan.</translation>
    </message>
    <message>
        <source>Right: %1 fans.</source>
        <translation>Richtig: %1 Fans.</translation>
    </message>
    <message>
        <source>Not quite: 1 fan, not %1.</source>
        <translation>Nicht ganz: 1 Fan, nicht %1.</translation>
    </message>
    <message>
        <source>Not quite: %1 fans, not %2.</source>
        <translation>Nicht ganz: %1 Fans, nicht %2.</translation>
    </message>
    <message>
        <source>Seat wind %1, prevailing wind %2, table limit %3: which tile would you throw? Click it in the hand.</source>
        <translation>Platzwind %1, Rundenwind %2, Tischlimit %3: Welchen Stein würdest du abwerfen? Klicke ihn in der Hand an.</translation>
    </message>
    <message>
        <source>Right: throwing %1 is among the best, %2 with %3 tiles left to help.</source>
        <translation>Richtig: %1 abzuwerfen ist einer der besten Abwürfe: %2, mit %3 übrigen Steinen, die helfen.</translation>
    </message>
    <message>
        <source>Not quite: throwing %1 leaves the hand %2 with %3 tiles left to help; throwing %4 leaves it %5 with %6.</source>
        <translation>Nicht ganz: Nach dem Abwurf von %1 ist die Hand %2, mit %3 übrigen Steinen, die helfen; nach dem Abwurf von %4 ist sie %5, mit %6.</translation>
    </message>
    <message>
        <source>What to throw</source>
        <translation>Was abwerfen</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Fancounting</source>
        <translation>Fans zählen</translation>
    </message>
    <message>
        <source>What gives you a fan (text)</source>
        <translation>Was bringt einen Fan (Text)</translation>
    </message>
    <message>
        <source>Fancalculator</source>
        <translation>Fanzähler</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Enter a hand from tiles</source>
        <translation>Eine Hand aus Steinen eingeben</translation>
    </message>
    <message>
        <source>Practice counting</source>
        <translation>Zählen üben</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Who made it</source>
        <translation>Wer hat es gemacht</translation>
    </message>
    <message>
        <source>Why did we make it</source>
        <translation>Warum haben wir es gemacht</translation>
    </message>
    <message>
        <source>Show your appreciation</source>
        <translation>Zeig deine Anerkennung</translation>
    </message>
    <message>
        <source>How does it work</source>
        <translation>Wie funktioniert es</translation>
    </message>
    <message>
        <source>Definitions</source>
        <translation>Begriffe</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>For the Calculator fill in TableLimit-for the FanCounter click seat and prevailing wind before clicking other boxes</source>
        <translation>Trage für den Rechner zuerst das Tischlimit ein - klicke für den Fanzähler zuerst Platz- und Rundenwind an, erst dann andere Kästchen</translation>
    </message>
    <message>
        <source>Check This!</source>
        <translation>Beachte das!</translation>
    </message>
</context>
<context>
    <name>ThrowsTable</name>
    <message>
        <source>Throw</source>
        <translation>Abwurf</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Draws that help (copies left)</source>
        <translation>Steine, die helfen (übrig)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Best win</source>
        <translation>Bester Gewinn</translation>
    </message>
    <message>
        <source>The tile to throw</source>
        <translation>Der Stein zum Abwerfen</translation>
    </message>
    <message>
        <source>How many exchanges of a tile the hand is from waiting</source>
        <translation>Wie viele Tausche eines Steins die Hand vom Warten entfernt ist</translation>
    </message>
    <message>
        <source>The tiles that, drawn next, bring the hand nearer (or finish a waiting hand), each with the copies not in your hand</source>
        <translation>Die Steine, die als nächste gezogen die Hand näher bringen (oder mit einer wartenden Hand Mah-Jongg machen), jeweils mit den Exemplaren außerhalb deiner Hand</translation>
    </message>
    <message>
        <source>The copies left of every tile that helps</source>
        <translation>Die übrigen Exemplare aller Steine, die helfen</translation>
    </message>
    <message>
        <source>A waiting hand&apos;s highest Zorvan! Points on a discard</source>
        <translation>Die höchsten Zorvan! Points einer wartenden Hand auf einen Abwurf</translation>
    </message>
    <message>
        <source>Throws</source>
        <translation>Abwürfe</translation>
    </message>
</context>
<context>
    <name>Wind</name>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
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
        <translation>%1: ersetzt durch das Tischlimit %2</translation>
    </message>
    <message>
        <source>+%1 %2 (%3) = %4</source>
        <translation>+%1 %2 (%3) = %4</translation>
    </message>
    <message>
        <source>20 base</source>
        <translation>20 Grundwert</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>%1, capped at the table limit %2 = %3</source>
        <translation>%1, begrenzt auf das Tischlimit %2 = %3</translation>
    </message>
    <message>
        <source>%1, within the table limit %2</source>
        <translation>%1, innerhalb des Tischlimits %2</translation>
    </message>
    <message>
        <source>x6 (East) = %1</source>
        <translation>x6 (Ost) = %1</translation>
    </message>
    <message>
        <source>x4 (not East) = %1</source>
        <translation>x4 (nicht Ost) = %1</translation>
    </message>
    <message>
        <source>the count</source>
        <translation>die Zählung</translation>
    </message>
    <message>
        <source>Overflow at &quot;%1&quot;: the hand is worth more than the calculator can count. The results were left as they were.</source>
        <translation>Überlauf bei „%1“: Die Hand ist mehr wert, als der Rechner zählen kann. Die Ergebnisse blieben, wie sie waren.</translation>
    </message>
    <message>
        <source>%1 White dragon pong</source>
        <translation>%1 Pung Weißer Drache</translation>
    </message>
    <message>
        <source>%1 Red dragon pong</source>
        <translation>%1 Pung Roter Drache</translation>
    </message>
    <message>
        <source>%1 Green dragon pong</source>
        <translation>%1 Pung Grüner Drache</translation>
    </message>
    <message>
        <source>%1 no flowers and seasons</source>
        <translation>%1 keine Blumen und Jahreszeiten</translation>
    </message>
    <message>
        <source>%1 own flower %2 (%3 seat)</source>
        <translation>%1 eigene Blume %2 (Platz %3)</translation>
    </message>
    <message>
        <source>%1 all four flowers</source>
        <translation>%1 alle vier Blumen</translation>
    </message>
    <message>
        <source>%1 own season %2 (%3 seat)</source>
        <translation>%1 eigene Jahreszeit %2 (Platz %3)</translation>
    </message>
    <message>
        <source>%1 all four seasons</source>
        <translation>%1 alle vier Jahreszeiten</translation>
    </message>
    <message>
        <source>%1 %2 pong (seat and prevailing wind)</source>
        <translation>%1 Pung %2 (Platz- und Rundenwind)</translation>
    </message>
    <message>
        <source>%1 %2 pong (seat wind)</source>
        <translation>%1 Pung %2 (Platzwind)</translation>
    </message>
    <message>
        <source>%1 %2 pong (prevailing wind)</source>
        <translation>%1 Pung %2 (Rundenwind)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
</TS>
