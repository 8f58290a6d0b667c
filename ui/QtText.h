// The core's UTF-8 texts as Qt strings.
#pragma once

#include <QString>

#include <string>

namespace vak {

inline QString Q(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

} // namespace vak
