#pragma once
// The screen layout of a text page by the text font's height: its size class, line height,
// lines a page, the column of the page buttons and the widening of the page panel; and the
// number of the last page.
#include <string>
#include <vector>

struct TextPageLayout {
    int sizeClass = 3;
    int lineHeight = 18;
    int linesPerPage = 36;
    int buttonColumn = 657;
    int panelWidening = 0;
};

// Heights up to 11 are class 0, 12-13 1, 14-15 2, 16-18 3, 19 4, 20..24 5..9, larger 10.
int TextSizeClass(int fontHeight);
TextPageLayout TextPageLayoutFor(int fontHeight);
// The index of the last page (0 for one page): whole 36-line pages as counted of old, but never
// fewer than the screen's pages need, so every line can be paged to.
int LastTextPage(int lineCount, int linesPerPage);

// The print layout: 50 lines a page, 18 * 42 / 10 units apart.
inline constexpr int kPrintLinesPerPage = 50;
inline constexpr int kPrintLineHeight = 18 * 42 / 10;

// The keyword category of a text (over its first 50 lines) with the category's text.
struct TextCategorySettings {
    std::string key1, key2, key3;
    std::string category0, category1, category2, category3;
    int keyCount[5] = {8, 8, 3, 8, 1};
};
struct TextCategory {
    int category = 1;
    std::string text;
};
TextCategory CategoriseText(const std::vector<std::string>& lines, const TextCategorySettings& settings);
