// The application icon (icon resource 128), from the program's Qt resources.
#pragma once

#include <QIcon>

namespace vak {

QIcon ApplicationIcon();

} // namespace vak
