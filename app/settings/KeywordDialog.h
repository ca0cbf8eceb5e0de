#pragma once
// The keyword dialog (template 160 "キーワードの設定"), opened from the text and picture page of
// the environment settings: the three keywords that colour the text area, the six counts of
// their bands ("以上" / "未満") and the four category labels shown beside the colours.
#include "platform/ui/Dialog.h"

#include <array>
#include <string>

struct KeywordSettings {
    std::array<std::string, 3> keys;       // System/Key1 .. Key3
    std::array<std::string, 4> categories; // System/Ctgry0 .. Ctgry3
    std::array<int, 6> counts{};           // System/KeyCount1 .. KeyCount6
};

// Writes the settings to the profile at once, in the order Key1-3, Ctgry0-3, KeyCount1-6.
void WriteKeywordSettings(const KeywordSettings& settings);

class CDlgKeyword : public vd::Dialog {
public:
    enum { IDD = 160 };
    explicit CDlgKeyword(vd::Window* parent = nullptr);

    KeywordSettings m_keywords;

    // Counts must be whole numbers: anything else keeps the dialog open with the standard message.
    void DoDataExchange(vd::DataExchange& dx) override;
};
