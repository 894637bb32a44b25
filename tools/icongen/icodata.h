#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// One image of an icon file: the picture and the number of bits per pixel (1 or 4) it is
// stored with. Pixels less than half opaque are transparent.
struct IcoImage {
    QImage picture;
    int bitsPerPixel;
};

// A Windows .ico file holding the images in the given order, each as a paletted bitmap with
// its transparency mask. Qt's own writer stores one image per file, hence this one.
QByteArray icoData(const QList<IcoImage>& images);
