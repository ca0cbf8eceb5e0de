#pragma once
// The registration of a seismic data file (template 133, "地震動予測地図のデータファイルの登録"):
// a data file chosen with "ﾌｧｲﾙ" (or typed into its field) and a name; OK appends the entry to the
// list of the kind and closes. The name is made safe for its list line first (SeismicEntryName),
// and the page reads the name as written.
#include "platform/ui/Dialog.h"

#include <string>

// The dialog's control ids (template 133).
namespace seismicregisterids {
inline constexpr int IDC_NAME = 1007;
inline constexpr int IDC_BROWSE = 1009;
inline constexpr int IDC_DATA_FILE = 1010;
} // namespace seismicregisterids

class CDlgSeisFileRegist : public vd::Dialog {
public:
    enum { IDD = 133 };
    CDlgSeisFileRegist();

    int m_nKind = 0;
    std::string m_strDataFile;
    std::string m_strName;
    std::string m_strListFolder;

    void DoDataExchange(vd::DataExchange& dx) override;
    void OnOK() override;

private:
    void OnBrowse();
};

vd::ui::DialogTemplate SeismicRegisterTemplate();
