#pragma once
// Lets GoogleTest print Qt strings readably in failure messages.
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '{';
    for (const QString& text : list)
        *out << " \"" << text.toStdString() << '"';
    *out << " }";
}

#include <QPoint>
#include <QRect>
#include <QSize>

inline void PrintTo(const QRect& r, std::ostream* out)
{
    *out << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}
inline void PrintTo(const QSize& s, std::ostream* out) { *out << "QSize(" << s.width() << " x " << s.height() << ")"; }
inline void PrintTo(const QPoint& p, std::ostream* out) { *out << "QPoint(" << p.x() << ", " << p.y() << ")"; }
