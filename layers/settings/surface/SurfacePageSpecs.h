#pragma once
// The four pages of the surface dialog as tables of rows: which settings row each line shows, its
// controls' ids, how its "ﾌｧｲﾙ" button writes the choice and which boxes also switch the row on.
// The page classes bind these ids and the templates are laid out from the same tables.
#include "layers/settings/SettingsPage.h"

#include <array>
#include <string>
#include <vector>

struct SurfaceRowSpec {
    int row;           // the settings row (0 to 14)
    const char* label; // the fixed row's label; null where the data name is typed (nameEdit)
    int nameEdit;
    int onBox, colourList, fillBox, nameBox, textEdit, fileButton;
    DataTextForm form;
    bool fillSwitchesOn = false;
    bool nameSwitchesOn = false;
};

struct SurfacePageSpec {
    int templateId;
    const char* tabText;
    const std::vector<std::string>& colours;
    int nameWidth; // the data-name column, dialog units
    int rowPitch;  // from one row to the next, dialog units
    std::vector<SurfaceRowSpec> rows;
};

// Control ids of the container.
inline constexpr int kSurfaceTabControl = 1030;
inline constexpr int kSurfaceStatusLine = 1031;

// The pages in tab order: 行政界･海岸線 (136), 指定地域 １ (148), 指定地域 ２ (137), 水文 (152).
const std::array<SurfacePageSpec, 4>& SurfacePageSpecs();
