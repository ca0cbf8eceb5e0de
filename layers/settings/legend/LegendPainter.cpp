#include "layers/settings/legend/LegendPainter.h"

#include "layers/settings/files/LayerSettingsFile.h"
#include "layers/settings/files/LegendPens.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {

constexpr int kNameX = 50;
constexpr int kHeadingX = 10;
constexpr int kExtraX = 37;
constexpr int kYearNameX = 35;

bool AnyExactlyOne(const int* first, const int* last) { return std::find(first, last, 1) != last; }

// The rows of one section's file. Each section reads into a table of its own, so a missing file
// leaves its rows empty instead of showing the previous section's names.
LayerSettingsTable ReadSection(const std::string& path, int tabs, std::string_view keys)
{
    LayerSettingsTable table(tabs, 5);
    ReadLayerSettingsFile(path, keys, table);
    return table;
}

class LegendWriter {
public:
    explicit LegendWriter(vd::Dc& dc) : dc_(dc) {}

    int line = 0;

    void Text(int x, int l, std::string_view text) { dc_.TextOut(x, 15 * l + 4, text); }
    void Sample(int l)
    {
        dc_.MoveTo(5, 15 * l + 11);
        dc_.LineTo(32, 15 * l + 11);
    }
    void Marker(int l) { dc_.Rectangle(12, 15 * l + 8, 18, 15 * l + 14); }
    void Pen(int code) { pens_.Select(dc_, code); }
    void Pen(const vd::Pen& pen) { dc_.SelectObject(pen); }
    // A sample line in the current pen and a text at the name column, on the current line.
    void Entry(std::string_view text)
    {
        Sample(line);
        Text(kNameX, line, text);
        ++line;
    }
    const LegendPenTable& pens() const { return pens_; }

private:
    vd::Dc& dc_;
    LegendPenTable pens_;
};

void Roads(LegendWriter& w)
{
    w.Text(kNameX, w.line, "------- 道路種別 -------");
    const int first = w.line + 1;
    struct RoadClass {
        const char* name;
        const vd::Pen* pen;
    };
    const LegendPenTable& p = w.pens();
    const RoadClass classes[] = {
        {"高速道路", &p.lightBlue},   {"一般国道", &p.pen(kRed + kWideCode)},
        {"主要地方道", &p.blackThin}, {"一般都道府県道", &p.blackThin},
        {"特例都道", &p.blackThin},   {"市町村道", &p.blackThin},
        {"私道", &p.blackThin},
    };
    for (int i = 0; i < 7; ++i) {
        w.Pen(*classes[i].pen);
        w.Sample(first + i);
        w.Text(kNameX, first + i, classes[i].name);
    }
    w.line += 8;
}

void Railways(LegendWriter& w)
{
    w.Text(kNameX, w.line, "------- 鉄道のライン種別 -------");
    const int first = w.line + 1;
    const std::pair<const char*, int> types[] = {
        {"新幹線", kViolet + kWideCode}, {"ＪＲ在来線", kBrown + kWideCode}, {"公営鉄道", kPink}, {"民営鉄道", kGreen}};
    for (int i = 0; i < 4; ++i) {
        w.Pen(types[i].second);
        w.Sample(first + i);
        w.Text(kNameX, first + i, types[i].first);
    }
    w.line += 5;
}

// The river code's digits: units the colour, tens the class choice, hundreds the bed elevation.
void Rivers(LegendWriter& w, const LayerSettingsRow& row)
{
    const int units = row.colour % 10;
    const int tens = row.colour / 10 % 10;
    const int hundreds = row.colour / 100 % 10;
    static const char* const kClasses[] = {"(全河川", "(1級河川区間", "(2級河川区間", "(1～2級河川区間",
                                           "(河川等級で色分け"};
    std::string text = row.name + (tens >= 0 && tens <= 4 ? kClasses[tens] : "(");
    text += hundreds == 0 ? ")" : "と河床標高)";
    if (tens != 4) {
        w.Pen(units);
        w.Entry(text);
        return;
    }
    w.Text(kNameX, w.line, text);
    ++w.line;
    const std::pair<const char*, int> classes[] = {{"一級河川区間", units}, {"２級河川区間", 2}, {"その他の区間", 3}};
    for (const auto& [name, code] : classes) {
        w.Pen(code);
        w.Entry(name);
    }
}

void LineSection(LegendWriter& w, const LegendFlags& flags, const std::string& folder)
{
    const LayerSettingsTable rows = ReadSection(folder + "DddMFile.dat", 7, "TC");
    w.Text(kHeadingX, 0, "===  国土数値情報（線データ）  ===");
    w.line = 1;
    for (int tab = 1; tab <= 7; ++tab)
        for (int r = 1; r <= 5; ++r) {
            if (flags.line[(tab - 1) * 5 + r - 1] == 0)
                continue;
            const LayerSettingsRow& row = rows.at(tab, r);
            if (tab == 1 && r == 1 && row.colour == 0) {
                Roads(w);
            } else if (tab == 1 && r == 1) {
                w.Pen(w.pens().blackWide);
                w.Entry(row.name);
            } else if (tab == 3 && r == 5 && row.colour == 1) {
                Railways(w);
            } else if (tab == 3 && r == 5) {
                w.Pen(kBrown);
                w.Entry(row.name);
            } else if (tab == 5 && r == 5) {
                Rivers(w, row);
            } else {
                w.Pen(row.colour);
                w.Entry(row.name);
            }
            ++w.line;
        }
}

// The surface rows' pen: the dotted choices (11-21 on the surface pages) take the dotted pens.
int SurfacePenCode(int colour)
{
    const int code = colour >= 100 ? colour % 100 : colour;
    return code >= 11 && code <= 21 ? code + 11 : code;
}

void SurfaceSection(LegendWriter& w, const LegendFlags& flags, const std::string& folder)
{
    const LayerSettingsTable rows = ReadSection(folder + "DddSFile.dat", 3, "TC");
    w.Text(kHeadingX, w.line, "===  国土数値情報（面データ）  ===");
    ++w.line;
    struct Extras {
        int tab, row;
        std::vector<const char*> texts;
    };
    static const Extras kExtras[] = {
        {2, 1, {"都市計画区域(2,3,4を除く):1", "用途地域(3,4)を除く:2  市街化区域:3", "市街化調整区域:4"}},
        {2, 2, {"普通地域:1 特別地域(3を除く):2", "特別保護地区:3      海中公園:4"}},
        {2,
         3,
         {"原生自然環境保全地域(2の除く):1", "立入規制地区:2       普通地区:3", "特別地区(5を除く):4",
          "野生動植物保護地区:5 海中特別地区:6"}},
        {3, 1, {"番号：三大都市圏計画区域コード"}},
        {3, 2, {"特別保護地区以外の鳥獣保護区:1", "特別保護区:2"}},
        {3, 4, {"番号：湖沼コード"}},
        {3, 5, {"番号：湖沼コード"}},
    };
    for (int tab = 1; tab <= 3; ++tab)
        for (int r = 1; r <= 5; ++r) {
            if (flags.surface[(tab - 1) * 5 + r - 1] == 0)
                continue;
            const LayerSettingsRow& row = rows.at(tab, r);
            std::string name = row.name;
            if (tab == 1 && r == 5)
                name = "流域界";
            else if (tab == 2 && r == 1)
                name += "(破線は市町村境界)";
            w.Pen(SurfacePenCode(row.colour));
            w.Entry(name);
            if (tab == 1 && r == 5) {
                w.Pen(SurfacePenCode(row.colour) + 5);
                w.Entry("非集水域線");
                w.Pen(SurfacePenCode(row.colour));
            }
            for (const Extras& e : kExtras)
                if (e.tab == tab && e.row == r)
                    for (const char* text : e.texts) {
                        w.Text(kExtraX, w.line, text);
                        ++w.line;
                    }
        }
}

// The land-price item line under a row of tabs 4 and 6, chosen by the N value of the tab's row 1.
const char* ItemLine(int n)
{
    switch (n) {
    case 0:
        return "項目：価格(万円)";
    case 1:
        return "項目：前年変動率(%)";
    case 2:
        return "項目：地名／価格(万円)";
    case 3:
        return "項目：価格(万円)／前年変動率(%)";
    case 4:
        return "項目：価格(万円)／利用状況";
    case 6:
        return "項目：価格(万円)／駅からの距離(m)";
    case 9:
        return "項目：駅からの距離(m)";
    default:
        return "";
    }
}

const char* ZoningTitle(int n)
{
    switch (n) {
    case 5:
        return "項目：価格(万円)／用途地域の種類";
    case 7:
        return "項目：用途地域の種類／建ぺい率(%)";
    case 8:
        return "項目：用途地域の種類／容積率(%)";
    default:
        return nullptr;
    }
}

constexpr const char* kZoning[] = {
    " 1:第一種低層住居専用   2:第二種低層住居専用", " 3:第一種中高層住居専用 4:第二種中高層住居専用",
    " 5:第一種住居  6:第二種住居 7:準住居",         " 8:近隣商業    9:商業",
    "10:準工業    11:工業   12:工業専用",           "13:防火      14:準防火 15:市街地化調整",
    "16:未線引都市計画      17:地域森林計画",       "18:国定公園第3種特別",
    "19:第一種住居専用  20:第二種住居専用",         "21:住居            22:住宅専用",
};

// Wide arithmetic: the index comes from the program's text and may be any int.
std::string YearText(int y)
{
    const std::int64_t year = y;
    return year < 6 ? vd::format("[昭和%d年分]", year + 58) : vd::format("[平成%d年分]", year - 5);
}

void PointSection(LegendWriter& w, const LegendFlags& flags, const std::string& folder)
{
    LayerSettingsTable rows = ReadSection(folder + "DDDPFILE.DAT", 6, "TCN");
    rows.at(2, 5).name = "発電所";
    const char* const kCoast[] = {"感潮限界", "港湾", "漁港", "空港台帳"};
    for (int r = 1; r <= 4; ++r)
        rows.at(5, r).name = kCoast[r - 1];
    w.Text(kHeadingX, w.line, "===  国土数値情報（点データ）  ===");
    ++w.line;
    for (int tab = 1; tab <= 6; ++tab)
        for (int r = 1; r <= 5; ++r) {
            if (flags.point[(tab - 1) * 5 + r - 1] == 0)
                continue;
            const LayerSettingsRow& row = rows.at(tab, r);
            w.Pen(row.colour);
            w.Marker(w.line);
            if (tab == 6)
                w.Text(kYearNameX, w.line, row.name + YearText(flags.year));
            else
                w.Text(kNameX, w.line, row.name);
            if ((tab == 4 || tab == 6) && r <= 4) {
                const int n = rows.at(tab, 1).n;
                if (const char* title = ZoningTitle(n)) {
                    w.Text(kHeadingX, w.line + 1, title);
                    for (int i = 0; i < 10; ++i)
                        w.Text(kHeadingX, w.line + 2 + i, kZoning[i]);
                    w.line += 14;
                } else {
                    if (*ItemLine(n))
                        w.Text(kNameX, w.line + 1, ItemLine(n));
                    w.line += 3;
                }
            } else {
                w.line += 2;
            }
        }
}

} // namespace

void PaintLegend(vd::Dc& dc, const LegendFlags& flags, const std::string& folder)
{
    vd::Font font;
    font.CreateFont(12, 0, 0, 0, 400, false, false, false, vd::SHIFTJIS_CHARSET, vd::OUT_TT_PRECIS,
                    vd::CLIP_DEFAULT_PRECIS, vd::PROOF_QUALITY, vd::VARIABLE_PITCH | vd::FF_ROMAN, "ＭＳ 明朝");
    const vd::Font oldFont = dc.SelectObject(font);
    LegendWriter w(dc);
    const vd::Pen oldPen = dc.SelectObject(w.pens().blackThin);
    if (AnyExactlyOne(flags.line.data(), flags.line.data() + flags.line.size()))
        LineSection(w, flags, folder);
    if (AnyExactlyOne(flags.surface.data(), flags.surface.data() + flags.surface.size()))
        SurfaceSection(w, flags, folder);
    if (AnyExactlyOne(flags.point.data(), flags.point.data() + flags.point.size()))
        PointSection(w, flags, folder);
    dc.SelectObject(oldFont);
    dc.SelectObject(oldPen);
}

void PaintLegendArea(vd::Dc& dc, const LegendFlags& flags, const std::string& folder)
{
    const vd::Pen white(vd::PS_SOLID, 1, vd::RGB(255, 255, 255));
    const vd::Brush whiteBrush(vd::RGB(255, 255, 255));
    const vd::Pen oldPen = dc.SelectObject(white);
    const vd::Brush oldBrush = dc.SelectObject(whiteBrush);
    dc.SetBkColor(vd::RGB(255, 255, 255));
    dc.Rectangle(2, 2, 249, 323);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    PaintLegend(dc, flags, folder);
}
