#pragma once
// Private (Qt): fonts of the old platform's parameters turned into Qt fonts. Faces are substituted
// by the table of the architecture page; a positive height is fitted so that the cell (ascent plus
// descent) is exactly that many pixels.
#include "platform/dc/GdiObjects.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace vd {

struct ResolvedFont {
    QFont font;
    int height = 0; // the cell: ascent + descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
};

// The Qt family list for a face name of the old platform.
QStringList substitutedFamilies(const std::string& face, int pitchAndFamily);

// The font for a LogFont whose height, in device pixels, is deviceHeight (same sign rules).
const ResolvedFont& resolveFont(const LogFont& lf, int deviceHeight);

} // namespace vd
