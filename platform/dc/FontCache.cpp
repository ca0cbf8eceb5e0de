#include "platform/dc/FontCache.h"

#include <QFontMetrics>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>
#include <tuple>

namespace vd {
namespace {

QFont baseFont(const LogFont& lf, int pixelSize)
{
    QFont f;
    f.setFamilies(substitutedFamilies(lf.lfFaceName, lf.lfPitchAndFamily));
    f.setPixelSize(std::max(pixelSize, 1));
    f.setWeight(QFont::Weight(std::clamp(lf.lfWeight == 0 ? FW_NORMAL : lf.lfWeight, 100, 900)));
    f.setItalic(lf.lfItalic);
    f.setUnderline(lf.lfUnderline);
    f.setStrikeOut(lf.lfStrikeOut);
    f.setKerning(false);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

int cellOf(const QFont& f)
{
    const QFontMetrics m(f);
    return m.ascent() + m.descent();
}

ResolvedFont build(const LogFont& lf, int deviceHeight)
{
    ResolvedFont r;
    int cell = 0;
    int pixelSize;
    if (deviceHeight > 0) {
        // The largest pixel size whose cell is not taller than asked for; any pixel left over
        // goes below the descent, so the cell is exactly the height asked for.
        cell = deviceHeight;
        pixelSize = std::max(1, deviceHeight * 12 / 13);
        while (pixelSize > 1 && cellOf(baseFont(lf, pixelSize)) > deviceHeight)
            --pixelSize;
        // (bounded: a font without metrics must not loop for ever)
        while (pixelSize < 2 * deviceHeight && cellOf(baseFont(lf, pixelSize + 1)) <= deviceHeight)
            ++pixelSize;
    } else {
        pixelSize = deviceHeight < 0 ? -deviceHeight : 12;
    }
    r.font = baseFont(lf, pixelSize);
    QFontMetrics m(r.font);
    if (lf.lfWidth > 0 && m.averageCharWidth() > 0) {
        r.font.setStretch(std::clamp(lf.lfWidth * 100 / m.averageCharWidth(), 1, 4000));
        m = QFontMetrics(r.font);
    }
    r.ascent = m.ascent();
    r.descent = m.descent();
    if (cell > 0)
        r.descent = std::max(cell - r.ascent, 0);
    r.height = r.ascent + r.descent;
    r.internalLeading = std::max(r.height - pixelSize, 0);
    r.aveCharWidth = lf.lfWidth > 0 ? lf.lfWidth : m.averageCharWidth();
    r.maxCharWidth = m.maxWidth();
    return r;
}

} // namespace

QStringList substitutedFamilies(const std::string& face, int pitchAndFamily)
{
    static const std::map<std::string, QString> table = {
        {"ＭＳ ゴシック", "IPAGothic"},
        {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"ＭＳ 明朝", "IPAMincho"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},
    };
    const auto it = table.find(face);
    if (it != table.end())
        return {it->second};
    if (face.empty())
        return {(pitchAndFamily & 0xF0) == FF_ROMAN ? QStringLiteral("IPAMincho") : QStringLiteral("IPAGothic")};
    return {QString::fromStdString(face), QStringLiteral("IPAGothic")};
}

const ResolvedFont& resolveFont(const LogFont& lf, int deviceHeight)
{
    using Key = std::tuple<std::string, int, int, int, bool, bool, bool, int, int>;
    static std::map<Key, ResolvedFont> cache;
    static std::mutex mutex;
    // A text call asks for the font of the one before it nearly every time: the thread's last
    // answer is checked first, without building a key (its face name would be a copy each call).
    // Resolved fonts are never removed, so the kept address stays good.
    thread_local LogFont lastFont;
    thread_local int lastHeight = 0;
    thread_local const ResolvedFont* last = nullptr;
    if (last && lastHeight == deviceHeight && lastFont == lf)
        return *last;
    const Key key{lf.lfFaceName, deviceHeight, lf.lfWidth, lf.lfWeight, lf.lfItalic, lf.lfUnderline,
                  lf.lfStrikeOut, lf.lfPitchAndFamily, lf.lfCharSet};
    std::lock_guard lock(mutex);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, build(lf, deviceHeight)).first;
    lastFont = lf;
    lastHeight = deviceHeight;
    last = &it->second;
    return it->second;
}

} // namespace vd
