// Draws the fan counter's 30 tile images: 15 faces, each in a normal look (greyscale on white)
// and a selected look (colour on a yellow ground), 66 x 82 pixels, twice the tile's size on
// screen. Run it again after changing a drawing and commit the JPEG files it writes:
//
//     tilegen resources/tiles
//
// The winds and dragons need a font with traditional Chinese characters (on Debian:
// fonts-noto-cjk).

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

#include "fanboard.h"

namespace {

constexpr int imageWidth = 66;
constexpr int imageHeight = 82;
const QRectF body(3, 2, 58, 76);
const QRectF faceArea(9, 8, 46, 64);

const QColor selectedGround(0xff, 0xdf, 0x3a);
const QColor selectedBody(0xff, 0xef, 0x8a);
const QColor windInk(0x1b, 0x2f, 0x7a);
const QColor dragonRed(0xc8, 0x10, 0x2e);
const QColor dragonGreen(0x12, 0x7a, 0x3a);
const QColor frameBlue(0x20, 0x50, 0xc0);
const QColor leafGreen(0x2e, 0x8b, 0x2e);
const QColor stemBrown(0x7a, 0x4a, 0x1e);

QString chineseFamily()
{
    for (const QString& family :
         {QStringLiteral("Noto Serif CJK TC"), QStringLiteral("Noto Sans CJK TC"),
          QStringLiteral("Noto Serif CJK SC")}) {
        if (QFontDatabase::hasFamily(family))
            return family;
    }
    const QStringList families = QFontDatabase::families(QFontDatabase::TraditionalChinese);
    return families.isEmpty() ? QString() : families.front();
}

void drawCharacter(QPainter& painter, const QString& family, QChar character, const QColor& ink)
{
    QFont font(family);
    font.setPixelSize(40);
    font.setWeight(QFont::Bold);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(faceArea, Qt::AlignCenter, QString(character));
}

void drawNumber(QPainter& painter, int number, const QColor& ink)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRectF(faceArea.left(), faceArea.top() - 2, 14, 18), Qt::AlignCenter,
                     QString::number(number));
}

void drawStem(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width)
{
    QPainterPath path(from);
    const QPointF middle = (from + to) / 2;
    path.quadTo(middle + QPointF(6, 0), to);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void drawLeaf(QPainter& painter, QPointF base, qreal angle, qreal length, const QColor& colour)
{
    painter.save();
    painter.translate(base);
    painter.rotate(angle);
    QPainterPath leaf(QPointF(0, 0));
    leaf.quadTo(QPointF(length / 2, -length / 3), QPointF(length, 0));
    leaf.quadTo(QPointF(length / 2, length / 3), QPointF(0, 0));
    painter.setPen(QPen(colour.darker(140), 1));
    painter.setBrush(colour);
    painter.drawPath(leaf);
    painter.restore();
}

void drawBlossom(QPainter& painter, QPointF centre, int petals, qreal length, qreal width,
                 const QColor& colour, const QColor& heart)
{
    painter.setPen(QPen(colour.darker(150), 1));
    painter.setBrush(colour);
    for (int i = 0; i < petals; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(360.0 * i / petals - 90);
        painter.drawEllipse(QRectF(0, -width / 2, length, width));
        painter.restore();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(heart);
    painter.drawEllipse(centre, 2.5, 2.5);
}

// Flowers: plum, orchid, chrysanthemum, bamboo.
void drawFlower(QPainter& painter, int number)
{
    const QPointF ground(34, 69);
    switch (number) {
    case 1:
        drawStem(painter, ground, QPointF(32, 34), stemBrown, 3);
        drawStem(painter, QPointF(33, 52), QPointF(44, 44), stemBrown, 2);
        drawBlossom(painter, QPointF(31, 31), 5, 8, 7, QColor(0xf2, 0x6d, 0x9a), Qt::yellow);
        drawBlossom(painter, QPointF(45, 42), 5, 5, 5, QColor(0xf2, 0x6d, 0x9a), Qt::yellow);
        break;
    case 2:
        drawStem(painter, ground, QPointF(33, 36), leafGreen, 2);
        drawLeaf(painter, ground, -115, 26, leafGreen);
        drawLeaf(painter, ground, -65, 24, leafGreen);
        drawBlossom(painter, QPointF(33, 32), 3, 11, 6, QColor(0x9b, 0x4d, 0xca),
                    QColor(0xf5, 0xd0, 0x20));
        break;
    case 3:
        drawStem(painter, ground, QPointF(33, 36), leafGreen, 2);
        drawLeaf(painter, QPointF(34, 56), -30, 13, leafGreen);
        drawLeaf(painter, QPointF(34, 50), -150, 13, leafGreen);
        drawBlossom(painter, QPointF(33, 31), 14, 10, 3, QColor(0xf0, 0x8c, 0x10),
                    QColor(0xa0, 0x40, 0x00));
        break;
    default:
        for (int i = 0; i < 4; ++i) {
            const qreal top = 69 - 10 * (i + 1);
            painter.setPen(QPen(leafGreen.darker(130), 1));
            painter.setBrush(leafGreen);
            painter.drawRoundedRect(QRectF(29, top, 6, 9), 2, 2);
        }
        drawLeaf(painter, QPointF(35, 40), -30, 16, leafGreen.lighter(120));
        drawLeaf(painter, QPointF(35, 50), 10, 14, leafGreen.lighter(120));
        drawLeaf(painter, QPointF(29, 45), -160, 15, leafGreen.lighter(120));
        break;
    }
}

// Seasons: a branch through the year.
void drawSeason(QPainter& painter, int number)
{
    const QPointF ground(22, 70);
    const QPointF tip(44, 28);
    drawStem(painter, ground, tip, stemBrown, 3);
    const QPointF twigs[] = {{27, 56}, {33, 46}, {39, 37}, {44, 28}};
    for (int i = 0; i < 4; ++i) {
        const QPointF at = twigs[i];
        switch (number) {
        case 1: // spring: fresh leaves and buds
            drawLeaf(painter, at, i % 2 ? -20 : -160, 9, QColor(0x7c, 0xd0, 0x4a));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0xf7, 0x9a, 0xc0));
            painter.drawEllipse(at + QPointF(0, -4), 3, 3);
            break;
        case 2: // summer: full leaves and a flower
            drawLeaf(painter, at, -25, 13, leafGreen);
            drawLeaf(painter, at, -155, 13, leafGreen);
            if (i == 3)
                drawBlossom(painter, at, 6, 7, 5, QColor(0xe8, 0x30, 0x30), Qt::yellow);
            break;
        case 3: // autumn: turning leaves
            drawLeaf(painter, at, i % 2 ? -35 : -145, 13,
                     i % 2 ? QColor(0xe0, 0x60, 0x10) : QColor(0xc0, 0x20, 0x10));
            break;
        default: // winter: bare twigs under snow
            drawStem(painter, at, at + QPointF(i % 2 ? 8 : -8, -6), stemBrown, 1.5);
            painter.setPen(QPen(QColor(0x60, 0x90, 0xd0), 1));
            painter.setBrush(Qt::white);
            painter.drawEllipse(at + QPointF(i % 2 ? 8 : -8, -7), 3, 3);
            break;
        }
    }
}

void drawFace(QPainter& painter, TileFace face, const QString& chinese)
{
    switch (face) {
    case TileFace::East:
        drawCharacter(painter, chinese, QChar(0x6771), windInk);
        break;
    case TileFace::South:
        drawCharacter(painter, chinese, QChar(0x5357), windInk);
        break;
    case TileFace::West:
        drawCharacter(painter, chinese, QChar(0x897F), windInk);
        break;
    case TileFace::North:
        drawCharacter(painter, chinese, QChar(0x5317), windInk);
        break;
    case TileFace::RedDragon:
        drawCharacter(painter, chinese, QChar(0x4E2D), dragonRed);
        break;
    case TileFace::GreenDragon:
        drawCharacter(painter, chinese, QChar(0x767C), dragonGreen);
        break;
    case TileFace::WhiteDragon:
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(frameBlue, 3));
        painter.drawRoundedRect(faceArea.adjusted(4, 6, -4, -6), 3, 3);
        painter.setPen(QPen(frameBlue, 1));
        painter.drawRect(faceArea.adjusted(9, 11, -9, -11));
        break;
    default: {
        const int index = static_cast<int>(face);
        if (index <= static_cast<int>(TileFace::Flower4)) {
            const int number = index - static_cast<int>(TileFace::Flower1) + 1;
            drawFlower(painter, number);
            drawNumber(painter, number, dragonRed);
        } else {
            const int number = index - static_cast<int>(TileFace::Season1) + 1;
            drawSeason(painter, number);
            drawNumber(painter, number, frameBlue);
        }
        break;
    }
    }
}

QImage drawTile(TileFace face, bool selected, const QString& chinese)
{
    QImage image(imageWidth, imageHeight, QImage::Format_RGB32);
    image.fill(selected ? selectedGround : QColor(Qt::white));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // The tile's edge, then its face side.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x9a, 0x9a, 0x9a));
    painter.drawRoundedRect(body.translated(2, 3), 6, 6);
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.5));
    painter.setBrush(selected ? selectedBody : QColor(Qt::white));
    painter.drawRoundedRect(body, 6, 6);

    drawFace(painter, face, chinese);
    painter.end();
    return selected ? image : image.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tilegen <output directory>\n");
        return 2;
    }
    const QString chinese = chineseFamily();
    if (chinese.isEmpty()) {
        std::fprintf(stderr, "tilegen: no font with traditional Chinese characters found "
                             "(install fonts-noto-cjk)\n");
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "tilegen: cannot create %s\n", argv[1]);
        return 1;
    }
    for (int face = 0; face < faceCount; ++face) {
        for (const bool selected : {true, false}) {
            const QString name =
                QStringLiteral("%1-%2.jpg")
                    .arg(QLatin1String(faceNames[face]),
                         selected ? QLatin1String("selected") : QLatin1String("normal"));
            const QImage image = drawTile(static_cast<TileFace>(face), selected, chinese);
            if (!image.save(out.filePath(name), "JPEG", 95)) {
                std::fprintf(stderr, "tilegen: cannot write %s\n", qPrintable(name));
                return 1;
            }
        }
    }
    return 0;
}
