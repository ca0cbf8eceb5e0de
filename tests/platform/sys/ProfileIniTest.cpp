// The profile's INI text read and written as QSettings reads and writes it: each case is read by
// both, and a value added to each is written by both, byte for byte.
#include "platform/sys/ProfileIni.h"
#include "platform/sys/ProfileStore.h"

#include <gtest/gtest.h>

#include <QSettings>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string readWhole(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A file of its own for each case: QSettings keeps what it read of a path for the process.
std::filesystem::path scratchFile(const std::string& text)
{
    static int n = 0;
    const auto file = vd::ProfileStore::defaultFile().parent_path() / ("case" + std::to_string(n++) + ".ini");
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
    return file;
}

vd::ProfileEntries readByQSettings(const std::filesystem::path& file)
{
    QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
    vd::ProfileEntries entries;
    for (const QString& key : settings.allKeys())
        entries.insert(key, settings.value(key));
    return entries;
}

std::string bytesOf(const vd::ProfileEntries& entries)
{
    return vd::profileFileBytes(entries).toStdString();
}

vd::ProfileEntries withoutUnnamedSection(vd::ProfileEntries entries)
{
    entries.removeIf([](const auto& entry) { return entry.key().startsWith(QLatin1Char('/')); });
    return entries;
}

} // namespace

TEST(ProfileIni, ReadsAndRewritesEveryFormAsQSettingsDoes)
{
    const char* cases[] = {
        "",
        "[System]\nEditer=/usr/bin/mousepad\nList=a, b\n\n[LastData]\nMapMode=5\n",
        "\xEF\xBB\xBF[s]\r\na = 1 \r\nb=\"  quoted, kept  \"\r\n",
        "[s]\rk=v\r\r[t]\rk=w",                                   // CR line ends
        "; comment\n[s] ; after\n  k = v ; comment\nx=\"a;b\" ; c\n# not a comment\n",
        "[s]\nlong=first \\\n  second\nq=\"over\nlines\"\n",         // continued lines
        "[s]\ne=\\a\\b\\f\\n\\r\\t\\v\\\"\\?\\'\\\\\\x41\\x4a4\\101\\0\\q\\\n",
        "[s]\nat=@@x\ninv=@Invalid()\nba=@ByteArray(\\x1\\xff ab)\nstr=@String(a\\0b)\n"
        "r=@Rect(1 2 3 4)\nsz=@Size(5 6)\np=@Point(7 8)\nbad=@Rect(1 2)\nodd=@Other(1)\n"
        "v=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\nl=@@a, @@b\nml=@Invalid(), x\n",
        "[%41b%20c%U65E5\\d]\nk%2Fx=1\n%U672C=2\n[General]\nroot=1\n[%General]\ng=2\n",
        "[s]\na=1\n[S]\nA=2\n[s]\nb=3\na=4\n",                     // sections met twice, in two cases
        "[s\nk=v\n[]\nw=1\n=novalue\nnokey\n[t]x\ny=\"unterminated\n",
        "[s]\nu=\xE6\x97\xA5\xE6\x9C\xAC \xFF\xFE bad\nlist= a , \"b\" ,, c \n",
        "k=root without a section\n[s/t]\nk=deep\n[s]\nt\\k=deeper\n",
    };
    int n = 0;
    for (const char* text : cases) {
        const auto file = scratchFile(text);
        const vd::ProfileEntries ours = vd::profileEntriesOf(QByteArrayView(text));
        const vd::ProfileEntries theirs = readByQSettings(file);
        EXPECT_EQ(ours.keys(), theirs.keys()) << n;
        // QSettings keeps the entries of a section without a name ("[]") as "/key" but cannot
        // read them back: they are compared through the rewrite below.
        EXPECT_EQ(bytesOf(withoutUnnamedSection(ours)), bytesOf(withoutUnnamedSection(theirs))) << n;

        // A new value makes QSettings write the file: the same bytes as ours.
        vd::ProfileEntries changed = ours;
        changed.insert("Added/Key", QStringLiteral("new"));
        {
            QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
            settings.setValue("Added/Key", QStringLiteral("new"));
        }
        EXPECT_EQ(bytesOf(changed), readWhole(file)) << n;
        ++n;
    }
}

TEST(ProfileIni, WritesTextsAsQSettingsDoes)
{
    const QString texts[] = {
        QStringLiteral("京都及大阪"),
        QStringLiteral("a, b; c = \"d\" #e"),
        QStringLiteral("  blanks around  "),
        QStringLiteral("@Variant(0)"),
        QStringLiteral("@"),
        QStringLiteral("tab\there\x01" "1f\x7f"),
        QString("nul") + QChar(0) + "0",
        QStringLiteral("Z:\\home\\user\\.local\\share\\veldoran\\placenmn.dat"),
        QString::fromUtf8("emoji \xF0\x9F\x98\x80 and \xE2\x80\x8B"),
        QString(),
    };
    int n = 0;
    vd::ProfileEntries ours;
    const auto file = scratchFile("");
    for (const QString& text : texts) {
        const QString key = QStringLiteral("Sec tion/Key %1").arg(n++);
        ours.insert(key, text);
        QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
        settings.setValue(key, text);
    }
    EXPECT_EQ(bytesOf(ours), readWhole(file));
    EXPECT_EQ(bytesOf(vd::profileEntriesOf(readWhole(file))), readWhole(file));
}
