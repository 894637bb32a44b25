#include "throwview.h"

#include <utility>

#include "handpictures.h"
#include "handview.h"
#include "tilenames.h"

namespace hand {

namespace {

// The hand window's own texts.
Phrase handWindowText(const char* pattern, std::vector<Phrase> args = {})
{
    return phrase("HandWindow", pattern, std::move(args));
}

Phrase countPhrase(int count, const char* one, const char* many)
{
    return count == 1 ? handWindowText(one) : handWindowText(many, {plainNumber(count)});
}

// "12 tiles left help: Dots 3 (4 left), Dots 6 (4 left)"; a waiting hand's are tiles that win.
Phrase helpPhrase(const Discard& discard)
{
    const bool waiting = discard.away == 0;
    if (discard.accepts.empty())
        return waiting
                   ? handWindowText(QT_TRANSLATE_NOOP("HandWindow", "no tile that wins is left"))
                   : handWindowText(QT_TRANSLATE_NOOP("HandWindow", "no tile left helps"));
    std::vector<Phrase> faces;
    for (const Accept& accept : discard.accepts)
        faces.push_back(handWindowText(QT_TRANSLATE_NOOP("HandWindow", "%1 (%2 left)"),
                                       {spokenFace(accept.face), plainNumber(accept.left)}));
    const char* pattern =
        waiting
            ? (discard.accepted == 1 ? QT_TRANSLATE_NOOP("HandWindow", "1 tile left wins: %2")
                                     : QT_TRANSLATE_NOOP("HandWindow", "%1 tiles left win: %2"))
            : (discard.accepted == 1 ? QT_TRANSLATE_NOOP("HandWindow", "1 tile left helps: %2")
                                     : QT_TRANSLATE_NOOP("HandWindow", "%1 tiles left help: %2"));
    return handWindowText(pattern, {plainNumber(discard.accepted), phraseList(std::move(faces))});
}

Phrase rowSentence(const Discard& discard)
{
    const int best = bestWait(discard.waits);
    if (discard.away == 0 && best >= 0) {
        const Worth& worth = discard.waits[static_cast<std::size_t>(best)].discard;
        return handWindowText(
            QT_TRANSLATE_NOOP("HandWindow", "Throw %1: waiting; %2; the best wins %3 on a discard"),
            {spokenFace(discard.face), helpPhrase(discard),
             worth.overflow ? handWindowText(QT_TRANSLATE_NOOP(
                                  "HandWindow", "more than the calculator can count"))
                            : plainNumber(worth.value)});
    }
    return handWindowText(
        QT_TRANSLATE_NOOP("HandWindow", "Throw %1: %2; %3"),
        {spokenFace(discard.face), awayPhrase(discard.away), helpPhrase(discard)});
}

} // namespace

bool isThrowingHand(const Hand& hand)
{
    return !hand.winning && handSize(hand) == 14;
}

Phrase throwsLine(const DiscardsResult& result)
{
    if (result.complete)
        return handWindowText(QT_TRANSLATE_NOOP(
            "HandWindow", "Complete already: to score it, enter the last tile drawn as the "
                          "winning tile. Or throw one, the best first; click a row to throw it."));
    return handWindowText(
        QT_TRANSLATE_NOOP("HandWindow", "Throw one, the best first; click a row to throw it."));
}

bool amongBest(const DiscardsResult& result, Face face)
{
    if (result.discards.empty())
        return false;
    const Discard& best = result.discards.front();
    for (const Discard& discard : result.discards) {
        if (discard.face == face)
            return discard.away == best.away && discard.accepted == best.accepted;
    }
    return false;
}

Phrase awayPhrase(int away)
{
    return away == 0 ? handWindowText(QT_TRANSLATE_NOOP("HandWindow", "waiting"))
                     : countPhrase(away, QT_TRANSLATE_NOOP("HandWindow", "1 tile away"),
                                   QT_TRANSLATE_NOOP("HandWindow", "%1 tiles away"));
}

std::vector<ThrowRow> throwRows(const DiscardsResult& result, std::optional<Face> chosen,
                                bool everyBest)
{
    std::vector<ThrowRow> rows;
    for (const Discard& discard : result.discards) {
        ThrowRow row;
        row.tile = faceText(discard.face);
        row.image = faceImage(discard.face);
        row.away = discard.away == 0 ? handWindowText(QT_TRANSLATE_NOOP("HandWindow", "waiting"))
                                     : plainNumber(discard.away);
        for (const Accept& accept : discard.accepts)
            row.accepts.push_back({faceText(accept.face), faceImage(accept.face), accept.left});
        row.accepted = discard.accepted;
        const int best = bestWait(discard.waits);
        if (best >= 0)
            row.worth = shortWorth(discard.waits[static_cast<std::size_t>(best)].discard);
        row.best = everyBest ? amongBest(result, discard.face) : rows.empty();
        row.chosen = chosen == discard.face;
        row.sentence = rowSentence(discard);
        if (row.best)
            row.sentence = handWindowText(QT_TRANSLATE_NOOP("HandWindow", "%1. The best throw."),
                                          {std::move(row.sentence)});
        if (row.chosen)
            row.sentence = handWindowText(QT_TRANSLATE_NOOP("HandWindow", "%1. Your choice."),
                                          {std::move(row.sentence)});
        row.toolTip = row.sentence;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<Face> concealedFaceAt(const Hand& hand, int slot)
{
    int at = 0;
    for (const std::vector<Picture>& group : pictureGroups(hand)) {
        for (const Picture& picture : group) {
            if (at++ == slot)
                return picture.kind == Picture::Kind::Concealed ? std::optional<Face>(picture.face)
                                                                : std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<int> concealedSlotOf(const Hand& hand, Face face)
{
    int at = 0;
    for (const std::vector<Picture>& group : pictureGroups(hand)) {
        for (const Picture& picture : group) {
            if (picture.kind == Picture::Kind::Concealed && picture.face == face)
                return at;
            ++at;
        }
    }
    return std::nullopt;
}

void markBestThrow(TilePictureGroups& groups, const Hand& hand, Face best)
{
    const std::vector<std::vector<Picture>> pictures = pictureGroups(hand);
    for (std::size_t g = 0; g < groups.size() && g < pictures.size(); ++g) {
        for (std::size_t i = 0; i < groups[g].size() && i < pictures[g].size(); ++i) {
            const Picture& picture = pictures[g][i];
            if (picture.kind != Picture::Kind::Concealed || picture.face != best)
                continue;
            TilePicture& shown = groups[g][i];
            shown.selected = true;
            shown.name = handWindowText(QT_TRANSLATE_NOOP("HandWindow", "%1, the best to throw"),
                                        {std::move(shown.name)});
        }
    }
}

} // namespace hand
