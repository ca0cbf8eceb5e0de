#include "platform/ui/QtBridge.h"

#include <QFontMetrics>

#include "platform/dc/FontCache.h"

namespace vd::ui {

QFont toQFont(const LogFont& font)
{
    return resolveFont(font, font.lfHeight).font;
}

LogFont fromQFont(const QFont& font, const LogFont& base)
{
    LogFont out = base;
    const QString family = font.family();
    if (family == QStringLiteral("IPAGothic"))
        out.lfFaceName = "ＭＳ ゴシック";
    else if (family == QStringLiteral("IPAPGothic"))
        out.lfFaceName = "ＭＳ Ｐゴシック";
    else if (family == QStringLiteral("IPAMincho"))
        out.lfFaceName = "ＭＳ 明朝";
    else if (family == QStringLiteral("IPAPMincho"))
        out.lfFaceName = "ＭＳ Ｐ明朝";
    else
        out.lfFaceName = us(family);
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : static_cast<int>(font.pointSizeF() * 96.0 / 72.0 + 0.5);
    out.lfHeight = -pixels;
    out.lfWeight = font.weight();
    out.lfItalic = font.italic();
    out.lfUnderline = font.underline();
    out.lfStrikeOut = font.strikeOut();
    return out;
}

int titleBarWidth(const QString& title, const QFont& font)
{
    // A window manager's title bar holds the window's icon and three buttons beside the title
    // and pads each of them: with less room than this, openbox's default theme cuts the title.
    constexpr int kTitleBarFurniture = 160;
    QFont bold = font;
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + kTitleBarFurniture;
}

QFont dialogFont(const std::string& face, int points)
{
    LogFont font;
    font.lfFaceName = face.empty() ? std::string("ＭＳ ゴシック") : face;
    font.lfHeight = -((points > 0 ? points : 9) * 96 + 36) / 72;
    return toQFont(font);
}

} // namespace vd::ui
