// The renderer's place-name and public-facility search on the sheet map: each record of the
// table that passes the location, class and keyword tests goes into the result list (with its
// result-file line when a file was asked for) and, when it lies in the block shown, is drawn as
// a symbol with an optional label.
#include "app/document/MapDisplayMode.h"
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "contracts/bindings/DovanneExports.h"
#include "contracts/dovanne.h"
#include "platform/dc/Dc.h"
#include "platform/fs/TextReader.h"
#include "platform/text/Cp932.h"
#include "platform/text/Numbers.h"
#include "view/placenames/PlaceNameBlock.h"
#include "view/placenames/PlaceNameFonts.h"
#include "view/placenames/PlaceNameSymbols.h"
#include "view/placenames/PlaceNameTables.h"
#include "view/placenames/SearchProgressBox.h"
#include "view/placenames/SearchResultLines.h"

#include <optional>

namespace {

constexpr int kAnnotationStep = 23350;
constexpr int kFacilityStep = 5200;
constexpr int kFacilityMajorClass = 7;

enum class Location { None, Area, Prefecture };

// What a search tests: where (area mesh or prefecture), how many class levels, or nothing passes.
struct SearchRule {
    bool admits = true;
    Location location = Location::None;
    int classLevel = 0;
};

// The class level the kind values give: k1 alone, k1 and k2, all three (minorFrom: the least
// minor class that counts as given).
int ClassLevel(int k1, int k2, int k3, int minorFrom)
{
    if (k1 < 1)
        return -1;
    if (k2 == -1 && k3 == -1)
        return 1;
    if (k2 > 0 && k3 == -1)
        return 2;
    if (k2 > 0 && k3 >= minorFrom)
        return 3;
    return -1;
}

SearchRule AnnotationRule(bool area, bool prefecture, int k1, int k2, int k3)
{
    const bool noClass = k1 == -1 && k2 == -1 && k3 == -1;
    if (area && prefecture)
        return {true, Location::None, 0};
    const Location location = area ? Location::Area : prefecture ? Location::Prefecture : Location::None;
    if (noClass)
        return {true, location, 0};
    const int level = ClassLevel(k1, k2, k3, location == Location::None ? 0 : 1);
    if (level < 0)
        return {true, Location::None, 0};
    return {true, location, level};
}

SearchRule FacilityRule(bool area, bool prefecture, int k, int k2)
{
    const bool noClass = k == -1 && k2 == -1;
    if (area && prefecture)
        return noClass ? SearchRule{true, Location::None, 0} : SearchRule{false};
    const Location location = area ? Location::Area : prefecture ? Location::Prefecture : Location::None;
    int level = -1;
    if (noClass && location != Location::None)
        level = 0;
    else if (k > 0 && k2 == -1)
        level = 1;
    else if (k > 0 && k2 > 0)
        level = 2;
    if (level < 0)
        return {false};
    return {true, location, level};
}

struct SearchTexts {
    int area;        // the mesh code, -1 without an area text
    int prefecture;  // the prefecture (or municipality) number
    int codeSwitch;  // -1: the whole municipality code is compared
};

bool LocationPasses(const SearchRule& rule, const SearchTexts& texts, int meshCodeField, int municipality)
{
    switch (rule.location) {
    case Location::Area: return meshCodeField / 100 == texts.area;
    case Location::Prefecture:
        return (texts.codeSwitch == -1 ? municipality : municipality / 1000) == texts.prefecture;
    default: return true;
    }
}

SearchTexts ReadSearchTexts(const std::string& area, const std::string& prefecture, int codeSwitch)
{
    return {area.empty() ? -1 : vd::parseInt(area.substr(0, 4)), vd::parseInt(prefecture), codeSwitch};
}

// One hit as the search keeps and draws it.
struct Hit {
    std::string name;
    double latitudeDms = 0;
    double longitudeDms = 0;
    std::array<int, 3> classes{};
    std::string fileLine;
};

// The loop both tables share: progress, result list, file lines and drawing. Each test gets the
// raw CP932 line and converts only what a hit keeps.
template <class Test>
void SearchTable(CMapRenderer& r, const std::string& path, int stepRecords, Test test)
{
    const CVeldoranDoc& doc = *r.m_pDoc;
    SheetDrawState& draw = *r.m_pDraw;
    vd::Dc& dc = *r.m_pDC;
    const vd::Font progressFont = PlaceNameFont(13);
    const vd::Font labelFont = PlaceNameFont(draw.m_nGnpfValue8 + 11);
    const vd::Pen pen = dc.SelectObject(r.m_aPen[0]);
    const vd::Brush brush = dc.SelectObject(r.m_aBrush[0]);
    dc.SelectObject(r.m_aPen[12]);
    const vd::Font font = dc.SelectObject(labelFont);

    SearchProgressBox progress(r, progressFont);
    const PlaceNameBlock block(doc, r.m_nOriginX, r.m_nOriginY);
    const bool wantFile = !draw.m_strGnpfText0.empty();
    const bool labels = draw.m_nGnpfValue7 > 0;
    draw.m_astrResultFileLine.clear();
    r.m_nSymbolHalf = 2;
    r.m_nLastSymbolType = -1;

    int records = 0, found = 0, kept = 0, drawn = 0;
    vd::TextReader reader;
    if (reader.open(path)) {
        std::string_view line;
        while (reader.readRawLine(line)) {
            if (++records % stepRecords == 0)
                progress.Step(records / stepRecords);
            std::optional<Hit> hit = test(line, wantFile && kept < kSearchResultRoom);
            if (!hit)
                continue;
            ++found;
            if (kept < kSearchResultRoom) {
                draw.m_astrPlaceRecord[std::size_t(kept)] =
                    SearchResultEntry(hit->name, hit->latitudeDms, hit->longitudeDms);
                for (std::size_t c = 0; c < 3; ++c)
                    draw.m_anResultKind[std::size_t(kept)][c] = std::int16_t(hit->classes[c]);
                if (wantFile)
                    draw.m_astrResultFileLine.push_back(std::move(hit->fileLine));
                ++kept;
            }
            const double latitude = DmsNumberToSeconds(hit->latitudeDms);
            const double longitude = DmsNumberToSeconds(hit->longitudeDms);
            if (!block.Contains(latitude, longitude))
                continue;
            const vd::Point at = block.Position(latitude, longitude);
            const NameSymbol symbol = SymbolOfClasses(doc, hit->classes);
            r.DrawNameLabel(at.x, at.y, symbol.size, symbol.colourType, symbol.kind);
            if (labels)
                dc.TextOut(at.x + 6, at.y - 6, hit->name);
            ++drawn;
        }
    }
    progress.Clear();
    draw.m_nResultTotal = found;
    draw.m_astrPlaceRecord[std::size_t(kept)] = "999";
    draw.m_nResultCount = kept;
    draw.m_nResultDrawn = drawn;
    dc.SelectObject(font);
    dc.SelectObject(pen);
    dc.SelectObject(brush);
}

bool HoldsKeyword(const std::string& name, const std::string& keyword)
{
    return keyword.empty() || name.find(keyword) != std::string::npos;
}

// The result-file line of a hit: its record scanned again from the line in UTF-8, which gives the
// same fields with their texts converted.
std::string AnnotationFileLine(std::string_view cp932Line, int form, OnZenkakuToHankaku_fn* halfWidth)
{
    const std::string utf8 = vd::cp932ToUtf8(cp932Line);
    const std::optional<AnnotationRecord> record = ParseAnnotationRecord(utf8);
    if (!record)
        return {};
    const std::string reading = halfWidth ? halfWidth(std::string(record->reading)) : std::string();
    return AnnotationResultLine(*record, reading, form);
}

std::string FacilityFileLine(std::string_view cp932Line, int form)
{
    const std::string utf8 = vd::cp932ToUtf8(cp932Line);
    const std::optional<FacilityRecord> record = ParseFacilityRecord(utf8);
    return record ? FacilityResultLine(*record, form) : std::string();
}

} // namespace

void CMapRenderer::DrawPlaceNames()
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    draw.m_strPlaceNameState.clear();
    draw.m_nMapDisplayMode = map_display::kSkipOnce;
    // Labels stay off where they would crowd: display mode 1 on a block, 3 on any sheet map.
    int& labels = draw.m_nGnpfValue7;
    const int savedLabels = labels;
    if ((labels == 1 && doc.position.m_nMapFrame == 2) || (labels == 3 && doc.position.m_nMapFrame < 3))
        labels = 0;
    if (doc.search.m_nPlaceNameLayer > 0)
        DrawPublicFacilities(draw.m_nGnpfValue4, draw.m_nGnpfValue5, draw.m_nGnpfValue6, draw.m_strGnpfText4,
                             draw.m_strGnpfText5);
    else
        DrawAnnotationNames(draw.m_nGnpfValue3, draw.m_nGnpfValue4, draw.m_nGnpfValue5, draw.m_nGnpfValue6,
                            draw.m_strGnpfText4, draw.m_strGnpfText5);
    labels = savedLabels;
    if (!draw.m_strGnpfText0.empty()) {
        WriteSearchResults();
        draw.m_strGnpfText0.clear();
    }
}

void CMapRenderer::DrawAnnotationNames(int k1, int k2, int k3, int codeSwitch, const std::string& area,
                                       const std::string& prefecture)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    auto* halfWidth = Dovanne().OnZenkakuToHankaku.fn;
    const SearchRule rule = AnnotationRule(!area.empty(), !prefecture.empty(), k1, k2, k3);
    const SearchTexts texts = ReadSearchTexts(area, prefecture, codeSwitch);
    const std::string& keyword = draw.m_strGnpfRest;
    const int form = draw.m_nGnpfValue2;
    SearchTable(*this, doc.environment.m_strAnnotationTable, kAnnotationStep,
                [&](std::string_view line, bool wantFileLine) -> std::optional<Hit> {
                    const std::optional<AnnotationRecord> record = ParseAnnotationRecord(line);
                    if (!record || !LocationPasses(rule, texts, record->code, record->municipality))
                        return std::nullopt;
                    if ((rule.classLevel >= 1 && record->major != k1) ||
                        (rule.classLevel >= 2 && record->middle != k2) || (rule.classLevel >= 3 && record->minor != k3))
                        return std::nullopt;
                    std::string name = vd::cp932ToUtf8(record->name);
                    if (!HoldsKeyword(name, keyword))
                        return std::nullopt;
                    Hit hit{std::move(name), record->latitudeDms, record->longitudeDms,
                            {record->major, record->middle, record->minor}, {}};
                    if (wantFileLine)
                        hit.fileLine = AnnotationFileLine(line, form, halfWidth);
                    return hit;
                });
}

void CMapRenderer::DrawPublicFacilities(int k, int k2, int codeSwitch, const std::string& area,
                                        const std::string& prefecture)
{
    const CVeldoranDoc& doc = *m_pDoc;
    SheetDrawState& draw = *m_pDraw;
    draw.m_nGnpfValue3 = kFacilityMajorClass;
    const SearchRule rule = FacilityRule(!area.empty(), !prefecture.empty(), k, k2);
    const SearchTexts texts = ReadSearchTexts(area, prefecture, codeSwitch);
    const std::string& keyword = draw.m_strGnpfRest;
    const int form = draw.m_nGnpfValue2;
    SearchTable(*this, doc.environment.m_strPublicFacilityTable, kFacilityStep,
                [&](std::string_view line, bool wantFileLine) -> std::optional<Hit> {
                    if (!rule.admits)
                        return std::nullopt;
                    const std::optional<FacilityRecord> record = ParseFacilityRecord(line);
                    if (!record || !LocationPasses(rule, texts, record->code, record->municipality))
                        return std::nullopt;
                    if ((rule.classLevel >= 1 && record->facilityClass != k) ||
                        (rule.classLevel >= 2 && record->subClass != k2))
                        return std::nullopt;
                    std::string name = vd::cp932ToUtf8(record->name);
                    if (!HoldsKeyword(name, keyword))
                        return std::nullopt;
                    Hit hit{std::move(name), record->latitudeDms, record->longitudeDms,
                            {kFacilityMajorClass, record->facilityClass, record->subClass}, {}};
                    if (wantFileLine)
                        hit.fileLine = FacilityFileLine(line, form);
                    return hit;
                });
}
