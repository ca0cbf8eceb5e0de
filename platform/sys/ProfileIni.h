#pragma once
// The profile's INI file in memory (private to the platform: Qt types). The entries are read as
// QSettings reads them, keyed "Section/Key" as it keys them, and the file is made from them as
// QSettings writes it (sections and keys in order, its escapes and quoting), so files written by
// either read the same in both. The caller reads and writes the file itself, whole and once,
// where a failed write is told (QSettings does not tell a file cut short).
#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>
#include <QVariant>

namespace vd {

using ProfileEntries = QMap<QString, QVariant>;

// The entries of the file's text.
ProfileEntries profileEntriesOf(QByteArrayView text);

// The whole file for `entries`.
QByteArray profileFileBytes(const ProfileEntries& entries);

} // namespace vd
