// Draws the 84 tile images: 42 faces (the fan counter's 15 winds, dragons, flowers and seasons,
// and the 27 suited faces 1m..9m, 1p..9p, 1s..9s), each in a normal look (greyscale on white)
// and a selected look (colour on a yellow ground), 132 x 164 pixels: four times the tile's
// 33 x 41 on screen, so a tile stays sharp at a design scale of 2 on a 2x screen. Run it again
// after changing a drawing and commit the JPEG files it writes:
//
//     tilegen resources/tiles
//
// The characters need a font with traditional Chinese characters (on Debian: fonts-noto-cjk).

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <vector>

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "fanboard.h"

namespace {

// Every drawing is made on a 66 x 82 grid (twice the tile's size on screen) and painted
// at twice that.
constexpr int gridWidth = 66;
constexpr int gridHeight = 82;
constexpr int gridScale = 2;
constexpr int jpegQuality = 90;
constexpr int imageWidth = gridWidth * gridScale;
constexpr int imageHeight = gridHeight * gridScale;
const QRectF body(3, 2, 58, 76);
const QRectF faceArea(9, 8, 46, 64);
// The suited faces leave the top-left corner to their digit.
const QRectF cornerDigit(4, 2, 13, 18);
const QRectF suitArea(10, 17, 46, 58);

const QColor selectedGround(0xff, 0xdf, 0x3a);
const QColor selectedBody(0xff, 0xef, 0x8a);
const QColor windInk(0x1b, 0x2f, 0x7a);
const QColor dragonRed(0xc8, 0x10, 0x2e);
const QColor dragonGreen(0x12, 0x7a, 0x3a);
const QColor frameBlue(0x20, 0x50, 0xc0);
const QColor leafGreen(0x2e, 0x8b, 0x2e);
const QColor stemBrown(0x7a, 0x4a, 0x1e);
const QColor numeralInk(0x14, 0x1e, 0x50);
const QColor dotBlue(0x1b, 0x4f, 0xa8);
const QColor bambooGreen(0x16, 0x80, 0x40);

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

void drawCornerDigit(QPainter& painter, int number, const QColor& ink)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(17);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(cornerDigit, Qt::AlignCenter, QString::number(number));
}

// Characters: the numeral above the character for ten thousand.
void drawCharacters(QPainter& painter, int number, const QString& chinese)
{
    static constexpr char16_t numerals[] = {0x4E00, 0x4E8C, 0x4E09, 0x56DB, 0x4E94,
                                            0x516D, 0x4E03, 0x516B, 0x4E5D};
    QFont font(chinese);
    font.setWeight(QFont::Bold);
    font.setPixelSize(24);
    painter.setFont(font);
    painter.setPen(numeralInk);
    painter.drawText(QRectF(15, 7, 36, 30), Qt::AlignCenter, QString(QChar(numerals[number - 1])));
    font.setPixelSize(34);
    painter.setFont(font);
    painter.setPen(dragonRed);
    painter.drawText(QRectF(9, 36, 48, 40), Qt::AlignCenter, QString(QChar(0x842C)));
}

// A coin: rings of the colour around the tile's own ground.
void drawDot(QPainter& painter, QPointF centre, qreal radius, const QColor& colour,
             const QColor& ground)
{
    painter.setPen(QPen(colour.darker(130), 0.8));
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawEllipse(centre, radius * 0.62, radius * 0.62);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius * 0.38, radius * 0.38);
}

// The one of dots: a large coin with a flower in its middle.
void drawBigDot(QPainter& painter, QPointF centre, const QColor& ground)
{
    drawDot(painter, centre, 18, bambooGreen, ground);
    painter.setPen(QPen(dotBlue.darker(130), 0.8));
    painter.setBrush(dotBlue);
    painter.drawEllipse(centre, 10, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    for (int i = 0; i < 8; ++i) {
        const qreal angle = i * std::numbers::pi / 4;
        painter.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * 6.5, 1.6, 1.6);
    }
    painter.setBrush(dragonRed);
    painter.drawEllipse(centre, 3.5, 3.5);
}

void drawDots(QPainter& painter, int number, const QColor& ground)
{
    struct Dot {
        qreal x, y;
        QColor colour;
    };
    const QColor b = dotBlue, r = dragonRed, g = bambooGreen;
    qreal radius = 7;
    std::vector<Dot> dots;
    switch (number) {
    case 1:
        drawBigDot(painter, QPointF(33, 46), ground);
        return;
    case 2:
        radius = 10;
        dots = {{33, 31, g}, {33, 61, b}};
        break;
    case 3:
        radius = 8;
        dots = {{21, 28, b}, {33, 46, r}, {45, 64, g}};
        break;
    case 4:
        radius = 9;
        dots = {{22, 32, b}, {44, 32, g}, {22, 60, g}, {44, 60, b}};
        break;
    case 5:
        radius = 8;
        dots = {{21, 28, b}, {45, 28, g}, {33, 46, r}, {21, 64, g}, {45, 64, b}};
        break;
    case 6:
        dots = {{23, 26, g}, {43, 26, g}, {23, 51, r}, {43, 51, r}, {23, 67, r}, {43, 67, r}};
        break;
    case 7:
        radius = 6;
        dots = {{21, 25, g}, {33, 31, g}, {45, 37, g}, {23, 53, r},
                {43, 53, r}, {23, 68, r}, {43, 68, r}};
        break;
    case 8:
        radius = 6.5;
        for (const qreal y : {24, 39, 54, 69})
            dots.insert(dots.end(), {{23, y, b}, {43, y, b}});
        break;
    default:
        for (int row = 0; row < 3; ++row) {
            const QColor colour = row == 0 ? b : row == 1 ? r : g;
            for (const qreal x : {19, 33, 47})
                dots.push_back({x, 27.0 + 19 * row, colour});
        }
        break;
    }
    for (const Dot& dot : dots)
        drawDot(painter, QPointF(dot.x, dot.y), radius, dot.colour, ground);
}

// A bamboo stick with a knot in its middle, leaning by `angle` degrees.
void drawStick(QPainter& painter, QPointF centre, qreal length, const QColor& colour,
               qreal angle = 0)
{
    const qreal width = 7;
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.setPen(QPen(colour.darker(150), 0.8));
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(-width / 2, -length / 2, width, length), 2.5, 2.5);
    painter.setPen(QPen(colour.lighter(190), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, -length / 2 + 2.5), QPointF(0, -2.5));
    painter.drawLine(QPointF(0, 2.5), QPointF(0, length / 2 - 2.5));
    painter.setPen(QPen(colour.darker(170), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-width / 2 - 0.5, 0), QPointF(width / 2 + 0.5, 0));
    painter.restore();
}

// The one of bamboo: a small bird on a twig.
void drawBird(QPainter& painter)
{
    drawStem(painter, QPointF(14, 70), QPointF(54, 66), stemBrown, 2.5);
    drawLeaf(painter, QPointF(46, 67), -40, 10, leafGreen);
    // Tail, then body, wing, head and beak.
    drawLeaf(painter, QPointF(28, 54), 140, 20, dotBlue);
    drawLeaf(painter, QPointF(28, 54), 120, 18, bambooGreen);
    painter.setPen(QPen(bambooGreen.darker(150), 0.8));
    painter.setBrush(bambooGreen);
    painter.drawEllipse(QPointF(34, 48), 13, 9.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dragonRed);
    painter.drawEllipse(QPointF(40, 50), 6, 5);
    drawLeaf(painter, QPointF(28, 45), 15, 15, dotBlue);
    painter.setPen(QPen(dotBlue.darker(150), 0.8));
    painter.setBrush(dotBlue);
    painter.drawEllipse(QPointF(44, 36), 7, 7);
    QPainterPath beak(QPointF(50, 33));
    beak.lineTo(QPointF(57, 36));
    beak.lineTo(QPointF(50, 39));
    beak.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf0, 0x9a, 0x10));
    painter.drawPath(beak);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(46, 34.5), 2, 2);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(46.5, 34.5), 1, 1);
    painter.setPen(QPen(stemBrown, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(32, 56), QPointF(31, 68));
    painter.drawLine(QPointF(37, 56), QPointF(37, 67.5));
}

void drawBamboo(QPainter& painter, int number)
{
    const QColor b = dotBlue, r = dragonRed, g = bambooGreen;
    switch (number) {
    case 1:
        drawBird(painter);
        break;
    case 2:
        drawStick(painter, QPointF(33, 32), 25, g);
        drawStick(painter, QPointF(33, 60), 25, b);
        break;
    case 3:
        drawStick(painter, QPointF(33, 32), 25, b);
        drawStick(painter, QPointF(23, 60), 25, g);
        drawStick(painter, QPointF(43, 60), 25, g);
        break;
    case 4:
        drawStick(painter, QPointF(23, 32), 25, g);
        drawStick(painter, QPointF(43, 32), 25, b);
        drawStick(painter, QPointF(23, 60), 25, b);
        drawStick(painter, QPointF(43, 60), 25, g);
        break;
    case 5:
        drawStick(painter, QPointF(19, 32), 25, g);
        drawStick(painter, QPointF(47, 32), 25, b);
        drawStick(painter, QPointF(33, 46), 25, r);
        drawStick(painter, QPointF(19, 60), 25, b);
        drawStick(painter, QPointF(47, 60), 25, g);
        break;
    case 6:
        for (const qreal x : {20, 33, 46}) {
            drawStick(painter, QPointF(x, 32), 25, b);
            drawStick(painter, QPointF(x, 60), 25, g);
        }
        break;
    case 7:
        drawStick(painter, QPointF(33, 25), 15, r);
        for (const qreal x : {20, 33, 46}) {
            drawStick(painter, QPointF(x, 44), 18, g);
            drawStick(painter, QPointF(x, 65), 18, g);
        }
        break;
    case 8:
        // An M above a W.
        for (int i = 0; i < 4; ++i) {
            const qreal x = 15 + 12 * i;
            const qreal lean = i % 2 ? -14 : 14;
            const QColor colour = i == 1 || i == 2 ? b : g;
            drawStick(painter, QPointF(x, 32), 24, colour, lean);
            drawStick(painter, QPointF(x, 60), 24, colour, -lean);
        }
        break;
    default:
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column)
                drawStick(painter, QPointF(20 + 13 * column, 27 + 19 * row), 17,
                          column == 1 ? r
                          : row == 1  ? b
                                      : g);
        }
        break;
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

// Draws the face on a tile's body; `ground` is the colour of the body.
using FaceDrawing = std::function<void(QPainter& painter, const QColor& ground)>;

struct Face {
    QString name;
    FaceDrawing draw;
};

std::vector<Face> allFaces(const QString& chinese)
{
    std::vector<Face> faces;
    for (int face = 0; face < faceCount; ++face) {
        faces.push_back(
            {QLatin1String(faceNames[face]), [face, chinese](QPainter& p, const QColor&) {
                 drawFace(p, static_cast<TileFace>(face), chinese);
             }});
    }
    for (int number = 1; number <= 9; ++number) {
        faces.push_back(
            {QStringLiteral("%1m").arg(number), [number, chinese](QPainter& p, const QColor&) {
                 drawCharacters(p, number, chinese);
                 drawCornerDigit(p, number, dragonRed.darker(125));
             }});
        faces.push_back(
            {QStringLiteral("%1p").arg(number), [number](QPainter& p, const QColor& ground) {
                 drawDots(p, number, ground);
                 drawCornerDigit(p, number, dotBlue.darker(125));
             }});
        faces.push_back({QStringLiteral("%1s").arg(number), [number](QPainter& p, const QColor&) {
                             drawBamboo(p, number);
                             drawCornerDigit(p, number, bambooGreen.darker(125));
                         }});
    }
    return faces;
}

QImage drawTile(const FaceDrawing& drawing, bool selected)
{
    QImage image(imageWidth, imageHeight, QImage::Format_RGB32);
    image.fill(selected ? selectedGround : QColor(Qt::white));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(gridScale, gridScale);

    // The tile's edge, then its face side.
    const QColor ground = selected ? selectedBody : QColor(Qt::white);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x9a, 0x9a, 0x9a));
    painter.drawRoundedRect(body.translated(2, 3), 6, 6);
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.5));
    painter.setBrush(ground);
    painter.drawRoundedRect(body, 6, 6);

    drawing(painter, ground);
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
    for (const Face& face : allFaces(chinese)) {
        for (const bool selected : {true, false}) {
            const QString name =
                QStringLiteral("%1-%2.jpg")
                    .arg(face.name, selected ? QLatin1String("selected") : QLatin1String("normal"));
            const QImage image = drawTile(face.draw, selected);
            if (!image.save(out.filePath(name), "JPEG", jpegQuality)) {
                std::fprintf(stderr, "tilegen: cannot write %s\n", qPrintable(name));
                return 1;
            }
        }
    }
    return 0;
}
