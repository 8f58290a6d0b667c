// The Linux desktop's handlers of URI schemes (tel:, mailto:), which the telephone and the mail
// hand-offs hand their URIs to.
#pragma once

#include <QString>

namespace vak {

// The desktop entry the desktop names for `scheme` URIs ("tel", "mailto"), as
// `xdg-mime query default x-scheme-handler/SCHEME` tells; empty when there is none.
QString DefaultSchemeHandler(const QString& scheme);
bool HasSchemeHandler(const QString& scheme);

} // namespace vak
