#include "icodata.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

#include <QColor>

namespace {

// The standard 16-colour palette, in the order Windows uses.
const std::vector<QRgb> vgaPalette{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};
const std::vector<QRgb> monoPalette{qRgb(0, 0, 0), qRgb(255, 255, 255)};

void put16(QByteArray& out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void put32(QByteArray& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

int nearestIndex(QRgb colour, const std::vector<QRgb>& palette)
{
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long dr = qRed(colour) - qRed(palette[i]);
        const long dg = qGreen(colour) - qGreen(palette[i]);
        const long db = qBlue(colour) - qBlue(palette[i]);
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = int(i);
            bestDistance = distance;
        }
    }
    return best;
}

int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// BITMAPINFOHEADER, palette, colour bits and mask; rows bottom-up as Windows stores them.
QByteArray bitmapData(const IcoImage& image)
{
    const QImage picture = image.picture.convertToFormat(QImage::Format_ARGB32);
    const int width = picture.width();
    const int height = picture.height();
    const std::vector<QRgb>& palette = image.bitsPerPixel == 1 ? monoPalette : vgaPalette;
    if (image.bitsPerPixel != 1 && image.bitsPerPixel != 4)
        throw std::invalid_argument("only 1 and 4 bits per pixel are written");

    const int colourRow = rowBytes(width, image.bitsPerPixel);
    const int maskRow = rowBytes(width, 1);
    QByteArray out;
    put32(out, 40);
    put32(out, std::uint32_t(width));
    put32(out, std::uint32_t(height * 2)); // colour bits and mask together
    put16(out, 1);
    put16(out, image.bitsPerPixel);
    put32(out, 0);
    put32(out, std::uint32_t((colourRow + maskRow) * height));
    put32(out, 0);
    put32(out, 0);
    put32(out, std::uint32_t(palette.size()));
    put32(out, 0);
    for (QRgb colour : palette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append(char(0));
    }

    QByteArray colours;
    QByteArray mask;
    for (int y = height - 1; y >= 0; --y) {
        QByteArray colourBits(colourRow, 0);
        QByteArray maskBits(maskRow, 0);
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (qAlpha(pixel) < 128) {
                // Transparent: mask bit set, colour index 0 (black) so the screen shows through.
                maskBits[x / 8] = char(maskBits[x / 8] | (0x80 >> (x % 8)));
                continue;
            }
            const int index = nearestIndex(pixel, palette);
            if (image.bitsPerPixel == 1)
                colourBits[x / 8] = char(colourBits[x / 8] | (index << (7 - x % 8)));
            else
                colourBits[x / 2] = char(colourBits[x / 2] | (index << (x % 2 == 0 ? 4 : 0)));
        }
        colours += colourBits;
        mask += maskBits;
    }
    return out + colours + mask;
}

} // namespace

QByteArray icoData(const QList<IcoImage>& images)
{
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // an icon, not a cursor
    put16(out, int(images.size()));

    std::vector<QByteArray> bitmaps;
    for (const IcoImage& image : images)
        bitmaps.push_back(bitmapData(image));

    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const IcoImage& image = images[i];
        out.append(char(image.picture.width() & 0xff));
        out.append(char(image.picture.height() & 0xff));
        out.append(char(1 << image.bitsPerPixel)); // colours in the palette
        out.append(char(0));
        put16(out, 1);
        put16(out, image.bitsPerPixel);
        put32(out, std::uint32_t(bitmaps[std::size_t(i)].size()));
        put32(out, offset);
        offset += std::uint32_t(bitmaps[std::size_t(i)].size());
    }
    for (const QByteArray& bitmap : bitmaps)
        out += bitmap;
    return out;
}
