#pragma once
// What the view tests share: a document built as the program builds it (with the built
// libraries and a scripted user interface), and CP932 fixture files in its application folder.
#include "app/VeldoranDoc.h"
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

inline void WriteHomeFile(const std::string& relative, const std::string& bytes)
{
    doctest::WriteBytes(doctest::Home() / relative, bytes);
}

} // namespace viewtest
