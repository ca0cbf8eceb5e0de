#include "geology/settings/GeoSettingsPages.h"

#include "geology/GeoSelectionDigit.h"
#include "geology/settings/GeoSettingsTemplates.h"
#include "geology/settings/GeoSettingsTexts.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/ui/Controls.h"

#include <algorithm>

using namespace geoids;

GeoSettingsPage::GeoSettingsPage(int templateId, int block, std::vector<int> symbols)
    : vd::Dialog(templateId), block_(block), symbols_(std::move(symbols))
{
    for (const int value : symbols_)
        OnClicked(block_ + kSymbolRadio + value, [this, value] {
            m_nSymbolMode = value;
            AfterSymbolChoice();
        });
}

bool GeoSettingsPage::OnInitDialog()
{
    vd::Dialog::OnInitDialog();
    Refresh();
    return true;
}

void GeoSettingsPage::Refresh()
{
    for (const int value : symbols_)
        Check(block_ + kSymbolRadio + value, value == m_nSymbolMode);
}

void GeoSettingsPage::Check(int id, bool on)
{
    if (auto* button = item<vd::Button>(id))
        button->SetCheck(on ? 1 : 0);
}

void ToggleGeoItem(int* flags, int i, int last, bool bringAllBack)
{
    if (i > 0)
        flags[0] = 0;
    flags[i] = flags[i] == 0 ? 1 : 0;
    if (bringAllBack && flags[0] == 0 && std::none_of(flags + 1, flags + last + 1, [](int f) { return f > 0; }))
        flags[0] = 1;
    if (flags[0] == 1)
        std::fill(flags + 1, flags + last + 1, 0);
}

std::string GeoFlagsText(const int* flags, int count)
{
    std::string text;
    for (int p = 0; p < count; ++p)
        text += vd::format("%d", flags[p]);
    return text;
}

// ---- 表層地質

GeoRockPage::GeoRockPage(int templateId, int block, std::vector<int> symbols)
    : GeoSettingsPage(templateId, block, std::move(symbols))
{
    const int rockItems = static_cast<int>(GeoRockItems().size());
    const int eraItems = static_cast<int>(GeoEraItems().size());
    for (int i = 0; i < rockItems; ++i)
        OnClicked(block + i, [this, i] {
            ToggleGeoItem(m_anRockFlags.data(), i, static_cast<int>(m_anRockFlags.size()) - 1, true);
            Refresh();
        });
    for (int i = 0; i < eraItems; ++i)
        OnClicked(block + kEraItem + i, [this, i] {
            ToggleGeoItem(m_anEraFlags.data(), i, static_cast<int>(m_anEraFlags.size()) - 1, true);
            Refresh();
        });
}

void GeoRockPage::Load(const std::string& rockSelection, const std::string& eraSelection)
{
    for (std::size_t p = 0; p < m_anRockFlags.size(); ++p)
        m_anRockFlags[p] = geo::SelectionDigit(rockSelection, p);
    for (std::size_t p = 0; p < m_anEraFlags.size(); ++p)
        m_anEraFlags[p] = geo::SelectionDigit(eraSelection, p);
    m_nSymbolMode = geo::SelectionDigit(rockSelection, m_anRockFlags.size());
    Rebuild();
}

void GeoRockPage::Refresh()
{
    for (int i = 0; i < static_cast<int>(GeoRockItems().size()); ++i)
        Check(Block() + i, m_anRockFlags[i] == 1);
    for (int i = 0; i < static_cast<int>(GeoEraItems().size()); ++i)
        Check(Block() + kEraItem + i, m_anEraFlags[i] == 1);
    GeoSettingsPage::Refresh();
    Rebuild();
}

void GeoRockPage::Rebuild()
{
    m_strRock = GeoFlagsText(m_anRockFlags.data(), static_cast<int>(m_anRockFlags.size()));
    m_strEra = GeoFlagsText(m_anEraFlags.data(), static_cast<int>(m_anEraFlags.size()));
}

std::string GeoRockPage::CollectedRock() const
{
    const std::string rock = m_strRock.empty() ? "100000000000" : m_strRock.substr(0, m_anRockFlags.size());
    return rock + vd::format("%d", m_nSymbolMode);
}

// ---- 土壌, 地形分類

GeoClassPage::GeoClassPage(int templateId, int block, std::vector<int> symbols, int flagCount, int itemCount)
    : GeoSettingsPage(templateId, block, std::move(symbols)), m_anFlags(flagCount, 0), itemCount_(itemCount)
{
    for (int i = 0; i < itemCount_; ++i)
        OnClicked(block + i, [this, i] {
            ToggleGeoItem(m_anFlags.data(), i, static_cast<int>(m_anFlags.size()) - 1, false);
            Rebuild();
            Refresh();
        });
}

void GeoClassPage::Load(const std::string& selection)
{
    m_strKept = selection;
    for (std::size_t p = 0; p < m_anFlags.size(); ++p)
        m_anFlags[p] = geo::SelectionDigit(selection, p);
    m_nSymbolMode = geo::SelectionDigit(selection, m_anFlags.size());
}

void GeoClassPage::Refresh()
{
    for (int i = 0; i < itemCount_; ++i)
        Check(Block() + i, m_anFlags[i] == 1);
    GeoSettingsPage::Refresh();
}

void GeoClassPage::Rebuild() { m_strKept = GeoFlagsText(m_anFlags.data(), static_cast<int>(m_anFlags.size())); }

std::string GeoClassPage::Collected() const
{
    const std::size_t count = m_anFlags.size();
    const std::string kept = m_strKept.empty() ? "1" + std::string(count - 1, '0') : m_strKept.substr(0, count);
    return kept + vd::format("%d", m_nSymbolMode);
}

// ---- 谷密度

void GeoValleyPage::Load(const std::string& valleyDigit) { m_nSymbolMode = vd::parseInt(valleyDigit); }

std::string GeoValleyPage::Collected() const { return vd::format("%d", m_nSymbolMode); }

// ---- The pages of each dialog

namespace {

constexpr int kSoilFlags = 17;
constexpr int kTerrainFlags = 13;

int SoilItems() { return static_cast<int>(GeoSoilItems().size()); }
int TerrainItems() { return static_cast<int>(GeoTerrainItems().size()); }

} // namespace

CDlgGeoRock::CDlgGeoRock() : GeoRockPage(kGeoRockPage, kGeoRockBlock, GeoSymbolValues(GeoRockSymbols())) {}
CDlgGeoSoil::CDlgGeoSoil()
    : GeoClassPage(kGeoSoilPage, kGeoSoilBlock, GeoSymbolValues(GeoSoilSymbols()), kSoilFlags, SoilItems())
{
}
CDlgGeoTerrain::CDlgGeoTerrain()
    : GeoClassPage(kGeoTerrainPage, kGeoTerrainBlock, GeoSymbolValues(GeoTerrainSymbols()), kTerrainFlags,
                   TerrainItems())
{
}
CDlgGeoValley::CDlgGeoValley() : GeoValleyPage(kGeoValleyPage, kGeoValleyBlock, GeoSymbolValues(GeoValleySymbols())) {}

CDlgNtrRock::CDlgNtrRock() : GeoRockPage(kNtrRockPage, kNtrRockBlock, GeoSymbolValues(NtrRockSymbols())) {}
CDlgNtrSoil::CDlgNtrSoil()
    : GeoClassPage(kNtrSoilPage, kNtrSoilBlock, GeoSymbolValues(NtrSoilSymbols()), kSoilFlags, SoilItems())
{
}
CDlgNtrTerrain::CDlgNtrTerrain()
    : GeoClassPage(kNtrTerrainPage, kNtrTerrainBlock, GeoSymbolValues(NtrTerrainSymbols()), kTerrainFlags,
                   TerrainItems())
{
}
CDlgNtrValley::CDlgNtrValley() : GeoValleyPage(kNtrValleyPage, kNtrValleyBlock, GeoSymbolValues(NtrValleySymbols())) {}
