#pragma once

#include <QString>
#include <QStringList>

// Message pieces are joined with CR LF pairs, exactly as they are shown.
inline QString joinLines(const QStringList &pieces)
{
    return pieces.join(QStringLiteral("\r\n"));
}

// Labels (years and category titles) compare exactly: category titles keep
// their trailing blank and "Vireon Coin" is not "Vireon Coin ".
inline bool sameLabel(const QString &a, const QString &b)
{
    return a == b;
}
