#pragma once
// The program's document for targets whose reader is a document member: built once per process
// (its constructor reads the profile and writes the default files, as at start) and kept.
#include "app/document/VeldoranDoc.h"

namespace vd::fuzz {

inline CVeldoranDoc& document()
{
    static CVeldoranDoc* const doc = new CVeldoranDoc;
    return *doc;
}

} // namespace vd::fuzz
