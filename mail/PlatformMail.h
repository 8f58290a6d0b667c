// The mail system of the platform the program is built for.
#pragma once

#ifdef _WIN32
#include "mail/SimpleMapi.h"
namespace vak {
using CPlatformMail = CSimpleMapi;
}
#else
#include "mail/XdgMail.h"
namespace vak {
using CPlatformMail = CXdgMail;
}
#endif
