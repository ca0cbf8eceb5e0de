// Layer-combination presets kept by Surrick: the document's layer switches go out as seven state
// strings and come back as the preset's; a family switched on that the document has no rows for
// yet takes its rows from its settings file.
#include "app/document/MapDisplayMode.h"
#include "app/layers/LayerFlags.h"
#include "app/layers/LayerSettingsRows.h"
#include "app/libraries/MissingPart.h"
#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/SurrickExports.h"
#include "contracts/surrick.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// A flag as one character: -1 as "9"; the 1/10-mesh values 10 and 11 as "A" and "B", so that
// every value keeps one place.
std::string FlagChar(int value)
{
    if (value == -1)
        return "9";
    if (value == 10 || value == 11)
        return std::string(1, char('A' + value - 10));
    return vd::format("%d", value);
}

int FlagOf(const std::string& text, std::size_t at)
{
    if (at >= text.size())
        return 0;
    const char c = text[at];
    if (c == '9')
        return -1;
    if (c == 'A' || c == 'B')
        return 10 + (c - 'A');
    return c >= '0' && c <= '8' ? c - '0' : 0;
}

// Entries 0-6 of each tab, entry-major.
template <std::size_t Tabs>
std::string EntryMajor(const std::array<std::array<int, 7>, Tabs>& flags, int tabs = int(Tabs))
{
    std::string out;
    for (int e = 0; e < 7; ++e)
        for (int t = 0; t < tabs; ++t)
            out += FlagChar(flags[t][e]);
    return out;
}

template <std::size_t Tabs>
void ReadEntryMajor(const std::string& text, std::array<std::array<int, 7>, Tabs>& flags, int tabs = int(Tabs))
{
    for (int e = 0; e < 7; ++e)
        for (int t = 0; t < tabs; ++t)
            flags[t][e] = FlagOf(text, std::size_t(e * tabs + t));
}

// The texts between the bars of `text` from `from`: `count` of them, then the rest.
std::vector<std::string> SplitBars(const std::string& text, std::size_t from, int count)
{
    std::vector<std::string> parts;
    for (int i = 0; i < count; ++i) {
        const std::size_t bar = from <= text.size() ? text.find('|', from) : std::string::npos;
        if (bar == std::string::npos) {
            parts.push_back(from < text.size() ? text.substr(from) : std::string());
            from = text.size() + 1;
            continue;
        }
        parts.push_back(text.substr(from, bar - from));
        from = bar + 1;
    }
    parts.push_back(from < text.size() ? text.substr(from) : std::string());
    return parts;
}

struct PresetAnswer {
    std::array<std::string, 7> states;
    int number = 0;
};

// "s0/s1/.../s6#n": the flag strings hold no "/", so the first four and the last are cut at the
// bars; what lies between belongs to the 1/10 mesh and geology.
std::optional<PresetAnswer> SplitPresetAnswer(const std::string& answer)
{
    const std::size_t hash = answer.rfind('#');
    if (hash == std::string::npos)
        return std::nullopt;
    const std::string body = answer.substr(0, hash);
    PresetAnswer preset;
    preset.number = std::atoi(answer.c_str() + hash + 1);
    std::size_t at = 0;
    for (int i = 0; i < 5; ++i) {
        const std::size_t slash = body.find('/', at);
        if (slash == std::string::npos)
            return std::nullopt;
        preset.states[i] = body.substr(at, slash - at);
        at = slash + 1;
    }
    const std::size_t last = body.rfind('/');
    if (last == std::string::npos || last < at)
        return std::nullopt;
    preset.states[5] = body.substr(at, last - at);
    preset.states[6] = body.substr(last + 1);
    return preset;
}

} // namespace

void CVeldoranDoc::OnLayerPreset()
{
    auto* preset = CommandEntryPoint(kPresetPart, Surrick().OnNationDataPreset);
    if (!preset)
        return;
    std::string fine;
    for (int e = 0; e < 9; ++e)
        fine += FlagChar(m_anFineMeshFlag[e]);
    fine += "|" + m_strFineMeshRest + "|";
    for (int v : m_anFineMeshValue)
        fine += FlagChar(v);
    std::string geologyStates = FlagChar(geology.m_nGeologyLayer) + FlagChar(geology.m_nLandClassLayer) +
                                vd::format("%d%d", geology.m_nGeoLead, geology.m_nGeoOption) + "|";
    for (int e = 0; e < 5; ++e)
        geologyStates += (e == 0 ? "" : "|") + geology.m_astrGeoText[e];
    std::string industry;
    for (int flag : m_anMeshRowFlag[2])
        industry += FlagChar(flag);

    // Which families the document has no rows for yet.
    const int before[8] = {m_anPointRowFlag[0][0], m_anLineRowFlag[0][0], m_anSurfaceRowFlag[0][0],
                           m_anMeshRowFlag[0][0],  m_anMeshRowFlag[2][0], m_anFineMeshFlag[0],
                           geology.m_nGeologyLayer,        geology.m_nLandClassLayer};
    const std::string answer =
        preset(layerChoice.m_nLayerPreset, m_anPointRowFlag[0][6], m_anLineRowFlag[0][6], m_anSurfaceRowFlag[0][6],
               m_anMeshRowFlag[0][5] == 1 || m_anMeshRowFlag[1][5] == 1 ? 1 : 0, m_anFineMeshFlag[5],
               geology.m_nGeologyLayer, geology.m_nLandClassLayer, m_anMeshRowFlag[2][5], EntryMajor(m_anPointRowFlag),
               EntryMajor(m_anLineRowFlag), EntryMajor(m_anSurfaceRowFlag), EntryMajor(m_anMeshRowFlag, 2) + "00", fine,
               geologyStates, industry + "00", folders.m_strAppDir, environment.m_strEditor);
    if (answer.empty())
        return;
    const std::optional<PresetAnswer> split = SplitPresetAnswer(answer);
    if (!split)
        return;
    const auto& s = split->states;
    layerChoice.m_nLayerPreset = split->number;
    ReadEntryMajor(s[0], m_anPointRowFlag);
    ReadEntryMajor(s[1], m_anLineRowFlag);
    ReadEntryMajor(s[2], m_anSurfaceRowFlag);
    ReadEntryMajor(s[3], m_anMeshRowFlag, 2);
    for (int e = 0; e < 7; ++e)
        m_anMeshRowFlag[2][e] = FlagOf(s[6], e);
    for (int e = 0; e < 9; ++e)
        m_anFineMeshFlag[e] = FlagOf(s[4], e);
    if (s[4].find('|') != std::string::npos) {
        const std::vector<std::string> parts = SplitBars(s[4], s[4].find('|') + 1, 1);
        m_strFineMeshRest = parts[0];
        for (int v = 0; v < 4; ++v)
            m_anFineMeshValue[v] = FlagOf(parts[1], v);
    } else {
        m_anFineMeshValue.fill(0);
    }
    geology.m_nGeologyLayer = FlagOf(s[5], 0);
    geology.m_nLandClassLayer = FlagOf(s[5], 1);
    geology.m_nGeoLead = FlagOf(s[5], 2);
    if (const std::size_t bar = s[5].find('|'); bar != std::string::npos) {
        const std::vector<std::string> texts = SplitBars(s[5], bar + 1, 4);
        for (int e = 0; e < 5; ++e)
            geology.m_astrGeoText[e] = texts[e];
    }

    LoadPresetRows(before);
    ApplyPresetExclusions();
    m_nMapDisplayMode = map_display::kMainMap;
    UpdateAllViews();
}

void CVeldoranDoc::LoadPresetRows(const int (&before)[8])
{
    const auto load = [&](const char* file, LayerFileFamily family) {
        return ReadLayerFileRowsFrom(folders.m_strAppDir + file, family);
    };
    const auto unset = [](int& flag) {
        if (flag == -1)
            flag = 0;
    };
    if (before[0] == -1) {
        unset(m_anPointRowFlag[0][0]);
        const LayerFileRows rows = load("DddPFile.dat", LayerFileFamily::Point);
        std::copy_n(rows.names.begin(), 30, m_astrPointName.begin());
        std::copy_n(rows.files.begin(), 30, m_astrPointFile.begin());
        for (int t = 0; t < 6; ++t) {
            m_anPointRowA[t] = rows.value1[t];
            m_anPointRowB[t] = rows.value2[t];
            m_anPointRowC[t] = rows.value3[t];
        }
    }
    if (before[1] == -1) {
        unset(m_anLineRowFlag[0][0]);
        const LayerFileRows rows = load("DddMFile.dat", LayerFileFamily::Line);
        m_astrLineName = rows.names;
        m_astrLineFile = rows.files;
        for (int t = 0; t < 7; ++t)
            m_anLineRowValue[t] = rows.value1[t];
    }
    if (before[2] == -1) {
        unset(m_anSurfaceRowFlag[0][0]);
        const LayerFileRows rows = load("DDDSFILE.DAT", LayerFileFamily::Surface);
        std::copy_n(rows.names.begin(), 15, m_astrSurfaceName.begin());
        std::copy_n(rows.files.begin(), 15, m_astrSurfaceFile.begin());
        for (int t = 0; t < 3; ++t) {
            m_anSurfaceRowA[t] = rows.value1[t];
            m_anSurfaceRowB[t] = rows.value2[t];
            m_anSurfaceRowC[t] = rows.value3[t];
        }
    }
    if (before[3] == -1) {
        unset(m_anMeshRowFlag[0][0]);
        const LayerFileRows rows = load("DDMSFILE.DAT", LayerFileFamily::NatureMesh);
        std::copy_n(rows.names.begin(), 10, m_astrMeshName.begin());
        std::copy_n(rows.files.begin(), 10, m_astrMeshFile.begin());
        for (int g = 0; g < 2; ++g)
            std::copy_n(rows.value1[g].begin(), 5, m_anNatureMeshValue.begin() + 5 * g);
    }
    if (before[4] == -1) {
        unset(m_anMeshRowFlag[2][0]);
        const LayerFileRows rows = load("DDMCFILE.DAT", LayerFileFamily::IndustryMesh);
        std::copy_n(rows.names.begin(), 5, m_astrMeshName.begin() + 10);
        std::copy_n(rows.files.begin(), 5, m_astrMeshFile.begin() + 10);
        m_anIndustryMeshValue = rows.value1[0];
        m_astrIndustryTable = rows.industryTable;
    }
    if (before[5] == -1) {
        unset(m_anFineMeshFlag[0]);
        const LayerFileRows rows = load("DDFTFILE.DAT", LayerFileFamily::FineMesh);
        std::copy_n(rows.names.begin(), 4, m_astrFineMeshName.begin());
    }
    if (before[6] == -1 || before[7] == -1) {
        const LayerFileRows rows = load("DGEOFILE.DAT", LayerFileFamily::Geology);
        if (before[6] == -1)
            geology.m_astrGeoText[5] = rows.geologyText;
        if (before[7] == -1) {
            geology.m_strLandClassName = rows.landClassName;
            geology.m_strLandClassFile = rows.landClassFile;
        }
    }
}

void CVeldoranDoc::ApplyPresetExclusions()
{
    // The preset leaves the seismic layer alone: its command is disabled while one is drawn.
    const auto seismicOn = seismic.m_bSeismicLayer;
    const auto probabilistic = seismic.m_anSeisSetting[2], scenario = seismic.m_anSeisSetting[4];
    const auto on = [&](bool layerOn, auto exclude) {
        if (!layerOn)
            return;
        m_anFineMeshFlag[6] = 0;
        exclude();
    };
    on(m_anPointRowFlag[0][6] == 1, [] {});
    on(m_anLineRowFlag[0][6] == 1, [] {});
    on(m_anSurfaceRowFlag[0][6] == 1, [] {});
    on(m_anMeshRowFlag[0][5] == 1 || m_anMeshRowFlag[1][5] == 1, [&] { ExcludeForNatureMesh(); });
    on(m_anMeshRowFlag[2][5] == 1, [&] { ExcludeForIndustryMesh(); });
    on(m_anFineMeshFlag[5] == 1, [&] { ExcludeForFineMesh(); });
    on(geology.m_nGeologyLayer == 1, [&] { ExcludeForGeology(true); });
    on(geology.m_nLandClassLayer == 1, [&] { ExcludeForGeology(false); });
    seismic.m_bSeismicLayer = seismicOn;
    seismic.m_anSeisSetting[2] = probabilistic;
    seismic.m_anSeisSetting[4] = scenario;
    if (geology.m_nGeologyLayer == 1 || geology.m_nLandClassLayer == 1)
        geology.m_nGeoLegendKind = 1;
}
