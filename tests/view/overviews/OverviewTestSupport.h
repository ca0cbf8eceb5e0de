#pragma once
// The overview tests' document: built as the program builds it, with the bundled sample data
// (Coast_JB\, MAPELMNT\) copied into its application folder first, and point data files written
// into its SOURCE\ folder.
#include "tests/view/ViewTestSupport.h"

#include "platform/dc/RecordingDc.h"

#include <filesystem>
#include <string>
#include <vector>

namespace viewtest {

inline std::unique_ptr<CVeldoranDoc> MakeDocumentWithSampleData()
{
    namespace fs = std::filesystem;
    const fs::path home = doctest::Home();
    fs::copy(fs::path(VD_BIN_DIR) / "data", home, fs::copy_options::recursive | fs::copy_options::skip_existing);
    auto doc = MakeDocument();
    doc->pointer.m_nOverviewOriginX = 560;
    return doc;
}

// Writes SOURCE\<name> (CP932, CR LF) and gives its path in Windows form.
inline std::string WriteSourceFile(const CVeldoranDoc& doc, const std::string& name,
                                   std::initializer_list<std::string> lines)
{
    WriteHomeFile("SOURCE/" + name, Cp932Lines(lines));
    return doc.folders.m_strSourceDir + name;
}

inline std::vector<vd::RecordedCall> CallsOf(const vd::RecordingDc& dc, vd::DrawOp::Kind kind)
{
    std::vector<vd::RecordedCall> out;
    for (const auto& call : dc.Calls())
        if (call.op.kind == kind)
            out.push_back(call);
    return out;
}

} // namespace viewtest
