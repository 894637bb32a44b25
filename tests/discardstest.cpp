#include "discardstest.h"

#include <QStringList>
#include <QtGlobal>

#include "notation.h"
#include "tilenames.h"

namespace discardstest {

hand::Face face(const QString& text)
{
    const hand::ParsedHand parsed =
        hand::parseHand(text.toStdString(), hand::WinningTile::Optional);
    for (hand::Face f = 0; f < hand::faceCount; ++f) {
        if (parsed.hand.concealed[f] == 1)
            return f;
    }
    qFatal("not one tile: %s", qPrintable(text));
}

QString tileText(hand::Face f)
{
    return QString::fromStdString(hand::faceText(f));
}

QString acceptsText(const std::vector<hand::Accept>& accepts)
{
    QStringList words;
    for (const hand::Accept& accept : accepts)
        words << tileText(accept.face) + QString::number(accept.left);
    return words.join(u' ');
}

QString waitFaces(const std::vector<hand::Wait>& waits)
{
    QStringList words;
    for (const hand::Wait& wait : waits)
        words << tileText(wait.face);
    return words.join(u' ');
}

const hand::Discard* discardOf(const hand::DiscardsResult& result, hand::Face thrown)
{
    for (const hand::Discard& discard : result.discards) {
        if (discard.face == thrown)
            return &discard;
    }
    return nullptr;
}

} // namespace discardstest
