// The settings commands of the mesh-type layers: the nature/environment and industry-statistics
// third-level meshes and the 1/10 subdivided mesh (Pelmora), geology and land classification
// (Dovanne). An accepted answer that switches one of them on switches the others off.
#include "app/layers/LayerAnswer.h"
#include "app/layers/LayerCommandSteps.h"
#include "app/layers/LayerDialogTexts.h"
#include "app/layers/LayerFlags.h"
#include "app/libraries/MissingPart.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/bindings/PelmoraExports.h"
#include "contracts/dovanne.h"
#include "contracts/pelmora.h"
#include "platform/fs/FileSystem.h"
#include "platform/ui/Ui.h"

namespace {

constexpr const char* kMarker = "/TAVREL";

// The industry table as the dialog takes it: column 0 rows 0-9, column 1 rows 0-9, column 2 rows
// 0-7, entry 3 x row + column.
constexpr int kIndustryTableEntries = 28;
int IndustryTableIndex(int j) { return 3 * (j % 10) + j / 10; }

} // namespace

void CVeldoranDoc::OnNatureMeshSettings()
{
    auto* dialog = Pelmora().OnDlgDmeshSet.fn;
    if (!dialog)
        return;
    std::string settings;
    if (m_anMeshRowFlag[0][0] == -1) {
        m_anMeshRowFlag[0].fill(0);
        m_anMeshRowFlag[1].fill(0);
        m_anNatureMeshValue.fill(0);
        ClearTexts(m_astrMeshName, 0, 9);
        ClearTexts(m_astrMeshFile, 0, 9);
        settings = "-1";
    } else {
        settings = Field(m_nNatureMeshLead);
        for (int g = 0; g < 2; ++g)
            for (int r = 0; r < 5; ++r)
                settings += Field(m_anMeshRowFlag[g][r]) + Field(m_anNatureMeshValue[5 * g + r]);
        settings += "0|";
    }
    settings += kMarker;
    const auto& n = m_astrMeshName;
    const auto& f = m_astrMeshFile;
    const std::string answer = RunLayerDialog(*this, [&] {
        return dialog(folders.m_strAppDir, settings, n[0], n[1], n[2], n[3], n[4], f[0], f[1], f[2], f[3], f[4], n[5],
                      n[6], n[7], n[8], n[9], f[5], f[6], f[7], f[8], f[9]);
    });
    auto fields = LayerAnswer::Split(answer, 22 + 20);
    if (answer.empty() || !fields)
        return;
    m_nNatureMeshLead = fields->Int();
    for (int g = 0; g < 2; ++g)
        for (int r = 0; r < 5; ++r) {
            m_anMeshRowFlag[g][r] = fields->Int();
            m_anNatureMeshValue[5 * g + r] = fields->Int();
        }
    fields->Int(); // the closing value is the caller's own
    for (int row = 0; row < 10; ++row) {
        m_astrMeshName[row] = fields->Text();
        m_astrMeshFile[row] = fields->Text();
    }
    RecomputeLayerFlags(m_anMeshRowFlag);
    if (m_anMeshRowFlag[0][5] == 1 || m_anMeshRowFlag[1][5] == 1)
        ExcludeForNatureMesh();
    FinishLayerAnswer(*this);
}

void CVeldoranDoc::OnIndustryMeshSettings()
{
    auto* dialog = Pelmora().OnDlgDmcSet.fn;
    if (!dialog)
        return;
    std::string settings;
    std::string table;
    if (m_anMeshRowFlag[2][0] == -1) {
        m_anMeshRowFlag[2].fill(0);
        m_anIndustryMeshValue.fill(0);
        ClearTexts(m_astrMeshName, 10, 14);
        ClearTexts(m_astrMeshFile, 10, 14);
        ClearTexts(m_astrIndustryTable);
        settings = "-1";
    } else {
        settings = Field(m_nIndustryMeshLead);
        for (int r = 0; r < 5; ++r)
            settings += Field(m_anMeshRowFlag[2][r]) + Field(m_anIndustryMeshValue[r]);
        settings += "0|";
        for (int j = 0; j < kIndustryTableEntries; ++j)
            table += m_astrIndustryTable[IndustryTableIndex(j)] + "#";
    }
    settings += kMarker;
    const auto& n = m_astrMeshName;
    const auto& f = m_astrMeshFile;
    const std::string answer = RunLayerDialog(*this, [&] {
        return dialog(folders.m_strAppDir, settings, n[10], n[11], n[12], n[13], n[14], f[10], f[11], f[12], f[13],
                      f[14], table);
    });
    auto fields = LayerAnswer::Split(answer, 12 + 10);
    if (answer.empty() || !fields)
        return;
    m_nIndustryMeshLead = fields->Int();
    for (int r = 0; r < 5; ++r) {
        m_anMeshRowFlag[2][r] = fields->Int();
        m_anIndustryMeshValue[r] = fields->Int();
    }
    fields->Int(); // the closing value is the caller's own
    for (int row = 10; row < 15; ++row) {
        m_astrMeshName[row] = fields->Text();
        m_astrMeshFile[row] = fields->Text();
    }
    const std::string rest = fields->Rest();
    std::size_t at = 0;
    for (int j = 0; j < kIndustryTableEntries; ++j) {
        const std::size_t hash = at <= rest.size() ? rest.find('#', at) : std::string::npos;
        const std::size_t end = hash == std::string::npos ? rest.size() : hash;
        m_astrIndustryTable[IndustryTableIndex(j)] = at < rest.size() ? rest.substr(at, end - at) : std::string();
        at = end + 1;
    }
    RecomputeLayerFlags(m_anMeshRowFlag);
    if (m_anMeshRowFlag[2][5] == 1)
        ExcludeForIndustryMesh();
    FinishLayerAnswer(*this);
}

void CVeldoranDoc::OnFineMeshSettings()
{
    auto* dialog = Pelmora().OnDlgFmeshSet.fn;
    if (!dialog)
        return;
    std::string settings;
    if (m_anFineMeshFlag[0] == -1) {
        for (int e : {0, 1, 2, 3, 5})
            m_anFineMeshFlag[e] = 0;
        m_anFineMeshValue.fill(0);
        ClearTexts(m_astrFineMeshName);
        m_strFineMeshRest.clear();
        settings = "-1";
    } else {
        settings = Field(m_nFineMeshLead);
        for (int r = 0; r < 4; ++r)
            settings += Field(m_anFineMeshFlag[r]) + Field(m_anFineMeshValue[r]);
    }
    const auto& n = m_astrFineMeshName;
    const std::string answer = RunLayerDialog(
        *this, [&] { return dialog(folders.m_strAppDir, settings, n[0], n[1], n[2], n[3], m_strFineMeshRest); });
    auto fields = LayerAnswer::Split(answer, 9 + 4);
    if (answer.empty() || !fields)
        return;
    m_nFineMeshLead = fields->Int();
    for (int r = 0; r < 4; ++r) {
        m_anFineMeshFlag[r] = fields->Int();
        m_anFineMeshValue[r] = fields->Int();
    }
    for (std::string& name : m_astrFineMeshName)
        name = fields->Text();
    m_strFineMeshRest = fields->Rest();
    m_anFineMeshFlag[5] = 0;
    for (int r = 0; r < 4; ++r)
        if (m_anFineMeshFlag[r] == 1)
            m_anFineMeshFlag[5] = 1;
    if (m_anFineMeshFlag[5] == 1)
        ExcludeForFineMesh();
    FinishLayerAnswer(*this);
}

namespace {

// Why a geology layer switched on would draw nothing: no data chosen for the theme on its page,
// or a data file that is not there; empty when its data are there.
std::string MissingGeologyData(const CVeldoranDoc& doc, bool geology)
{
    const std::string choose = "\n「ﾌｧｲﾙ」で選んでください。";
    if (geology)
        return doc.geology.m_astrGeoText[5].empty() ? "自然地形ﾒｯｼｭのデータセットが選ばれていません。" + choose : "";
    // The valley-density page draws from its own file, the other pages from the land-classification file.
    const bool valley = doc.geology.m_nGeoLead == 3;
    const std::string kind = valley ? "谷密度ﾒｯｼｭ" : "土地分類ﾒｯｼｭ";
    const std::string& file = valley ? doc.geology.m_strLandClassFile : doc.geology.m_strLandClassName;
    if (file.empty())
        return kind + "のデータファイルが選ばれていません。" + choose;
    if (!vd::fileExists(file))
        return kind + "のデータファイル " + file + " がありません。" + choose;
    return {};
}

// Geology (OnDlgGeoSet) and land classification (OnDlgNtrSet) share their state, their texts and
// the form of their answers.
void RunGeologyDialog(CVeldoranDoc& doc, bool geology)
{
    auto* dialog =
        CommandEntryPoint(kGeologyPart, geology ? Dovanne().OnDlgGeoSet : Dovanne().OnDlgNtrSet);
    if (!dialog)
        return;
    int& state = geology ? doc.geology.m_nGeologyLayer : doc.geology.m_nLandClassLayer;
    const int stateBefore = state;
    auto& text = doc.geology.m_astrGeoText;
    std::string settings;
    if (state == -1) {
        for (int e : {0, 1, 2, 3})
            text[e].clear();
        if (geology) {
            text[5].clear();
        } else {
            doc.geology.m_strLandClassName.clear();
            doc.geology.m_strLandClassFile.clear();
        }
        text[4] = "0";
        settings = "-1";
    } else {
        settings = Field(doc.geology.m_nGeoLead) + Field(1) + Field(doc.geology.m_nGeoOption);
    }
    state = 1;
    const std::string path = geology ? text[5] : doc.geology.m_strLandClassName + "/" + doc.geology.m_strLandClassFile;
    const std::string answer = RunLayerDialog(doc, [&] {
        return dialog(doc.folders.m_strAppDir, settings, path, text[1], text[2], text[3], text[0], text[4]);
    });
    auto fields = LayerAnswer::Split(answer, geology ? 3 + 5 : 3 + 6);
    if (answer.empty() || !fields) {
        // Cancel leaves the layer as it was before the command.
        state = stateBefore;
        doc.geology.m_nGeoLegendKind = 2;
        return;
    }
    doc.geology.m_nGeoLead = fields->Int();
    state = fields->Int();
    doc.geology.m_nGeoOption = fields->Int();
    if (geology) {
        for (int e : {5, 0, 1, 2, 3})
            text[e] = fields->Text();
    } else {
        doc.geology.m_strLandClassName = fields->Text();
        doc.geology.m_strLandClassFile = fields->Text();
        for (int e : {0, 1, 2, 3})
            text[e] = fields->Text();
    }
    text[4] = fields->Rest();
    // A layer without its data stays off and says why, instead of drawing nothing in silence; the
    // choices made in the dialog are kept for the next time.
    if (const std::string missing = state == 1 ? MissingGeologyData(doc, geology) : ""; !missing.empty()) {
        vd::ui::AfxMessageBox(missing, vd::MB_OK | vd::MB_ICONEXCLAMATION);
        state = 0;
    }
    if (state == 1) {
        doc.ExcludeForGeology(geology);
        doc.geology.m_nGeoLegendKind = 1;
    } else {
        doc.geology.m_nGeoLegendKind = 2;
    }
    SwitchOff(geology ? doc.geology.m_nLandClassLayer : doc.geology.m_nGeologyLayer);
    FinishLayerAnswer(doc);
}

} // namespace

void CVeldoranDoc::OnGeologySettings() { RunGeologyDialog(*this, true); }

void CVeldoranDoc::OnLandClassSettings() { RunGeologyDialog(*this, false); }
