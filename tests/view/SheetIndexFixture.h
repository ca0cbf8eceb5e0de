#pragma once
// A small BlcMap20.idx in CP932: one sheet a line, name in columns 9-20, corner latitude at 22,
// corner longitude at 32, as the published index has them.
#include "platform/text/Cp932.h"
#include "platform/text/Cp932Text.h"

#include <initializer_list>
#include <string>

namespace viewtest {

inline std::string IndexLine(const std::string& name, const std::string& latitude, const std::string& longitude,
                             const std::string& tail = "")
{
    return "NI-54-25 " + vd::cp932Pad(name, 12) + " " + latitude + "   " + longitude + tail;
}

inline std::string IndexFile(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return vd::utf8ToCp932(text);
}

// The sheet 東京 at 35.2000/139.0000 with neighbours on every side but the south-west; the
// north-east one is marked; 東京湾 (south) comes first, so a search for the two-character name
// that did not insist on the blank behind it would find 東京湾.
inline std::string SmallIndex()
{
    return IndexFile({
        ";        図幅名       緯度      経度",
        IndexLine("東京湾", "34.4000", "139.0000", "  3"),
        IndexLine("東京", "35.2000", "139.0000", "  1"),
        IndexLine("水戸沖", "36.0000", "140.0000", "  Ｂ"),
        IndexLine("長野 西部", "36.0000", "138.0000"),
        IndexLine("宇都宮", "36.0000", "139.0000"),
        IndexLine("甲府", "35.2000", "138.0000"),
        IndexLine("千葉", "35.2000", "140.0000"),
        IndexLine("銚子", "35.2000", "140.3000"),
        IndexLine("館山", "34.4000", "140.0000", std::string(170, '.') + "NI-54-25 館山続き"),
        IndexLine("輪島", "36.4000", "136.0000"),
        IndexLine("高山", "36.0000", "137.0000"),
        IndexLine("八丈島", "35.4000", "141.0000"),
    });
}

} // namespace viewtest
