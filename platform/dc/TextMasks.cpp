#include "platform/dc/TextMasks.h"

#include "platform/dc/PainterOps.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vd::textmask {
namespace {

constexpr std::uint32_t kGround = 0xFF000000u;
constexpr std::uint32_t kInk = 0xFFFFFFFFu;
constexpr int kLargestSide = 8192;

// Looked up by a view of the text, stored with a copy of it: a repaint's look-ups allocate nothing.
struct KeyView {
    const ResolvedFont* font;
    std::string_view text;
};
struct Key {
    const ResolvedFont* font;
    std::string text;
};
struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(const KeyView& k) const
    {
        return std::hash<std::string_view>()(k.text) ^ (std::hash<const void*>()(k.font) * 31);
    }
    std::size_t operator()(const Key& k) const { return (*this)(KeyView{k.font, k.text}); }
};
struct KeyEqual {
    using is_transparent = void;
    static KeyView view(const Key& k) { return {k.font, k.text}; }
    static KeyView view(const KeyView& k) { return k; }
    template <class A, class B>
    bool operator()(const A& a, const B& b) const
    {
        return view(a).font == view(b).font && view(a).text == view(b).text;
    }
};

bool hasControlCharacters(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// Draws the text once, as the device context draws it, with the cell's top left at a margin wide
// enough for overhanging glyphs, and reads back its pixels.
std::unique_ptr<const Mask> make(const ResolvedFont& font, std::string_view text)
{
    if (hasControlCharacters(text))
        return nullptr;
    const QString qtext = QString::fromUtf8(text.data(), qsizetype(text.size()));
    auto mask = std::make_unique<Mask>();
    mask->width = paint::textWidth(font, qtext);
    const int margin = font.height + 8;
    const int w = std::max(mask->width, 0) + 2 * margin;
    const int h = font.height + 2 * margin;
    if (w > kLargestSide || h > kLargestSide)
        return nullptr;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kGround);
    {
        QPainter p(&image);
        paint::prepare(p, Rect{0, 0, w, h});
        paint::TextStyle style;
        style.colour = RGB(255, 255, 255);
        paint::drawText(p, font, qtext, Point{margin, margin}, style);
    }
    // Most rows hold no ink: compared whole against a row of the ground colour.
    const std::vector<std::uint32_t> groundRow(std::size_t(w), kGround);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        if (std::memcmp(row, groundRow.data(), groundRow.size() * sizeof(std::uint32_t)) == 0)
            continue;
        for (int x = 0; x < w;) {
            if (row[x] == kGround) {
                ++x;
                continue;
            }
            if (row[x] != kInk || x == 0 || y == 0 || y == h - 1)
                return nullptr; // a blended pixel, or a glyph that may reach past the picture
            const int start = x;
            while (x < w && row[x] == kInk)
                ++x;
            if (x == w)
                return nullptr;
            mask->runs.push_back(Run{y - margin, start - margin, x - margin});
        }
    }
    return mask;
}

} // namespace

const Mask* maskFor(const ResolvedFont& font, std::string_view text)
{
    // A text seen once is only noted: most labels of a search are drawn once, and drawing them
    // afresh costs less than making their pixels. Seen again, its pixels are made and kept.
    struct Entry {
        bool made = false;
        std::unique_ptr<const Mask> mask; // null when made: not kept, draw afresh
    };
    // One store a thread: no lock and no shared count on the way of every label.
    thread_local std::unordered_map<Key, Entry, KeyHash, KeyEqual> masks;
    constexpr std::size_t kKeptMasks = 4096;
    const auto it = masks.find(KeyView{&font, text});
    if (it == masks.end()) {
        if (masks.size() >= kKeptMasks)
            masks.clear();
        masks.emplace(Key{&font, std::string(text)}, Entry{});
        return nullptr;
    }
    Entry& entry = it->second;
    if (!entry.made) {
        entry.mask = make(font, text);
        entry.made = true;
    }
    return entry.mask.get();
}

} // namespace vd::textmask
