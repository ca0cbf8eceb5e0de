// A registered point's symbol by the renderer's mark style, and its label by the document's label
// setting.
#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "platform/dc/Dc.h"
#include "platform/text/Format.h"

void CMapRenderer::DrawPointMark(int x, int y, int size, int shape)
{
    vd::Dc& dc = *m_pDC;
    int brush = 0;
    int pen = 0;
    switch (m_nMarkStyle) {
    case 2: brush = 0; pen = 2; break;
    case 4: brush = 2; pen = 2; break;
    case 6: brush = 1; pen = 5; break;
    case 8: brush = 5; pen = 12; break;
    case 10: brush = 12; pen = 24; break;
    default: brush = 0; pen = 0; break;
    }
    // Web pages are a square one pixel larger, whatever the caller asked.
    if (m_nMarkStyle == 10) {
        ++size;
        shape = 2;
    }
    if (m_nMarkStyle != m_nSelectedMarkStyle) {
        dc.SelectObject(m_aPen[static_cast<std::size_t>(pen)]);
        dc.SelectObject(m_aBrush[static_cast<std::size_t>(brush)]);
        m_nSelectedMarkStyle = m_nMarkStyle;
    }
    const int left = x - size, top = y - size, right = x + size, bottom = y + size;
    switch (shape) {
    case 1: {
        const vd::Point triangle[] = {{left, bottom}, {right, bottom}, {x, top}, {left, bottom}};
        dc.Polygon(triangle, 4);
        break;
    }
    case 2:
        dc.Rectangle(left + 1, top + 1, right, bottom);
        break;
    case 3:
        dc.Ellipse(left + 1, top + 1, right + 1, y + size + 1);
        break;
    case 4:
        dc.Ellipse(left, top, right, bottom);
        break;
    case 5:
        dc.SelectObject(m_aPen[15]);
        dc.SelectObject(m_aBrush[0]);
        dc.Ellipse(left + 1, top + 1, right + 1, y + size + 1);
        break;
    default:
        break;
    }
}

void CMapRenderer::DrawElevationLabel(int elevation, const std::string& valueText, int x, int y, int gap,
                                      int secondLineOffset, int offsetX, int offsetY, int size)
{
    SheetDrawState& draw = *m_pDraw;
    vd::Dc& dc = *m_pDC;
    const std::string& name = draw.m_strEntryTitle;
    const int kind = m_nMarkStyle > 3 ? 4 : CVeldoranDoc::PlaceNameKind(name);
    DrawPointMark(x, y, size, kind);

    if (m_nLabelColourMode == 2) {
        vd::COLORREF colour = vd::RGB(0, 0, 0);
        if (kind == 1)
            colour = m_settings.mapFigure != 0 ? vd::RGB(255, 255, 255) : vd::RGB(0, 0, 0);
        else if (kind == 2)
            colour = vd::RGB(0, 0, 255);
        else if (kind == 3)
            colour = vd::RGB(255, 0, 0);
        dc.SetTextColor(colour);
    }
    const int column = x + gap + offsetX;
    const bool blankName = name == "　";
    switch (m_settings.pointLabel) {
    case 1:
        if (!blankName)
            dc.TextOut(column, y + offsetY - 6, name);
        break;
    case 2: {
        // Below -899 a place has no elevation, and no text.
        const std::string value =
            !valueText.empty() ? valueText : elevation >= -899 ? vd::format("%dm", elevation) : std::string();
        dc.TextOut(column, y + offsetY - 6, value);
        break;
    }
    case 3: {
        if (!blankName)
            dc.TextOut(column, y + offsetY - 8, name);
        std::string second = valueText;
        if (second.empty() && elevation >= -899)
            second = vd::format("(%dm)", elevation);
        dc.TextOut(column, y + offsetY + secondLineOffset, second);
        break;
    }
    default:
        break;
    }
    if (m_nLabelColourMode == 2)
        dc.SetTextColor(vd::RGB(0, 0, 0));
}
