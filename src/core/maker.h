#pragma once

#include <QString>

// The maker of the anthology, as the about window and the web links name it.
namespace Maker {
inline const QString Name = QStringLiteral("Quillon Software");
inline const QString Street = QStringLiteral("1420 Harbor View Drive");
inline const QString Town = QStringLiteral("Port Alder, WA 98999");
// A bare host name: the desktop's handler of web addresses adds the scheme.
inline const QString WebAddress = QStringLiteral("www.quillonsoftware.com");
inline const QString RightsNotice = QStringLiteral("\u00a9 2002 All Rights Reserved");
} // namespace Maker
