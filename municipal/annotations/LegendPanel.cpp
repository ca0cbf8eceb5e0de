#include "municipal/annotations/LegendPanel.h"

#include "layers/settings/files/LayerSettingsFile.h"
#include "meshcode/OptionList.h"
#include "municipal/SurrickText.h"
#include "platform/dc/Dc.h"
#include "platform/text/Numbers.h"

#include <algorithm>
#include <vector>

namespace surrick {

namespace {

constexpr int kRowHeight = 15;
constexpr int kTitleX = 5;
constexpr int kNameX = 45;
constexpr int kExtraX = 32;
constexpr int kSampleLength = 27;
constexpr int kFontHeight = 12;
constexpr int kRowsPerTab = 5;
// Where each family's flags begin.
constexpr int kLineFlags = 0;
constexpr int kLastLineTabFlags = 75;
constexpr int kSurfaceFlags = 30;
constexpr int kPointFlags = 45;

LayerSettingsTable ReadSection(const std::string& path, int tabs, std::string_view keys)
{
    LayerSettingsTable table(tabs, kRowsPerTab);
    (void)ReadLayerSettingsFile(path, keys, table);
    return table;
}

int LineFlagIndex(int tab, int row) { return tab < 6 ? kLineFlags + tab * kRowsPerTab + row : kLastLineTabFlags + row; }

// A colour index moved on by `by`; an index of 100 or more counts by its last two digits, so
// that no settings value, however large, runs past int.
int Shifted(int colour, int by)
{
    long long code = static_cast<long long>(colour) + by;
    if (code >= 100)
        code %= 100;
    return static_cast<int>(code);
}

// Colour indexes 11-21 of a surface row take the dotted pens 22-32, as the layer legend draws
// those rows; higher ones are moved on by 22.
int SurfacePenCode(int colour) { return colour > 10 && colour <= 21 ? colour + 11 : colour > 10 ? Shifted(colour, 22) : colour; }

const char* RiverGrade(int colour)
{
    switch (colour % 100 / 10) {
    case 0: return "(全河川";
    case 1: return "(1級河川区間";
    case 2: return "(2級河川区間";
    case 3: return "(1～2級河川区間";
    case 4: return "(河川等級で色分け";
    default: return "(";
    }
}

const char* const kLandPriceItems[] = {
    "項目：価格(万円)",
    "項目：前年変動率(%)",
    "項目：地名／価格(万円)",
    "項目：価格(万円)／前年変動率(%)",
    "項目：価格(万円)／利用状況",
    "項目：価格(万円)／用途地域の種類",
    "項目：価格(万円)／駅からの距離(m)",
    "項目：用途地域の種類／建ぺい率(%)",
    "項目：用途地域の種類／容積率(%)",
    "項目：駅からの距離(m)",
};

const char* const kZoningRows[] = {
    " 1:第一種低層住居専用   2:第二種低層住居専用",
    " 3:第一種中高層住居専用 4:第二種中高層住居専用",
    " 5:第一種住居  6:第二種住居 7:準住居",
    " 8:近隣商業    9:商業",
    "10:準工業    11:工業   12:工業専用",
    "13:防火      14:準防火 15:市街地化調整",
    "16:未線引都市計画      17:地域森林計画",
    "18:国定公園第3種特別",
    "19:第一種住居専用  20:第二種住居専用",
    "21:住居            22:住宅専用",
};

// The rows of the panel, one after the other from its top.
class Rows {
public:
    Rows(vd::Dc& dc, const LegendPenTable& pens, int x, int y) : dc_(dc), pens_(pens), x_(x), y_(y) {}

    int used() const { return n_; }
    const LegendPenTable& pens() const { return pens_; }
    int top() const { return y_ + kRowHeight * n_; }

    void Title(std::string_view text)
    {
        dc_.TextOut(x_ + kTitleX, top(), text);
        ++n_;
    }
    void Extra(std::string_view text)
    {
        dc_.TextOut(x_ + kExtraX, top(), text);
        ++n_;
    }
    void Skip(int rows) { n_ += rows; }
    // A line sample in the pen of a colour code and a name.
    void Sample(int code, std::string_view name)
    {
        pens_.Select(dc_, code);
        SampleInCurrentPen(name);
    }
    void Sample(const vd::Pen& pen, std::string_view name)
    {
        dc_.SelectObject(pen);
        SampleInCurrentPen(name);
    }
    // A point symbol in the pen of a colour code and a name.
    void Point(int code, std::string_view name)
    {
        pens_.Select(dc_, code);
        dc_.Rectangle(x_ + 7, top() + 4, x_ + 13, top() + 10);
        dc_.TextOut(x_ + kNameX, top(), name);
        ++n_;
    }

private:
    void SampleInCurrentPen(std::string_view name)
    {
        dc_.MoveTo(x_, top() + 7);
        dc_.LineTo(x_ + kSampleLength, top() + 7);
        dc_.TextOut(x_ + kNameX, top(), name);
        ++n_;
    }

    vd::Dc& dc_;
    const LegendPenTable& pens_;
    int x_;
    int y_;
    int n_ = 0;
};

void Roads(Rows& rows)
{
    rows.Title("------- 道路種別 -------");
    rows.Sample(rows.pens().lightBlue, "高速道路");
    rows.Sample(18, "一般国道");
    for (const char* name : {"主要地方道", "一般都道府県道", "特例都道", "市町村道", "私道"})
        rows.Sample(9, name);
}

void Railways(Rows& rows)
{
    rows.Title("------- 鉄道のライン種別 -------");
    const std::pair<const char*, int> kinds[] = {{"新幹線", 11}, {"ＪＲ在来線", 19}, {"公営鉄道", 6}, {"民営鉄道", 3}};
    for (const auto& [name, code] : kinds)
        rows.Sample(code, name);
}

void LineSection(Rows& rows, const LegendRowFlags& flags, const std::string& folder)
{
    const LayerSettingsTable table = ReadSection(folder + "DddMFile.dat", 7, "TC");
    rows.Title("===  国土数値情報（線データ）  ===");
    for (int tab = 0; tab < 7; ++tab)
        for (int r = 0; r < kRowsPerTab; ++r) {
            if (flags[LineFlagIndex(tab, r)] != 1)
                continue;
            const LayerSettingsRow& row = table.at(tab + 1, r + 1);
            if (tab == 0 && r == 0) {
                if (row.colour == 0)
                    Roads(rows);
                else
                    rows.Sample(20, row.name);
            } else if (tab == 2 && r == 4) {
                if (row.colour == 1)
                    Railways(rows);
                else
                    rows.Sample(8, row.name);
            } else if (tab == 4 && r == 4) {
                rows.Sample(row.colour % 10,
                            row.name + RiverGrade(row.colour) + (row.colour >= 100 ? "と河床標高)" : ")"));
            } else {
                rows.Sample(row.colour, row.name);
            }
        }
}

void SurfaceSection(Rows& rows, const LegendRowFlags& flags, const std::string& folder)
{
    const LayerSettingsTable table = ReadSection(folder + "DddSFile.dat", 3, "TC");
    rows.Title("===  国土数値情報（面データ）  ===");
    for (int tab = 0; tab < 3; ++tab)
        for (int r = 0; r < kRowsPerTab; ++r) {
            if (flags[kSurfaceFlags + tab * kRowsPerTab + r] != 1)
                continue;
            const LayerSettingsRow& row = table.at(tab + 1, r + 1);
            const int code = SurfacePenCode(row.colour);
            std::vector<const char*> extras;
            if (tab == 0 && r == 4) {
                rows.Sample(code, "流域界");
                rows.Sample(Shifted(code, 5), "非集水域線");
                continue;
            }
            if (tab == 1 && r == 0) {
                rows.Sample(code, row.name + "(破線は市町村境界)");
                extras = {"都市計画区域(2,3,4を除く):1", "用途地域(3,4)を除く:2  市街化区域:3", "市街化調整区域:4"};
            } else {
                rows.Sample(code, row.name);
                if (tab == 1 && r == 1)
                    extras = {"普通地域:1 特別地域(3を除く):2", "特別保護地区:3      海中公園:4"};
                else if (tab == 1 && r == 2)
                    extras = {"原生自然環境保全地域(2の除く):1", "立入規制地区:2       普通地区:3",
                              "特別地区(5を除く):4", "野生動植物保護地区:5 海中特別地区:6"};
                else if (tab == 2 && r == 0)
                    extras = {"番号：三大都市圏計画区域コード"};
                else if (tab == 2 && r == 1)
                    extras = {"特別保護地区以外の鳥獣保護区:1", "特別保護区:2"};
                else if (tab == 2 && r >= 3)
                    extras = {"番号：湖沼コード"};
            }
            for (const char* extra : extras)
                rows.Extra(extra);
        }
}

const char* FixedPointName(int tab, int r)
{
    if (tab == 1 && r == 4)
        return "発電所";
    static const char* const kTidal[] = {"感潮限界", "港湾", "漁港", "空港台帳"};
    return tab == 4 && r < 4 ? kTidal[r] : nullptr;
}

void PointSection(Rows& rows, const LegendRowFlags& flags, const std::string& folder)
{
    const LayerSettingsTable table = ReadSection(folder + "DDDPFILE.DAT", 6, "TCN");
    rows.Title("===  国土数値情報（点データ）  ===");
    const int item = table.at(4, 1).n;
    for (int tab = 0; tab < 6; ++tab)
        for (int r = 0; r < kRowsPerTab; ++r) {
            if (flags[kPointFlags + tab * kRowsPerTab + r] != 1)
                continue;
            const LayerSettingsRow& row = table.at(tab + 1, r + 1);
            const char* fixed = FixedPointName(tab, r);
            rows.Point(row.colour, fixed ? std::string(fixed) : row.name);
            if (tab == 3 && r < 4 && item >= 0 && item <= 9) {
                rows.Extra(kLandPriceItems[item]);
                if (item == 5 || item == 7 || item == 8)
                    for (const char* zoning : kZoningRows)
                        rows.Extra(zoning);
            } else {
                rows.Skip(1);
            }
        }
}

bool AnyShown(const LegendRowFlags& flags, int first, int last)
{
    return std::find(flags.begin() + first, flags.begin() + last, 1) != flags.begin() + last;
}

} // namespace

LegendRowFlags ParseLegendRowFlags(std::string_view text)
{
    LegendRowFlags flags{};
    meshcode::ParseBarFlags(text, flags);
    return flags;
}

CWhiteDdLegend::CWhiteDdLegend(int positionMode, const LegendRowFlags& flags, std::string dataFolder)
    : m_anFlags(flags), m_strDataFolder(std::move(dataFolder))
{
    struct Place {
        int x, y, width;
    };
    static constexpr Place kPlaces[] = {{865, 234, 210}, {10, 10, 210}, {825, 204, 240}};
    if (positionMode >= 0 && positionMode <= 2) {
        m_nX = kPlaces[positionMode].x;
        m_nY = kPlaces[positionMode].y;
        m_nWidth = kPlaces[positionMode].width;
    }
}

void CWhiteDdLegend::Paint(vd::Dc& dc) const
{
    const vd::Font font = MapFont(kFontHeight, kMinchoFace);
    const vd::Font callerFont = dc.SelectObject(font);
    const vd::Pen callerPen = dc.SelectObject(m_pens.blackThin);
    Rows rows(dc, m_pens, m_nX, m_nY);
    if (AnyShown(m_anFlags, 0, kSurfaceFlags) || AnyShown(m_anFlags, kLastLineTabFlags, kLegendFlagCount))
        LineSection(rows, m_anFlags, m_strDataFolder);
    if (AnyShown(m_anFlags, kSurfaceFlags, kPointFlags))
        SurfaceSection(rows, m_anFlags, m_strDataFolder);
    if (AnyShown(m_anFlags, kPointFlags, kLastLineTabFlags))
        PointSection(rows, m_anFlags, m_strDataFolder);

    dc.SelectObject(callerPen);
    const int left = m_nX - 3, right = m_nX + m_nWidth;
    const int top = m_nY - 2, bottom = m_nY + kRowHeight * rows.used() - 2;
    dc.MoveTo(left, top);
    dc.LineTo(right, top);
    dc.LineTo(right, bottom);
    dc.LineTo(left, bottom);
    dc.LineTo(left, top);
    dc.SelectObject(callerFont);
}

} // namespace surrick
