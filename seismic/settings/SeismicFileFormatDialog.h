#pragma once
// The data-file header dialog (template 134, "地図データファイルの構成"): the chosen entry's name
// and data path and the header lines of its data file, in one text field that is never read back.
// OK and "ｷｬﾝｾﾙ" both just close it.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 134).
namespace seismicfileformatids {
inline constexpr int IDC_HEADER_TEXT = 1020;
} // namespace seismicfileformatids

class CDlgSeisFileFormat : public vd::Dialog {
public:
    enum { IDD = 134 };
    CDlgSeisFileFormat();

    int m_nKind = 0;
    int m_nEntry = -1;
    std::string m_strListFolder;

    bool OnInitDialog() override;
};

// The template, registered in Halvette's module.
vd::ui::DialogTemplate SeismicFileFormatTemplate();
