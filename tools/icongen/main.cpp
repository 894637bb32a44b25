#include <cstdio>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include "icodata.h"
#include "windowpicture.h"

// Writes zorvan.ico and icons/zorvan-<size>.png into the resources folder given.
int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    if (!resources.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "cannot create %s/icons\n", argv[1]);
        return 1;
    }

    // 192 and 512 are the sizes a web app manifest needs; 512 is also the largest desktop size.
    for (int size : {16, 32, 48, 64, 128, 192, 256, 512}) {
        const QString path = resources.filePath(QStringLiteral("icons/zorvan-%1.png").arg(size));
        if (!drawWindowPicture(size, PictureColours::Full).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }

    const QByteArray ico = icoData({
        {drawWindowPicture(32, PictureColours::Mono), 1},
        {drawWindowPicture(32, PictureColours::SixteenVga), 4},
        {drawWindowPicture(16, PictureColours::SixteenVga), 4},
    });
    QFile file(resources.filePath(QStringLiteral("zorvan.ico")));
    if (!file.open(QIODevice::WriteOnly) || file.write(ico) != ico.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    return 0;
}
