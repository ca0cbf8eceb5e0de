// One search hit's symbol: a small circle, diamond, square, triangle or mark of size e around the
// point, drawn with the pen and, for the filled kinds, the brush of its colour type.
#include "view/renderer/MapRenderer.h"

#include "platform/dc/Dc.h"

namespace {

int PenOfType(int type)
{
    static constexpr int pens[] = {12, 7, 2, 19, 21, 23, 24, 22};
    return type >= 1 && type <= 8 ? pens[type - 1] : 0;
}

int BrushOfType(int type)
{
    static constexpr int brushes[] = {5, 5, 3, 2, 7, 10, 12, 13, 11};
    return type >= 0 && type <= 8 ? brushes[type] : 8;
}

bool IsFilled(int kind) { return kind == 1 || kind == 4 || kind == 8 || kind == 10 || kind == 12; }

constexpr int kUncolouredBrush = 8;

} // namespace

void CMapRenderer::DrawNameLabel(int x, int y, int size, int type, int kind)
{
    vd::Dc& dc = *m_pDC;
    const int e = m_nSymbolHalf;
    const bool filled = IsFilled(kind);
    if (size != -1) {
        // The pen stays selected from one symbol of a type to the next; the brush is chosen for
        // every filled symbol, since each filled one puts the white brush back after it.
        if (type != m_nLastSymbolType) {
            dc.SelectObject(m_aPen[std::size_t(PenOfType(type))]);
            m_nLastSymbolType = type;
        }
        if (filled)
            dc.SelectObject(m_aBrush[std::size_t(BrushOfType(type))]);
    } else if (filled) {
        dc.SelectObject(m_aBrush[kUncolouredBrush]);
    }
    const auto line = [&dc](int x1, int y1, int x2, int y2) {
        dc.MoveTo(x1, y1);
        dc.LineTo(x2, y2);
    };
    switch (kind) {
    case 0: dc.Ellipse(x - e, y - e, x + e, y + e); break;
    case 1: dc.Ellipse(x - e - 1, y - e - 1, x + e, y + e); break;
    case 2: dc.Ellipse(x - e - 2, y - e - 2, x + 1 + e, y + 1 + e); break;
    case 3:
    case 4: {
        const vd::Point diamond[] = {{x - e, y}, {x, y - e}, {x + e, y}, {x, y + e}};
        dc.Polygon(diamond, 4);
        break;
    }
    case 5:
        dc.Rectangle(x - e - 1, y - e - 1, x + 1 + e, y + 1 + e);
        dc.Rectangle(x - 1, y - 1, x + 1, y + 1);
        break;
    case 6:
    case 8: dc.Rectangle(x - e, y - e, x + e, y + e); break;
    case 7: dc.Rectangle(x - e - 1, y - e - 1, x + e, y + e); break;
    case 11:
    case 12: {
        const vd::Point down[] = {{x - e, y - e}, {x + e, y - e}, {x, y + e}};
        dc.Polygon(down, 3);
        break;
    }
    case 13:
        line(x, y - e - 1, x, y + e + 2);
        line(x - e, y - 2, x + 1 + e, y + 3);
        line(x - e, y + 2, x + 1 + e, y - 3);
        break;
    case 14:
        line(x, y - e, x, y + 1 + e);
        line(x - e, y, x + 1 + e, y);
        break;
    case 15: dc.Ellipse(x - 1, y - 1, x + 1, y + 1); break;
    case 16:
        line(x - e, y - 2, x + 1 + e, y - 2);
        line(x - e, y, x + 1 + e, y);
        line(x, y, x, y + e + 2);
        break;
    default: {
        // 9, 10 and every kind the table does not name.
        const vd::Point up[] = {{x - e, y + e}, {x + e, y + e}, {x, y - e}};
        dc.Polygon(up, 3);
        break;
    }
    }
    if (filled)
        dc.SelectObject(m_aBrush[0]);
}
