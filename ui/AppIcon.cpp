// The application icon in every size drawn for it.
#include "ui/AppIcon.h"

namespace vak {

QIcon ApplicationIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vak-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace vak
