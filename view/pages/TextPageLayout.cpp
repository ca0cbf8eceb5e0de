#include "view/pages/TextPageLayout.h"

#include <algorithm>
#include <array>

int TextSizeClass(int fontHeight)
{
    if (fontHeight <= 11)
        return 0;
    if (fontHeight <= 13)
        return 1;
    if (fontHeight <= 15)
        return 2;
    if (fontHeight <= 18)
        return 3;
    if (fontHeight == 19)
        return 4;
    if (fontHeight <= 24)
        return fontHeight - 15;
    return 10;
}

TextPageLayout TextPageLayoutFor(int fontHeight)
{
    static constexpr std::array<int, 5> kLineHeight{15, 16, 17, 18, 18};
    static constexpr std::array<int, 5> kLines{44, 41, 38, 36, 35};
    static constexpr std::array<int, 11> kColumn{657, 657, 657, 657, 787, 817, 867, 957, 957, 977, 1007};
    static constexpr std::array<int, 11> kWidening{0, 0, 0, 0, 130, 160, 210, 300, 300, 320, 350};
    TextPageLayout layout;
    layout.sizeClass = TextSizeClass(fontHeight);
    const std::size_t c = std::size_t(layout.sizeClass);
    if (layout.sizeClass <= 4) {
        layout.lineHeight = kLineHeight[c];
        layout.linesPerPage = kLines[c];
    } else {
        layout.lineHeight = fontHeight;
        layout.linesPerPage = 73 - 2 * fontHeight + (fontHeight >= 24 ? 2 : 0);
    }
    layout.linesPerPage = std::max(layout.linesPerPage, 1);
    layout.buttonColumn = kColumn[c];
    layout.panelWidening = kWidening[c];
    return layout;
}

int LastTextPage(int lineCount, int linesPerPage)
{
    if (lineCount <= 0)
        return 0;
    return std::max(lineCount / 36, (lineCount - 1) / std::max(linesPerPage, 1));
}

TextCategory CategoriseText(const std::vector<std::string>& lines, const TextCategorySettings& s)
{
    int a = 0;
    int b = 0;
    const std::size_t counted = std::min<std::size_t>(lines.size(), 50);
    for (std::size_t i = 0; i < counted; ++i) {
        const std::string& line = lines[i];
        if (line.find(s.key1) != std::string::npos)
            ++a;
        if (line.find(s.key3) != std::string::npos)
            b = b < 99 ? 99 : b + 1;
        if (line.find(s.key2) != std::string::npos)
            ++b;
    }
    TextCategory result{1, s.category0};
    if (a >= s.keyCount[0])
        result = {2, s.category1};
    if (b >= s.keyCount[1] && a < s.keyCount[2])
        result = {5, s.category2};
    if (b >= s.keyCount[3] + 98 && a < s.keyCount[4])
        result = {6, s.category3};
    return result;
}
