#pragma once
// The old platform's drawing constants with their original values, so that code written against
// them (and numbers kept in settings files) keeps its meaning.
#include <cstdint>

namespace vd {

// Pen styles.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_DASHDOT = 3;
inline constexpr int PS_DASHDOTDOT = 4;
inline constexpr int PS_NULL = 5;
inline constexpr int PS_INSIDEFRAME = 6;

// Brush styles.
inline constexpr int BS_SOLID = 0;
inline constexpr int BS_NULL = 1;
inline constexpr int BS_HOLLOW = 1;

// Stock objects.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int GRAY_BRUSH = 2;
inline constexpr int DKGRAY_BRUSH = 3;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = 5;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int OEM_FIXED_FONT = 10;
inline constexpr int ANSI_FIXED_FONT = 11;
inline constexpr int ANSI_VAR_FONT = 12;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEVICE_DEFAULT_FONT = 14;
inline constexpr int SYSTEM_FIXED_FONT = 16;
inline constexpr int DEFAULT_GUI_FONT = 17;

// Binary raster operations (SetROP2).
inline constexpr int R2_BLACK = 1;
inline constexpr int R2_NOTMERGEPEN = 2;
inline constexpr int R2_MASKNOTPEN = 3;
inline constexpr int R2_NOTCOPYPEN = 4;
inline constexpr int R2_MASKPENNOT = 5;
inline constexpr int R2_NOT = 6;
inline constexpr int R2_XORPEN = 7;
inline constexpr int R2_NOTMASKPEN = 8;
inline constexpr int R2_MASKPEN = 9;
inline constexpr int R2_NOTXORPEN = 10;
inline constexpr int R2_NOP = 11;
inline constexpr int R2_MERGENOTPEN = 12;
inline constexpr int R2_COPYPEN = 13;
inline constexpr int R2_MERGEPENNOT = 14;
inline constexpr int R2_MERGEPEN = 15;
inline constexpr int R2_WHITE = 16;

// Ternary raster operations of the block transfers.
inline constexpr std::uint32_t SRCCOPY = 0x00CC0020u;
inline constexpr std::uint32_t SRCPAINT = 0x00EE0086u;
inline constexpr std::uint32_t SRCAND = 0x008800C6u;
inline constexpr std::uint32_t SRCINVERT = 0x00660046u;
inline constexpr std::uint32_t SRCERASE = 0x00440328u;
inline constexpr std::uint32_t NOTSRCCOPY = 0x00330008u;
inline constexpr std::uint32_t NOTSRCERASE = 0x001100A6u;
inline constexpr std::uint32_t MERGECOPY = 0x00C000CAu;
inline constexpr std::uint32_t MERGEPAINT = 0x00BB0226u;
inline constexpr std::uint32_t PATCOPY = 0x00F00021u;
inline constexpr std::uint32_t PATPAINT = 0x00FB0A09u;
inline constexpr std::uint32_t PATINVERT = 0x005A0049u;
inline constexpr std::uint32_t DSTINVERT = 0x00550009u;
inline constexpr std::uint32_t BLACKNESS = 0x00000042u;
inline constexpr std::uint32_t WHITENESS = 0x00FF0062u;

// Background modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

// Polygon fill modes.
inline constexpr int ALTERNATE = 1;
inline constexpr int WINDING = 2;

// Stretch modes.
inline constexpr int BLACKONWHITE = 1;
inline constexpr int WHITEONBLACK = 2;
inline constexpr int COLORONCOLOR = 3;
inline constexpr int HALFTONE = 4;
inline constexpr int STRETCH_ANDSCANS = BLACKONWHITE;
inline constexpr int STRETCH_ORSCANS = WHITEONBLACK;
inline constexpr int STRETCH_DELETESCANS = COLORONCOLOR;
inline constexpr int STRETCH_HALFTONE = HALFTONE;

// Text alignment.
inline constexpr unsigned TA_NOUPDATECP = 0;
inline constexpr unsigned TA_UPDATECP = 1;
inline constexpr unsigned TA_LEFT = 0;
inline constexpr unsigned TA_RIGHT = 2;
inline constexpr unsigned TA_CENTER = 6;
inline constexpr unsigned TA_TOP = 0;
inline constexpr unsigned TA_BOTTOM = 8;
inline constexpr unsigned TA_BASELINE = 24;
inline constexpr unsigned GDI_ERROR_ALIGN = 0xFFFFFFFFu;

// Mapping modes.
inline constexpr int MM_TEXT = 1;
inline constexpr int MM_LOMETRIC = 2;
inline constexpr int MM_HIMETRIC = 3;
inline constexpr int MM_LOENGLISH = 4;
inline constexpr int MM_HIENGLISH = 5;
inline constexpr int MM_TWIPS = 6;
inline constexpr int MM_ISOTROPIC = 7;
inline constexpr int MM_ANISOTROPIC = 8;

// Clipping results.
inline constexpr int ERROR_REGION = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;

// Device-independent bitmaps.
inline constexpr unsigned DIB_RGB_COLORS = 0;
inline constexpr unsigned DIB_PAL_COLORS = 1;
inline constexpr std::uint32_t BI_RGB = 0;
inline constexpr std::uint32_t BI_RLE8 = 1;
inline constexpr std::uint32_t BI_RLE4 = 2;
inline constexpr std::uint32_t BI_BITFIELDS = 3;

// Device capabilities.
inline constexpr int HORZSIZE = 4;
inline constexpr int VERTSIZE = 6;
inline constexpr int HORZRES = 8;
inline constexpr int VERTRES = 10;
inline constexpr int BITSPIXEL = 12;
inline constexpr int PLANES = 14;
inline constexpr int NUMCOLORS = 24;
inline constexpr int RASTERCAPS = 38;
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;
inline constexpr int SIZEPALETTE = 104;
inline constexpr int PHYSICALWIDTH = 110;
inline constexpr int PHYSICALHEIGHT = 111;
inline constexpr int PHYSICALOFFSETX = 112;
inline constexpr int PHYSICALOFFSETY = 113;
inline constexpr int RC_PALETTE = 0x0100;
inline constexpr int RC_STRETCHBLT = 0x0800;
inline constexpr int RC_BITBLT = 0x0001;
inline constexpr int RC_STRETCHDIB = 0x2000;
inline constexpr int RC_DI_BITMAP = 0x0080;

// Three-dimensional edges (DrawEdge).
inline constexpr unsigned BDR_RAISEDOUTER = 0x0001;
inline constexpr unsigned BDR_SUNKENOUTER = 0x0002;
inline constexpr unsigned BDR_RAISEDINNER = 0x0004;
inline constexpr unsigned BDR_SUNKENINNER = 0x0008;
inline constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
inline constexpr unsigned BF_LEFT = 0x0001;
inline constexpr unsigned BF_TOP = 0x0002;
inline constexpr unsigned BF_RIGHT = 0x0004;
inline constexpr unsigned BF_BOTTOM = 0x0008;
inline constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr unsigned BF_MIDDLE = 0x0800;
inline constexpr unsigned BF_ADJUST = 0x2000;

// Frame controls (DrawFrameControl): only push buttons are drawn.
inline constexpr unsigned DFC_BUTTON = 4;
inline constexpr unsigned DFCS_BUTTONPUSH = 0x0010;
inline constexpr unsigned DFCS_INACTIVE = 0x0100;
inline constexpr unsigned DFCS_PUSHED = 0x0200;
inline constexpr unsigned DFCS_CHECKED = 0x0400;
inline constexpr unsigned DFCS_FLAT = 0x4000;

// Font parameters.
inline constexpr int FW_DONTCARE = 0;
inline constexpr int FW_THIN = 100;
inline constexpr int FW_LIGHT = 300;
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_MEDIUM = 500;
inline constexpr int FW_SEMIBOLD = 600;
inline constexpr int FW_BOLD = 700;
inline constexpr int FW_HEAVY = 900;
inline constexpr int ANSI_CHARSET = 0;
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int SHIFTJIS_CHARSET = 128;
inline constexpr int OUT_DEFAULT_PRECIS = 0;
inline constexpr int OUT_TT_PRECIS = 4;
inline constexpr int CLIP_DEFAULT_PRECIS = 0;
inline constexpr int DEFAULT_QUALITY = 0;
inline constexpr int DRAFT_QUALITY = 1;
inline constexpr int PROOF_QUALITY = 2;
inline constexpr int DEFAULT_PITCH = 0;
inline constexpr int FIXED_PITCH = 1;
inline constexpr int VARIABLE_PITCH = 2;
inline constexpr int FF_DONTCARE = 0x00;
inline constexpr int FF_ROMAN = 0x10;
inline constexpr int FF_SWISS = 0x20;
inline constexpr int FF_MODERN = 0x30;
inline constexpr int FF_SCRIPT = 0x40;
inline constexpr int FF_DECORATIVE = 0x50;

} // namespace vd
