#pragma once
// Shorthands for the rows of the line-data pages.
#include "layers/settings/linedata/LinePage.h"

// A row with a fixed name, shown as its label (label) and stored on OK (name).
inline LineRowSpec NamedRow(int tab, int row, std::string label, std::string name, int show, int colour, int file,
                            int button, std::vector<LineChoice> attributes = {})
{
    LineRowSpec s;
    s.fileTab = tab;
    s.row = row;
    s.label = std::move(label);
    s.storedName = std::move(name);
    s.showId = show;
    s.colourId = colour;
    s.fileEditId = file;
    s.buttonId = button;
    if (!attributes.empty()) {
        s.choicesLabel = "属性";
        s.choices = std::move(attributes);
        s.form = LineCodeForm::Attribute;
    }
    return s;
}

// A row whose name the user types.
inline LineRowSpec FreeRow(int tab, int row, int show, int name, int colour, int file, int button, LineCodeForm form)
{
    LineRowSpec s;
    s.fileTab = tab;
    s.row = row;
    s.showId = show;
    s.nameEditId = name;
    s.colourId = colour;
    s.fileEditId = file;
    s.buttonId = button;
    s.form = form;
    return s;
}
