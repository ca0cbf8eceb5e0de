#pragma once
// What the 1/10 subdivided mesh dialog is opened with and answers: per page (土地利用, 指定地域,
// 流域・非集水域, 湖沼) an on value, an item and a data folder or file, the land-use class flags,
// the current tab and the white-map flag; and its settings file DDFTFILE.DAT, which keeps the
// page texts (F1_1 to F1_4) and items (N1_1 to N1_4) under fixed names.
#include <array>
#include <string>
#include <string_view>

inline constexpr int kFineMeshPages = 4;
inline constexpr const char* kFineMeshSettingsFile = "DDFTFILE.DAT";

using FineMeshTexts = std::array<std::string, kFineMeshPages>;
using FineMeshInts = std::array<int, kFineMeshPages>;

struct FineMeshSettings {
    int currentTab = 0;
    FineMeshInts on{};
    FineMeshInts item{};
    FineMeshTexts text;
    std::string flags;
    bool whiteMap = false;         // the selection had a "/" suffix
    bool fromSettingsFile = false; // the selection was "-1": the texts come from the file
};

// The selection (the tab, then on and item of pages 0 to 3, each "%d|", or "-1"; cut at the
// first "/"), the caller's page texts and flag string. With "-1" everything is 0 and the flags
// are "100000000000"; the caller then reads the settings file over the texts.
FineMeshSettings ParseFineMeshCall(std::string_view selection, const FineMeshTexts& texts, std::string_view flags);

// The F lines of tab 1, rows 1 to 4, over the texts (a "|" in one kept as "｜"); other lines
// are not applied. False when the file cannot be opened (the texts stay).
bool ReadFineMeshSettingsFile(const std::string& path, FineMeshTexts& texts);
// The 12 lines T1_1-4 (fixed names), F1_1-4, N1_1-4. The old file stays unless the new one was
// written whole.
bool WriteFineMeshSettingsFile(const std::string& path, const FineMeshTexts& texts, const FineMeshInts& items);

// The tab, on and item of each page ("%d|"), the four texts each followed by "|", then the flag
// string with nothing after it.
std::string FormatFineMeshAnswer(const FineMeshSettings& settings);

// Only the land-use theme carries class flags: with that page off they go back to "すべて".
void SettleLandUseFlags(FineMeshSettings& settings);

// The line below the tab control for the current tab.
std::string FineMeshStatusLine(int tab, bool whiteMap);
