// The settings commands of the point, line, surface, mesh and 1/10-mesh layers: each hands the
// family's choice to its dialog in Pelmora as a settings string and row texts, and takes the
// answer back into the family's selection block.
#include "app/layers/LayerAnswer.h"
#include "app/layers/LayerCommandSteps.h"
#include "app/layers/LayerDialogTexts.h"
#include "app/layers/LayerFlags.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/PelmoraExports.h"
#include "contracts/pelmora.h"

namespace {

constexpr const char* kMarker = "/TAVREL";

// The surface tabs in the order the dialog lists them.
constexpr int kSurfaceTabOrder[3] = {0, 2, 1};

} // namespace

void CVeldoranDoc::OnPointDataSettings()
{
    auto* dialog = (position.m_nMapType == 1 ? Pelmora().OnDlgWhtDpSet : Pelmora().OnDlgDpSet).fn;
    if (!dialog)
        return;
    std::string settings;
    if (m_anPointRowFlag[0][0] == -1) {
        ClearFlags(m_anPointRowFlag);
        ClearValues(m_anPointRowA);
        ClearValues(m_anPointRowB);
        ClearValues(m_anPointRowC);
        ClearTexts(m_astrPointName);
        ClearTexts(m_astrPointFile);
        settings = "-1";
    } else {
        settings = Field(m_nPointLead);
        for (int t = 0; t < 6; ++t)
            for (int r = 0; r < 5; ++r)
                settings += Field(m_anPointRowFlag[t][r]) + Field(m_anPointRowA[t][r]) + Field(m_anPointRowB[t][r]) +
                            Field(m_anPointRowC[t][r]);
    }
    settings += kMarker;
    const auto& n = m_astrPointName;
    const auto& f = m_astrPointFile;
    const std::string answer = RunLayerDialog(*this, [&] {
        return dialog(folders.m_strAppDir + "DddPFile.dat", settings, n[0], n[1], n[2], n[3], n[4], f[0], f[1], f[2],
                      f[3], f[4], n[5], n[6], n[7], n[8], n[9], f[5], f[6], f[7], f[8], f[9], n[10], n[11], n[12],
                      n[13], f[10], f[11], f[12], f[13], n[15], n[16] + "/" + n[17], EachFollowedBy(n, 25, 29, "/"),
                      n[18] + "/" + n[19], EachFollowedBy(n, 20, 24, "/"), f[15], f[16] + "/" + f[17],
                      EachFollowedBy(f, 25, 29, "/"), f[18] + "/" + f[19], EachFollowedBy(f, 20, 24, "/"));
    });
    auto fields = LayerAnswer::Split(answer, 121 + 2 * 29);
    if (answer.empty() || !fields)
        return;
    m_nPointLead = fields->Int();
    for (int t = 0; t < 6; ++t)
        for (int r = 0; r < 5; ++r) {
            m_anPointRowFlag[t][r] = fields->Int();
            m_anPointRowA[t][r] = fields->Int();
            m_anPointRowB[t][r] = fields->Int();
            m_anPointRowC[t][r] = fields->Int();
        }
    for (int t = 0; t < 6; ++t)
        for (int r = 0; r < 5; ++r) {
            if (t == 2 && r == 4)
                continue;
            m_astrPointName[5 * t + r] = fields->Text();
            m_astrPointFile[5 * t + r] = fields->Text();
        }
    RecomputeLayerFlags(m_anPointRowFlag);
    FinishLayerAnswer(*this);
}

void CVeldoranDoc::OnLineDataSettings()
{
    auto* dialog = Pelmora().OnDlgDdSet.fn;
    if (!dialog)
        return;
    std::string settings;
    if (m_anLineRowFlag[0][0] == -1) {
        ClearFlags(m_anLineRowFlag);
        ClearValues(m_anLineRowValue);
        ClearTexts(m_astrLineName);
        ClearTexts(m_astrLineFile);
        settings = "-1";
    } else {
        settings = Field(m_nLineLead);
        for (int t = 0; t < 7; ++t)
            for (int r = 0; r < 5; ++r)
                settings += Field(m_anLineRowFlag[t][r]) + Field(m_anLineRowValue[t][r]);
    }
    settings += kMarker;
    const auto& n = m_astrLineName;
    const auto& f = m_astrLineFile;
    const std::string answer = RunLayerDialog(*this, [&] {
        return dialog(folders.m_strAppDir + "DddMFile.dat", settings, n[1], n[2], n[3], n[4], f[0], f[1], f[2], f[3],
                      f[4], n[5], n[6], n[7], n[8], n[9], f[5], f[6], f[7], f[8], f[9], n[10], n[11],
                      JoinedBy(n, 12, 14, "/"), JoinedBy(n, 25, 29, "/"), JoinedBy(f, 25, 29, "/"),
                      JoinedBy(f, 10, 14, "/"), JoinedBy(n, 15, 19, "/"), JoinedBy(f, 15, 19, "/"),
                      JoinedBy(n, 20, 24, "/"), JoinedBy(f, 20, 24, "/"), EachFollowedBy(n, 30, 34, "|"),
                      EachFollowedBy(f, 30, 34, "|"));
    });
    auto fields = LayerAnswer::Split(answer, 71 + 2 * 35);
    if (answer.empty() || !fields)
        return;
    m_nLineLead = fields->Int();
    for (int t = 0; t < 7; ++t)
        for (int r = 0; r < 5; ++r) {
            m_anLineRowFlag[t][r] = fields->Int();
            m_anLineRowValue[t][r] = fields->Int();
        }
    for (int row = 0; row < 35; ++row) {
        m_astrLineName[row] = fields->Text();
        m_astrLineFile[row] = fields->Text();
    }
    RecomputeLayerFlags(m_anLineRowFlag);
    FinishLayerAnswer(*this);
}

void CVeldoranDoc::OnSurfaceDataSettings()
{
    auto* dialog = Pelmora().OnDlgDsSet.fn;
    if (!dialog)
        return;
    std::string settings;
    if (m_anSurfaceRowFlag[0][0] == -1) {
        ClearFlags(m_anSurfaceRowFlag);
        ClearValues(m_anSurfaceRowA);
        ClearValues(m_anSurfaceRowB);
        ClearValues(m_anSurfaceRowC);
        ClearTexts(m_astrSurfaceName);
        ClearTexts(m_astrSurfaceFile);
        settings = "-1";
    } else {
        settings = Field(m_nSurfaceLead);
        for (int t : kSurfaceTabOrder)
            for (int r = 0; r < 5; ++r)
                settings += Field(m_anSurfaceRowFlag[t][r]) + Field(m_anSurfaceRowA[t][r]) +
                            Field(m_anSurfaceRowB[t][r]) + Field(m_anSurfaceRowC[t][r]);
    }
    settings += kMarker;
    const auto& n = m_astrSurfaceName;
    const auto& f = m_astrSurfaceFile;
    const std::string answer = RunLayerDialog(*this, [&] {
        return dialog(folders.m_strAppDir, settings, n[0], n[1], n[2], n[3], n[4], f[0], f[1], f[2], f[3], f[4], n[10],
                      n[11], n[12], n[13], n[14], f[10], f[11], f[12], f[13], f[14], n[5], n[6], n[7], n[8], n[9], f[5],
                      f[6], f[7], f[8], f[9]);
    });
    auto fields = LayerAnswer::Split(answer, 61 + 30);
    if (answer.empty() || !fields)
        return;
    // The answer groups each tab's values by column, unlike the settings string.
    m_nSurfaceLead = fields->Int();
    for (int t : kSurfaceTabOrder) {
        for (int r = 0; r < 5; ++r)
            m_anSurfaceRowFlag[t][r] = fields->Int();
        for (auto* values : {&m_anSurfaceRowA, &m_anSurfaceRowB, &m_anSurfaceRowC})
            for (int r = 0; r < 5; ++r)
                (*values)[t][r] = fields->Int();
    }
    for (int r = 0; r < 5; ++r)
        for (int t : kSurfaceTabOrder) {
            m_astrSurfaceName[5 * t + r] = fields->Text();
            m_astrSurfaceFile[5 * t + r] = fields->Text();
        }
    RecomputeLayerFlags(m_anSurfaceRowFlag);
    FinishLayerAnswer(*this);
}
