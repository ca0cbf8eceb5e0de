// The profile's INI text: the bytes are read by the profile's own reader and by QSettings, which
// must find the same entries; a value added to them is then written by both, which must write
// the same file byte for byte.
#include "fuzz/support/FuzzScratch.h"
#include "platform/sys/ProfileIni.h"

#include <QSettings>

#include <cstdlib>
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

// QSettings keeps entries whose name is not one it would make itself (a section without a name,
// "[]", as "/key"; a key without a name, "=value", as "Section/" or ""; "\\" in a name as "//")
// but cannot read them back, as it tidies the name asked for; the rewrite compares them.
vd::ProfileEntries reachable(vd::ProfileEntries entries)
{
    entries.removeIf([](const auto& entry) {
        const QString& key = entry.key();
        return key.isEmpty() || key.startsWith(QLatin1Char('/')) || key.endsWith(QLatin1Char('/')) ||
               key.contains(QLatin1String("//"));
    });
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vd::fuzz::initialise();
    // A file of its own for each input: QSettings keeps what it read of a path for the process.
    static int n = 0;
    const auto file = vd::fuzz::scratchFolder() / ("ini" + std::to_string(n++) + ".ini");
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data), std::streamsize(size));

    vd::ProfileEntries ours = vd::profileEntriesOf(QByteArrayView(data, qsizetype(size)));
    vd::ProfileEntries theirs;
    {
        QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
        for (const QString& key : settings.allKeys())
            theirs.insert(key, settings.value(key));
    }
    if (ours.keys() != theirs.keys() || vd::profileFileBytes(reachable(ours)) != vd::profileFileBytes(reachable(theirs)))
        std::abort();

    const QString added = QStringLiteral("Fuzz/Added");
    if (!ours.contains(added)) {
        ours.insert(added, QStringLiteral("new"));
        {
            QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
            settings.setValue(added, QStringLiteral("new"));
        }
        if (vd::profileFileBytes(ours).toStdString() != readWhole(file))
            std::abort();
    }
    std::filesystem::remove(file);
    return 0;
}
