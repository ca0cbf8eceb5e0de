// The data files that the document writes at start when they are missing, and the files it
// reads while it is built. An existing file is never rewritten here.
#include "app/document/VeldoranDoc.h"

#include "app/layers/SampleLayerRows.h"

#include "contracts/bindings/PelmoraExports.h"
#include "contracts/pelmora.h"
#include "platform/fs/FileSource.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/TextWriter.h"
#include "platform/fs/WinPath.h"
#include "platform/sys/ProfileStore.h"
#include "platform/text/Format.h"

#include <initializer_list>
#include <vector>

namespace {

// Writes a new text file of the given lines (CP932, CR LF), making its folder when the
// application folder lacks it. A file that cannot be written is not reported.
void WriteNewTextFile(const std::string& path, const std::vector<std::string>& lines)
{
    const std::string folder = vd::winFolderOf(path);
    if (!folder.empty() && !vd::folderExists(folder) && !vd::makeFolders(folder))
        return;
    vd::TextWriter writer;
    if (!writer.open(path, vd::WriteMode::Replace))
        return;
    for (const std::string& line : lines)
        writer.writeLine(line);
    (void)writer.close();
}

} // namespace

int CVeldoranDoc::FileExists(const std::string& path)
{
    vd::FileSource file;
    return !path.empty() && file.open(path) ? 1 : -1;
}

void CVeldoranDoc::WriteMapFileDefault()
{
    const std::string path = folders.m_strAppDir + "MAPFILE.DAT";
    if (FileExists(path) == 1)
        return;
    WriteNewTextFile(path, {vd::ProfileStore().getString("System", "MapName", "京都及大阪")});
}

void CVeldoranDoc::WritePrefectureCatalogueDefault()
{
    const std::string folder = folders.m_strAppDir + "MAPELMNT\\";
    if (FileExists(folder + "PFCTRFL.DAT") == 1)
        return;
    WriteNewTextFile(folder + "PFCTRFL.DAT",
                     {folder + "甲子園82.DAT", folder + "県別人口.DAT", folder + "県別面積.DAT"});
}

void CVeldoranDoc::WriteDefaultStartCities()
{
    const std::string path = folders.m_strAppDir + "MAPELMNT\\DPRTCITY.DAT";
    if (FileExists(path) == 1)
        return;
    WriteNewTextFile(path, {"東京@35.4200@139.4930", "大阪@34.4059@135.3121"});
}

void CVeldoranDoc::WriteDefaultPaletteList()
{
    const std::string path = folders.m_strAppDir + "PALETTE\\PLTTFILE.DAT";
    if (FileExists(path) == 1)
        return;
    // The colour sets kept in the profile by an earlier installation come first.
    vd::ProfileStore profile;
    std::vector<std::string> lines;
    for (int n = 1; n <= 99; ++n) {
        std::string entry = profile.getString("Palette", vd::format("Plt%d", n));
        if (entry.empty())
            break;
        lines.push_back(std::move(entry));
    }
    if (lines.empty())
        lines = {"地図帳(通常)$ATLAS1.PLT",   "地図帳(明るい)$ATLAS2.PLT", "地図帳(高度帯)$ATLAS3.PLT",
                 "緑色(ﾎﾟﾘｸﾛｰﾑ)$ATLAS4.PLT", "緑色(ﾓﾉｸﾛｰﾑ)$ATLAS5.PLT",  "灰色(ﾓﾉｸﾛｰﾑ)$ATLAS6.PLT",
                 "黄金(ﾓﾉｸﾛｰﾑ)$ATLAS7.PLT",  "ﾗﾝﾄﾞｻｯﾄ(合成)$ATLAS8.PLT"};
    WriteNewTextFile(path, lines);
}

void CVeldoranDoc::EnsureDefaultLayerFiles()
{
    // A settings file written new gets the bundled sample rows; a user's own is never touched.
    // Pelmora's line call writes the point and mesh files too, so all are looked at first.
    const std::string lineFile = folders.m_strAppDir + "DddMFile.dat";
    const std::string pointFile = folders.m_strAppDir + "DddPFile.dat";
    const bool lineMissing = FileExists(lineFile) != 1;
    const bool pointMissing = FileExists(pointFile) != 1;
    // With every file there, as after the first start, Pelmora is not loaded for nothing.
    if (!lineMissing && !pointMissing && FileExists(folders.m_strAppDir + "DDFTFILE.DAT") == 1)
        return;
    // Without Pelmora the files stay missing and its dialogs find no settings file.
    OnDddFileEdit_fn* writeDefaults = Pelmora().OnDddFileEdit.fn;
    if (!writeDefaults)
        return;
    const bool natureMeshMissing = FileExists(folders.m_strAppDir + "DDMSFILE.DAT") != 1;
    const bool surfaceMissing = FileExists(folders.m_strAppDir + "DDDSFILE.DAT") != 1;
    if (lineMissing)
        writeDefaults(lineFile, folders.m_strAppDir, 0);
    if (FileExists(pointFile) != 1)
        writeDefaults(pointFile, folders.m_strAppDir, 1);
    if (lineMissing)
        InstallSampleLayerRows(folders.m_strAppDir, "DddMFile.dat");
    if (pointMissing)
        InstallSampleLayerRows(folders.m_strAppDir, "DddPFile.dat");
    if (natureMeshMissing && FileExists(folders.m_strAppDir + "DDMSFILE.DAT") == 1)
        InstallSampleLayerRows(folders.m_strAppDir, "DDMSFILE.DAT");
    if (surfaceMissing && FileExists(folders.m_strAppDir + "DDDSFILE.DAT") == 1)
        InstallSampleLayerRows(folders.m_strAppDir, "DDDSFILE.DAT");
    // Nothing writes the 1/10 mesh settings at start: the sample's folder row makes the file.
    if (FileExists(folders.m_strAppDir + "DDFTFILE.DAT") != 1)
        InstallSampleLayerRows(folders.m_strAppDir, "DDFTFILE.DAT", true);
}

void CVeldoranDoc::BuildLatitudeRatioTable()
{
    ::BuildLatitudeRatioTable(latitudeRatios.m_afLatitudeRatio);
}
