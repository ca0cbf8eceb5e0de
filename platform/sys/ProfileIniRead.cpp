// The profile's INI text read as QSettings reads it: lines joined by a "\" before their end or
// inside quotes, ";" comments, sections gathered by name (a name met twice continues the first),
// "%XX", "%UXXXX" and "\" in names, C escapes, quotes and comma lists in values, and the "@" forms
// of values QSettings writes for what is not plain text.
#include "platform/sys/ProfileIni.h"

#include <QByteArrayView>
#include <QDataStream>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringDecoder>
#include <QStringList>

namespace vd {
namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int octValue(char c)
{
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isSpecial(char c)
{
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

// The next logical line from `pos`: its start and length, the position of its first "=" outside
// quotes (-1 when none). Blank lines and whole-line comments are skipped; a ";" outside quotes
// ends the line. False at the end of the text.
bool nextLine(QByteArrayView data, qsizetype& pos, qsizetype& lineStart, qsizetype& lineLength, qsizetype& equals)
{
    const qsizetype size = data.size();
    bool inQuotes = false;
    equals = -1;
    lineStart = pos;
    while (lineStart < size && isSpace(data[lineStart]))
        ++lineStart;
    qsizetype i = lineStart;
    while (i < size) {
        char c = data[i];
        while (!isSpecial(c)) {
            if (++i == size)
                goto end;
            c = data[i];
        }
        ++i;
        if (c == '=') {
            if (!inQuotes && equals == -1)
                equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                goto end;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char escaped = data[i++];
                if (i < size) {
                    const char next = data[i];
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else { // ';'
            if (i == lineStart + 1) {
                while (i < size && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < size && isSpace(data[i]))
                    ++i;
                lineStart = i;
            } else if (!inQuotes) {
                --i;
                goto end;
            }
        }
    }
end:
    pos = i;
    lineLength = i - lineStart;
    return lineLength > 0;
}

// A section or key name: "\" is "/", "%XX" and "%UXXXX" are characters.
QString unescapedKey(QByteArrayView key)
{
    const QString decoded = QString::fromUtf8(key);
    const qsizetype size = decoded.size();
    QString result;
    result.reserve(size);
    qsizetype i = 0;
    while (i < size) {
        const char16_t c = decoded[i].unicode();
        if (c == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (c != '%' || i == size - 1) {
            result += QChar(c);
            ++i;
            continue;
        }
        int digits = 2;
        qsizetype first = i + 1;
        if (decoded[i + 1] == QLatin1Char('U')) {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const ushort code = first + digits > size ? 0 : QStringView(decoded).sliced(first, digits).toUShort(&ok, 16);
        if (!ok) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

void chopTrailingBlanks(QString& text, qsizetype limit)
{
    qsizetype n = text.size() - 1;
    while (n >= limit && (text[n] == QLatin1Char(' ') || text[n] == QLatin1Char('\t')))
        text.truncate(n--);
}

// A value: one text, or a list where commas stand outside quotes (then true, in `list`).
bool unescapedValue(QByteArrayView text, QString& value, QStringList& list)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
                                      {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    char16_t code = 0;
    qsizetype i = 0;
    qsizetype chopLimit = 0;
    QStringDecoder fromUtf8(QStringDecoder::Utf8);

skipBlanks:
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
normal:
    chopLimit = value.size();
    while (i < text.size()) {
        switch (text[i]) {
        case '\\': {
            ++i;
            if (i >= text.size())
                goto end;
            const char c = text[i++];
            for (const auto& escape : escapes) {
                if (c == escape[0]) {
                    value += QLatin1Char(escape[1]);
                    goto normal;
                }
            }
            if (c == 'x') {
                code = 0;
                if (i >= text.size())
                    goto end;
                if (hexValue(text[i]) != -1)
                    goto hex;
            } else if (const int o = octValue(c); o != -1) {
                code = char16_t(o);
                goto octal;
            } else if (c == '\n' || c == '\r') {
                if (i < text.size() && (text[i] == '\n' || text[i] == '\r') && text[i] != c)
                    ++i;
            }
            chopLimit = value.size();
            break;
        }
        case '"':
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                goto skipBlanks;
            break;
        case ',':
            if (!inQuotes) {
                if (!quoted)
                    chopTrailingBlanks(value, chopLimit);
                if (!isList) {
                    isList = true;
                    list.clear();
                }
                list.append(value);
                value.clear();
                quoted = false;
                ++i;
                goto skipBlanks;
            }
            [[fallthrough]];
        default: {
            qsizetype j = i + 1;
            while (j < text.size() && text[j] != '\\' && text[j] != '"' && text[j] != ',')
                ++j;
            value += fromUtf8(text.first(j).sliced(i));
            i = j;
        }
        }
    }
    if (!quoted)
        chopTrailingBlanks(value, chopLimit);
    goto end;

hex:
    if (i >= text.size()) {
        value += QChar(code);
        goto end;
    }
    if (const int h = hexValue(text[i]); h != -1) {
        code = char16_t((code << 4) + h);
        ++i;
        goto hex;
    }
    value += QChar(code);
    goto normal;

octal:
    if (i >= text.size()) {
        value += QChar(code);
        goto end;
    }
    if (const int o = octValue(text[i]); o != -1) {
        code = char16_t((code << 3) + o);
        ++i;
        goto octal;
    }
    value += QChar(code);
    goto normal;

end:
    if (isList)
        list.append(value);
    return isList;
}

// "@Rect(1 2 3 4)": the arguments between the parenthesis at `open` and the last character.
QStringList splitArguments(const QString& text, qsizetype open)
{
    QStringList result;
    QString item;
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(')')) {
            result.append(item);
        } else if (c == QLatin1Char(' ')) {
            result.append(item);
            item.clear();
        } else {
            item.append(c);
        }
    }
    return result;
}

QVariant valueOfText(const QString& text)
{
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    if (text.endsWith(QLatin1Char(')'))) {
        if (text.startsWith(QLatin1String("@ByteArray(")))
            return QStringView(text).sliced(11).chopped(1).toLatin1();
        if (text.startsWith(QLatin1String("@String(")))
            return QStringView(text).sliced(8).chopped(1).toString();
        if (text.startsWith(QLatin1String("@Variant(")) || text.startsWith(QLatin1String("@DateTime("))) {
            const bool dateTime = text.at(1) == QLatin1Char('D');
            QByteArray bytes = QStringView(text).sliced(dateTime ? 10 : 9).toLatin1();
            QDataStream stream(&bytes, QIODevice::ReadOnly);
            stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            QVariant result;
            stream >> result;
            return result;
        }
        if (text.startsWith(QLatin1String("@Rect("))) {
            const QStringList a = splitArguments(text, 5);
            if (a.size() == 4)
                return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
        } else if (text.startsWith(QLatin1String("@Size("))) {
            const QStringList a = splitArguments(text, 5);
            if (a.size() == 2)
                return QSize(a[0].toInt(), a[1].toInt());
        } else if (text.startsWith(QLatin1String("@Point("))) {
            const QStringList a = splitArguments(text, 6);
            if (a.size() == 2)
                return QPoint(a[0].toInt(), a[1].toInt());
        } else if (text == QLatin1String("@Invalid()")) {
            return QVariant();
        }
    }
    if (text.startsWith(QLatin1String("@@")))
        return text.sliced(1);
    return text;
}

QVariant valueOfList(const QStringList& list)
{
    QStringList texts = list;
    for (QString& text : texts) {
        if (!text.startsWith(QLatin1Char('@')))
            continue;
        if (text.size() < 2 || text.at(1) != QLatin1Char('@')) {
            QVariantList values;
            for (const QString& item : list)
                values.append(valueOfText(item));
            return values;
        }
        text.remove(0, 1);
    }
    return texts;
}

void readSection(const QString& section, QByteArrayView data, ProfileEntries& entries)
{
    qsizetype pos = 0, lineStart = 0, lineLength = 0, equals = -1;
    QStringList list;
    while (nextLine(data, pos, lineStart, lineLength, equals)) {
        if (equals == -1)
            continue;
        const QByteArrayView line = data.sliced(lineStart, lineLength);
        equals -= lineStart;
        QString value;
        const QVariant stored = unescapedValue(line.sliced(equals + 1), value, list) ? valueOfList(list) : valueOfText(value);
        entries.insert(section + unescapedKey(line.first(equals).trimmed()), stored);
    }
}

} // namespace

ProfileEntries profileEntriesOf(QByteArrayView data)
{
    if (data.startsWith("\xef\xbb\xbf"))
        data = data.sliced(3);
    // Each section's lines, sections of one name joined in the order met.
    QMap<QString, QByteArray> sections;
    QString section;
    qsizetype sectionStart = 0;
    qsizetype pos = 0, lineStart = 0, lineLength = 0, equals = -1;
    const auto flush = [&] {
        QByteArray& lines = sections[section];
        if (!lines.isEmpty())
            lines.append('\n');
        lines += data.first(lineStart).sliced(sectionStart);
    };
    while (nextLine(data, pos, lineStart, lineLength, equals)) {
        const QByteArrayView line = data.sliced(lineStart, lineLength);
        if (!line.startsWith('['))
            continue;
        flush();
        qsizetype close = line.indexOf(']');
        if (close < 0)
            close = lineLength;
        const QByteArrayView name = line.first(close).sliced(1).trimmed();
        if (name.compare("general", Qt::CaseInsensitive) == 0) {
            section.clear();
        } else {
            section = name.compare("%general", Qt::CaseInsensitive) == 0 ? QString::fromLatin1(name.sliced(1))
                                                                          : unescapedKey(name);
            section += QLatin1Char('/');
        }
        sectionStart = pos;
    }
    flush();
    ProfileEntries entries;
    for (auto it = sections.cbegin(); it != sections.cend(); ++it)
        readSection(it.key(), *it, entries);
    return entries;
}

} // namespace vd
