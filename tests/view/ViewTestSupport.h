#pragma once
// What the view tests share: a document built as the program builds it (with the built
// libraries and a scripted user interface), and CP932 fixture files in its application folder.
#include "app/document/VeldoranDoc.h"
#include "tests/app/doc/DocumentTestSupport.h"
#include "platform/text/Cp932.h"

#include <initializer_list>
#include <memory>
#include <string>

namespace viewtest {

inline std::unique_ptr<CVeldoranDoc> MakeDocument()
{
    vd::ui::Script::install();
    doctest::UseBuiltLibraries();
    doctest::InstallFakeEditor();
    return std::make_unique<CVeldoranDoc>();
}

// Lines in CP932 with CR LF, as the system's text files are.
inline std::string Cp932Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return vd::utf8ToCp932(text);
}

// The sheet "京都及大阪" (34.4N 135.0E to 35.2N 136.0E) as the current map, its map type 1 and
// figure 0, without reading the sheet index.
inline void ShowKyotoOsakaSheet(CVeldoranDoc& doc)
{
    doc.m_strMapName = "京都及大阪";
    doc.m_astrMapEntry[2] = "34.4000";
    doc.m_astrMapEntry[3] = "135.0000";
    doc.m_astrMapEntry[4] = "35.2000";
    doc.m_astrMapEntry[5] = "136.0000";
    doc.position.m_nMapType = 1;
    doc.position.m_nMapFigure = 0;
}

inline void WriteHomeFile(const std::string& relative, const std::string& bytes)
{
    doctest::WriteBytes(doctest::Home() / relative, bytes);
}

} // namespace viewtest
