#include "platform/ui/QtBridge.h"

#include <algorithm>
#include <cstdlib>

namespace vd::ui {

QString substituteFace(const std::string& face)
{
    if (face == "ＭＳ ゴシック" || face.empty())
        return QStringLiteral("IPAGothic");
    if (face == "ＭＳ Ｐゴシック")
        return QStringLiteral("IPAPGothic");
    if (face == "ＭＳ 明朝")
        return QStringLiteral("IPAMincho");
    if (face == "ＭＳ Ｐ明朝")
        return QStringLiteral("IPAPMincho");
    return qs(face);
}

QFont toQFont(const FontChoice& font)
{
    QFont f(substituteFace(font.face));
    f.setFamilies({substituteFace(font.face), QStringLiteral("IPAGothic")});
    f.setPixelSize(std::max(1, std::abs(font.height)));
    f.setWeight(static_cast<QFont::Weight>(font.weight <= 0 ? 400 : std::clamp(font.weight, 100, 900)));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

FontChoice fromQFont(const QFont& font, const FontChoice& base)
{
    FontChoice out = base;
    const QString family = font.family();
    if (family == QStringLiteral("IPAGothic"))
        out.face = "ＭＳ ゴシック";
    else if (family == QStringLiteral("IPAPGothic"))
        out.face = "ＭＳ Ｐゴシック";
    else if (family == QStringLiteral("IPAMincho"))
        out.face = "ＭＳ 明朝";
    else if (family == QStringLiteral("IPAPMincho"))
        out.face = "ＭＳ Ｐ明朝";
    else
        out.face = us(family);
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : static_cast<int>(font.pointSizeF() * 96.0 / 72.0 + 0.5);
    out.height = -pixels;
    out.weight = font.weight();
    out.italic = font.italic();
    out.underline = font.underline();
    return out;
}

QFont dialogFont(const std::string& face, int points)
{
    FontChoice choice;
    choice.face = face;
    choice.height = -((points > 0 ? points : 9) * 96 + 36) / 72;
    return toQFont(choice);
}

} // namespace vd::ui
