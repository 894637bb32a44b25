#include "applicationicon.h"

#include <QString>

namespace {

QIcon iconOfSizes(std::initializer_list<int> sizes)
{
    QIcon icon;
    for (int size : sizes)
        icon.addFile(QStringLiteral(":/icons/zorvan-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

QIcon applicationIcon()
{
    return iconOfSizes({16, 32, 48, 64, 128, 256});
}

QIcon windowIcon()
{
    return iconOfSizes({16, 32, 48, 64});
}
