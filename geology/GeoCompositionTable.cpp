// CGeoMeshRenderer::DrawGeologyCompositionTable: the chart of all rock classes by era, each cell
// that the rock table gives a class filled in its colour and numbered, and, after a surface
// geology drawing, the cells of the rocks on the shown map outlined.
#include "geology/GeoCompositionTable.h"

#include "geology/GeoDrawing.h"
#include "geology/GeoMeshRenderer.h"
#include "geology/GeoWorkFile.h"
#include "platform/dc/Dc.h"
#include "platform/text/Cp932Chars.h"
#include "platform/text/Format.h"

#include <array>

namespace {

// Rock numbers by column: {older eras, younger eras}; {0, 0} is a gap.
struct ColumnRock {
    int older;
    int younger;
};
constexpr ColumnRock C(int rock) { return {rock, rock}; }
constexpr ColumnRock kGap{0, 0};
constexpr std::array<ColumnRock, kGeoTableColumns> kColumns = {
    // 堆積岩類
    C(11), C(14), C(23), C(21), C(22), C(31), C(34), kGap, C(12), ColumnRock{93, 17}, C(32), C(30), kGap,
    ColumnRock{91, 13}, ColumnRock{94, 15}, C(16), ColumnRock{95, 24}, C(33), C(40), kGap, ColumnRock{92, 10}, C(36),
    C(96), C(29), C(25), C(35), C(38), kGap,
    // 火山岩類
    C(39), C(41), C(42), C(43), C(44), C(45), C(46), C(47), C(48), C(51), C(52), C(37), C(50), C(55), C(53), C(54),
    kGap,
    // 深成岩類
    C(61), C(62), C(49), C(63), C(64), C(66), kGap,
    // 変成岩類
    C(71), C(73), C(72), C(75), C(77), C(78), C(74), C(65), C(67), C(81)};

constexpr int kEras = 6;
constexpr int kCellWidth = 11;
constexpr int kCellHeight = 80;
constexpr vd::COLORREF kBlack = vd::RGB(0, 0, 0);
constexpr vd::COLORREF kWhite = vd::RGB(255, 255, 255);

struct Label {
    int column;
    int line;
    const char* text;
};
constexpr Label kGroupHeaders[] = {
    {0, 0, "-------------------------------堆積岩類-------------------------------"},
    {29, 0, "---------------火山岩類--------------"},
    {45, 0, "---深成岩類---"},
    {52, 0, "---------変成岩類---------"},
};
constexpr Label kColumnLabels[] = {
    {0, 0, "礫"},          {5, 1, "礫質岩"},      {8, 0, "砂"},        {10, 1, "砂質岩"},   {13, 0, "泥"},
    {17, 1, "泥質岩"},     {20, 0, "互層"},       {24, 0, "泥炭"},     {25, 1, "チャート"}, {26, 2, "石灰岩"},
    {28, 0, "火山拠出物"}, {36, 1, "火山砕屑物"}, {39, 0, "玄武岩質"}, {42, 1, "流紋岩質"}, {43, 2, "安山岩質"},
    {45, 0, "花崗岩質"},   {47, 1, "斑レイ岩質"}, {52, 0, "低圧型"},   {54, 1, "高圧型"},   {57, 0, "片麻岩質"},
};
// Era rows from the top: row r holds era 6 - r.
constexpr const char* kEraLabels[kEras] = {"沖積世", "洪積世", "新第三紀", "古第三紀", "中生代", "古生代"};

void Line(vd::Dc& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

// One character a line, at most four.
void EraLabel(vd::Dc& dc, int row, const char* label)
{
    int k = 0;
    for (const vd::Cp932Char& ch : vd::Cp932Chars(label)) {
        if (k == 4)
            break;
        dc.TextOut(8, 110 + 90 * row + 17 * k, std::string(ch.utf8));
        ++k;
    }
}

} // namespace

int GeoTableColumnRock(int column, int era)
{
    if (column < 0 || column >= kGeoTableColumns)
        return 0;
    return era >= 5 ? kColumns[std::size_t(column)].younger : kColumns[std::size_t(column)].older;
}

std::optional<int> GeoTableColumnOf(int rock, int era)
{
    if (rock == 82)
        rock = 81;
    for (int column = 0; column < kGeoTableColumns; ++column)
        if (rock != 0 && GeoTableColumnRock(column, era) == rock)
            return column;
    return std::nullopt;
}

void CGeoMeshRenderer::DrawGeologyCompositionTable()
{
    if (m_pDC == nullptr)
        return;
    vd::Dc& dc = *m_pDC;
    const vd::Pen pen(vd::PS_SOLID, 1, kBlack);
    const vd::Pen oldPen = dc.SelectObject(pen);
    m_anRockFlags[kRockAll] = 1;
    LoadGeologyPalette(0, m_strDataFolder);

    const vd::Font titleFont = GeoLabelFont(16);
    const vd::Font oldFont = dc.SelectObject(titleFont);
    dc.Rectangle(5, 5, 845, 688);
    Line(dc, 845, 5, 845, 688);
    Line(dc, 5, 688, 845, 688);
    dc.TextOut(300, 10, "地  質  構  成  一  覧  表");
    for (int row = 0; row < kEras; ++row)
        EraLabel(dc, row, kEraLabels[row]);

    const vd::Font textFont = GeoLabelFont(10);
    dc.SelectObject(textFont);
    dc.SetBkMode(vd::TRANSPARENT);
    const bool outlined = m_nItem == 1 && m_nAreaKind == 0;
    Line(dc, 10, 28, 840, 28);
    for (const Label& header : kGroupHeaders)
        dc.TextOut(GeoTableCellLeft(header.column), 33, header.text);
    Line(dc, 30, 48, 840, 48);
    for (const Label& label : kColumnLabels)
        dc.TextOut(GeoTableCellLeft(label.column), 50 + 15 * label.line, label.text);
    dc.TextOut(20, 645, "数字は岩石区分の番号［本アプリケーション添付のファイル｢GEOLOGY.DAT｣参照］");
    dc.TextOut(470, 645, "火山拠出物(火山灰,軽石,火山泥流など) ");
    dc.TextOut(470, 660, "火山砕屑物(火山角礫岩、凝灰角礫岩、集塊岩など)");
    if (outlined)
        dc.TextOut(20, 660, "表示中の地図にあらわれる岩石（地層）は枠線付で表示");
    Line(dc, 10, 95, 840, 95);

    // The colour class of a cell; above 0 where the rock table gives its rock a class in that era.
    const auto cellClass = [this](int column, int era) {
        const int rock = GeoTableColumnRock(column, era);
        if (rock == 0)
            return 0;
        m_nSecondaryCode = era;
        return ClassifyRockCode(rock);
    };
    for (int column = 0; column < kGeoTableColumns; ++column) {
        for (int era = 1; era <= kEras; ++era) {
            const int cls = cellClass(column, era);
            if (cls <= 0 || cls >= kGeoClassCount)
                continue;
            const auto& rgb = m_anPalette[std::size_t(cls)];
            const int left = GeoTableCellLeft(column), top = GeoTableCellTop(era);
            dc.FillSolidRect(left, top, kCellWidth, kCellHeight, vd::RGB(rgb[0], rgb[1], rgb[2]));
            dc.SetBkColor(kWhite);
            dc.TextOut(left, top + 40, vd::format("%2d", GeoTableColumnRock(column, era)));
        }
    }
    for (const int y : {275, 455, 545, 635})
        Line(dc, 10, y, 840, y);
    dc.SelectObject(oldFont);
    dc.SetBkMode(vd::OPAQUE);

    if (outlined) {
        m_anPrimaryCodes.fill(0);
        m_anSecondaryCodes.fill(0);
        const std::optional<GeoWorkTables> tables =
            m_nLayerFlag == 0 ? ReadGeoPlainWorkFile(m_strDataFolder + kGeoPlainWorkFile, 2, true, m_nBlockMode)
                              : ReadGeoWorkTables(m_strDataFolder + kGeoWhiteWorkFile, true);
        if (tables) {
            // Presence comes from the rock table, not from the drawn pixel: the same cells on a
            // white surface, and a printer has no pixels to read.
            const auto outline = [&](int column, int era) {
                if (cellClass(column, era) <= 0)
                    return;
                const int left = GeoTableCellLeft(column), top = GeoTableCellTop(era);
                const vd::Point corners[] = {
                    {left, top}, {left + 10, top}, {left + 10, top + 79}, {left, top + 79}, {left, top}};
                dc.Polyline(corners, 5);
            };
            for (int slot = 0; slot < kGeoWorkTableBytes; ++slot) {
                const int rock = tables->a[std::size_t(slot)];
                const int era = tables->b[std::size_t(slot)];
                m_anPrimaryCodes[std::size_t(slot)] = std::int16_t(rock);
                m_anSecondaryCodes[std::size_t(slot)] = std::int16_t(era);
                if (rock == 0)
                    continue;
                const std::optional<int> column = GeoTableColumnOf(rock, era);
                if (!column)
                    continue;
                if (era > 0) {
                    outline(*column, era);
                } else {
                    for (int e = 1; e <= kEras; ++e)
                        outline(*column, e);
                }
            }
        }
    }
    dc.SelectObject(oldPen);
}
