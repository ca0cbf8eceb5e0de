#include "view/renderer/MapRenderer.h"

#include "app/document/VeldoranDoc.h"
#include "graphics/BackgroundShade.h"

using vd::RGB;

const std::array<vd::COLORREF, CMapRenderer::kBrushCount> kRendererBrushColours = {
    RGB(255, 255, 255), RGB(0, 230, 0),   RGB(255, 0, 0),     RGB(0, 130, 0),     RGB(200, 200, 200),
    RGB(0, 0, 255),     RGB(0, 0, 200),   RGB(0, 255, 255),   RGB(0, 0, 0),       RGB(160, 160, 160),
    RGB(255, 120, 120), RGB(255, 200, 120), RGB(255, 255, 0), RGB(160, 0, 0),     RGB(0, 255, 0),
};

const std::array<RendererPenSpec, CMapRenderer::kPenCount> kRendererPens = {{
    {vd::PS_SOLID, 1, RGB(0, 0, 0)},       {vd::PS_SOLID, 2, RGB(0, 0, 0)},       {vd::PS_SOLID, 1, RGB(255, 0, 0)},
    {vd::PS_SOLID, 1, RGB(255, 80, 0)},    {vd::PS_SOLID, 2, RGB(255, 0, 0)},     {vd::PS_SOLID, 1, RGB(0, 230, 0)},
    {vd::PS_SOLID, 1, RGB(0, 40, 0)},      {vd::PS_SOLID, 1, RGB(0, 180, 0)},     {vd::PS_SOLID, 1, RGB(0, 200, 0)},
    {vd::PS_SOLID, 2, RGB(0, 128, 0)},     {vd::PS_SOLID, 1, RGB(0, 128, 0)},     {vd::PS_SOLID, 1, RGB(0, 140, 0)},
    {vd::PS_SOLID, 1, RGB(0, 0, 255)},     {vd::PS_SOLID, 1, RGB(0, 0, 70)},      {vd::PS_SOLID, 2, RGB(0, 0, 255)},
    {vd::PS_SOLID, 1, RGB(255, 255, 255)}, {vd::PS_SOLID, 2, RGB(255, 255, 255)}, {vd::PS_SOLID, 1, RGB(150, 150, 150)},
    {vd::PS_SOLID, 1, RGB(100, 100, 100)}, {vd::PS_SOLID, 1, RGB(0, 255, 255)},   {vd::PS_SOLID, 2, RGB(0, 255, 255)},
    {vd::PS_SOLID, 1, RGB(255, 120, 120)}, {vd::PS_SOLID, 1, RGB(255, 200, 120)}, {vd::PS_SOLID, 1, RGB(255, 255, 0)},
    {vd::PS_SOLID, 1, RGB(160, 0, 0)},     {vd::PS_SOLID, 2, RGB(0, 128, 0)},
}};

MapDrawSettings MapDrawSettings::Of(const CVeldoranDoc& doc)
{
    return {doc.position.m_nMapFigure, doc.depth.m_nSubmarineLayer, doc.spec.m_nLake, doc.spec.m_nPointLabel,
            doc.registered.m_strDataFile};
}

MapDrawSettings MapDrawSettings::ForOverlayPass(const CVeldoranDoc& doc)
{
    MapDrawSettings settings = Of(doc);
    settings.mapFigure = 0;
    settings.submarineLayer = 0;
    if (doc.repaint.m_nOverlayLakes == -1)
        settings.lake = 0;
    return settings;
}

CMapRenderer::CMapRenderer(vd::Dc* pDC, CVeldoranDoc* pDoc, int clientWidth, int clientHeight)
    : CMapRenderer(pDC, pDoc, clientWidth, clientHeight, pDoc ? MapDrawSettings::Of(*pDoc) : MapDrawSettings{})
{
}

CMapRenderer::CMapRenderer(vd::Dc* pDC, CVeldoranDoc* pDoc, int clientWidth, int clientHeight,
                           const MapDrawSettings& settings)
    : CMapRenderer(pDC, pDoc, pDoc, clientWidth, clientHeight, settings)
{
}

CMapRenderer::CMapRenderer(vd::Dc* pDC, const CVeldoranDoc& doc, SheetDrawState& draw, int clientWidth,
                           int clientHeight, const MapDrawSettings& settings)
    : CMapRenderer(pDC, &doc, &draw, clientWidth, clientHeight, settings)
{
}

CMapRenderer::CMapRenderer(vd::Dc* pDC, const CVeldoranDoc* pDoc, SheetDrawState* pDraw, int clientWidth,
                           int clientHeight, const MapDrawSettings& settings)
    : m_settings(settings)
{
    m_pDC = pDC;
    m_pDoc = pDoc;
    m_pDraw = pDraw;
    m_nClientWidth = clientWidth;
    m_nClientHeight = clientHeight;
    m_nLabelColourMode = 2;
    m_nMarkStyle = 0;
    m_nSelectedMarkStyle = -1;
    m_nLabelPlacement = 1;
    m_nOriginX = 10;
    m_nOriginY = 30;
    m_bAltLayout = 0;
    for (int i = 0; i < kBrushCount; ++i)
        m_aBrush[i].CreateSolidBrush(kRendererBrushColours[i]);
    for (int i = 0; i < kPenCount; ++i)
        m_aPen[i].CreatePen(kRendererPens[i].style, kRendererPens[i].width, kRendererPens[i].colour);
    CreateBackgroundTools();
}

CMapRenderer::~CMapRenderer()
{
    for (vd::Brush& brush : m_aBrush)
        brush.DeleteObject();
    for (vd::Pen& pen : m_aPen)
        pen.DeleteObject();
    m_pBackgroundBrush.reset();
    m_pBackgroundShadeBrush.reset();
    m_pBackgroundShadePen.reset();
}

void CMapRenderer::CreateBackgroundTools()
{
    const vd::COLORREF background = m_pDoc ? m_pDoc->colours.m_crBackground : RGB(255, 255, 255);
    const vd::COLORREF shade = shade::ShadeColour(background);
    m_pBackgroundBrush = std::make_unique<vd::Brush>(background);
    m_pBackgroundShadeBrush = std::make_unique<vd::Brush>(shade);
    m_pBackgroundShadePen = std::make_unique<vd::Pen>(vd::PS_SOLID, 1, shade);
}
