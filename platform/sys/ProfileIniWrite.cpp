#include "platform/sys/ProfileIni.h"

#include <QDataStream>
#include <QDateTime>
#include <QIODevice>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringEncoder>

namespace vd {
namespace {

bool isHexDigit(char16_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// A section or key name: letters, digits, "_", "-" and "." as they are, "/" as "\", anything
// else as %XX (up to U+00FF) or %UXXXX.
void appendEscapedKey(const QString& key, QByteArray& out)
{
    static const char hex[] = "0123456789ABCDEF";
    for (const QChar qc : key) {
        unsigned c = qc.unicode();
        if (c == '/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                   c == '-' || c == '.') {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += hex[c / 16];
            out += hex[c % 16];
        } else {
            char code[4];
            for (int i = 3; i >= 0; --i, c >>= 4)
                code[i] = hex[c % 16];
            out += "%U";
            out.append(code, 4);
        }
    }
}

// One text value: C escapes for control characters and for " and \, UTF-8 otherwise (the raw
// forms "@ByteArray(", "@Variant(", "@DateTime(" byte by byte), quoted when it holds ; , = or
// begins or ends with a blank. A \x escape is followed by \x escapes while hex digits follow.
void appendEscapedString(const QString& text, QByteArray& out)
{
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    const bool utf8 = !(text.startsWith(QLatin1String("@ByteArray(")) || text.startsWith(QLatin1String("@Variant(")) ||
                        text.startsWith(QLatin1String("@DateTime(")));
    const qsizetype start = out.size();
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    for (const QChar qc : text) {
        const unsigned c = qc.unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && isHexDigit(char16_t(c))) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (c) {
        case '\0': out += "\\0"; escapeNextIfDigit = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(c);
            break;
        default:
            if (c <= 0x1F || (c >= 0x7F && !utf8)) {
                out += "\\x" + QByteArray::number(c, 16);
                escapeNextIfDigit = true;
            } else if (utf8) {
                out += toUtf8(qc);
            } else {
                out += char(c);
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

// A value as the text QSettings stores for it: "@" doubled at the start of a text, the forms
// "@String(...)" for a text holding a NUL, "@ByteArray(...)", "@Rect(...)", "@Size(...)",
// "@Point(...)", "@Invalid()", and "@Variant(...)" / "@DateTime(...)" for the data stream of
// anything else.
QString storedText(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray:
        return QLatin1String("@ByteArray(") + QLatin1String(value.toByteArray()) + QLatin1Char(')');
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Float:
    case QMetaType::Double: {
        QString text = value.toString();
        if (text.contains(QChar::Null))
            return QLatin1String("@String(") + text + QLatin1Char(')');
        if (text.startsWith(QLatin1Char('@')))
            text.prepend(QLatin1Char('@'));
        return text;
    }
    case QMetaType::QRect: {
        const QRect r = value.toRect();
        return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QMetaType::QSize: {
        const QSize s = value.toSize();
        return QString::asprintf("@Size(%d %d)", s.width(), s.height());
    }
    case QMetaType::QPoint: {
        const QPoint p = value.toPoint();
        return QString::asprintf("@Point(%d %d)", p.x(), p.y());
    }
    default: {
        const bool dateTime = value.userType() == QMetaType::QDateTime;
        QByteArray bytes;
        {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
            stream << value;
        }
        return QLatin1String(dateTime ? "@DateTime(" : "@Variant(") + QLatin1String(bytes) + QLatin1Char(')');
    }
    }
}

void appendValue(const QVariant& value, QByteArray& out)
{
    const int type = value.metaType().id();
    if (type != QMetaType::QStringList && !(type == QMetaType::QVariantList && value.toList().size() != 1)) {
        appendEscapedString(storedText(value), out);
        return;
    }
    const QVariantList items = value.toList();
    if (items.isEmpty()) {
        out += "@Invalid()";
        return;
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i != 0)
            out += ", ";
        appendEscapedString(storedText(items[i]), out);
    }
}

} // namespace

QByteArray profileFileBytes(const ProfileEntries& entries)
{
    // Sections in order of their names (the one without a name, "General", first), each with its
    // keys in order: the QMap's own order of "Section/Key" would put "a b/x" before "a/x".
    QMap<QString, QMap<QString, QVariant>> sections;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        if (slash < 0)
            sections[QString()].insert(it.key(), it.value());
        else
            sections[it.key().left(slash)].insert(it.key().mid(slash + 1), it.value());
    }
    QByteArray out;
    bool first = true;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!first)
            out += '\n';
        first = false;
        QByteArray name;
        appendEscapedKey(section.key(), name);
        if (name.isEmpty())
            out += "[General]";
        else if (name.compare("general", Qt::CaseInsensitive) == 0)
            out += "[%General]";
        else
            out += '[' + name + ']';
        out += '\n';
        for (auto entry = section->cbegin(); entry != section->cend(); ++entry) {
            appendEscapedKey(entry.key(), out);
            out += '=';
            appendValue(entry.value(), out);
            out += '\n';
        }
    }
    return out;
}

} // namespace vd
