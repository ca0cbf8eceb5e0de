#pragma once
// Conversions between the platform's own types and Qt's (private to the platform).
#include "platform/ui/Ui.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace vd::ui {

inline QString qs(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::string us(const QString& s)
{
    return s.toStdString();
}

// Colour references hold red in the low byte (0x00BBGGRR).
inline QColor toQColor(std::uint32_t ref)
{
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}

inline std::uint32_t fromQColor(const QColor& c)
{
    return static_cast<std::uint32_t>(c.red()) | (static_cast<std::uint32_t>(c.green()) << 8)
        | (static_cast<std::uint32_t>(c.blue()) << 16);
}

// The Qt font of a font description (faces substituted and heights fitted as the device
// context does), and the font dialog's answer back in the old platform's terms.
QFont toQFont(const LogFont& font);
LogFont fromQFont(const QFont& font, const LogFont& base);
// The width a window needs for its title bar to hold the title (the title in the bold form of
// the font, and room for the window manager's icon, buttons and frame).
int titleBarWidth(const QString& title, const QFont& font);
// The font a dialog template names (face and point size, at 96 dots per inch).
QFont dialogFont(const std::string& face, int points);

} // namespace vd::ui
