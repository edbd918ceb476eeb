#include "platform/ProfileText.h"

#include <QStringDecoder>

namespace {
const QByteArray utf8Mark = "\xEF\xBB\xBF";

bool sameName(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

QByteArray unquoted(const QByteArray &value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}
} // namespace

ProfileText::ProfileText(const QByteArray &text)
{
    if (text.isEmpty())
        return;
    QList<QByteArray> lines = text.split('\n');
    if (text.endsWith('\n'))
        lines.removeLast();
    if (lines.first().endsWith('\r'))
        m_newline = "\r\n";
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        m_lines.append(classify(line, m_lines.isEmpty()));
    }
}

ProfileText::Line ProfileText::classify(const QByteArray &text, bool first)
{
    Line line;
    line.text = text;
    QByteArray content = text;
    if (first && content.startsWith(utf8Mark))
        content = content.sliced(utf8Mark.size());
    content = content.trimmed();
    if (content.startsWith('[')) {
        const qsizetype close = content.indexOf(']');
        if (close > 0) {
            line.kind = Line::Kind::Section;
            line.name = content.sliced(1, close - 1).trimmed();
        }
        return line;
    }
    const qsizetype equals = content.indexOf('=');
    if (equals > 0) {
        line.kind = Line::Kind::Key;
        line.name = content.left(equals).trimmed();
        line.value = unquoted(content.sliced(equals + 1).trimmed());
        if (line.name.isEmpty())
            line.kind = Line::Kind::Other;
    }
    return line;
}

qsizetype ProfileText::findSection(const QByteArray &name) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Line::Kind::Section && sameName(m_lines[i].name, name))
            return i;
    }
    return -1;
}

qsizetype ProfileText::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != Line::Kind::Section)
        ++i;
    return i;
}

std::optional<QString> ProfileText::value(const QString &section, const QString &key) const
{
    const qsizetype header = findSection(section.toUtf8());
    if (header < 0)
        return std::nullopt;
    const QByteArray name = key.toUtf8();
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == Line::Kind::Key && sameName(m_lines[i].name, name))
            return decode(m_lines[i].value);
    }
    return std::nullopt;
}

void ProfileText::setValue(const QString &section, const QString &key, const QString &value)
{
    QString oneLine = value;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    const QByteArray name = key.toUtf8();
    const Line line = classify(name + '=' + oneLine.toUtf8(), false);

    const qsizetype header = findSection(section.toUtf8());
    if (header < 0) {
        m_lines.append(classify('[' + section.toUtf8() + ']', m_lines.isEmpty()));
        m_lines.append(line);
        return;
    }
    const qsizetype end = sectionEnd(header);
    qsizetype lastKey = header;
    for (qsizetype i = header + 1; i < end; ++i) {
        if (m_lines[i].kind != Line::Kind::Key)
            continue;
        if (sameName(m_lines[i].name, name)) {
            // The key keeps the spelling the user gave it; only its value changes.
            m_lines[i] = classify(m_lines[i].name + '=' + oneLine.toUtf8(), false);
            return;
        }
        lastKey = i;
    }
    // After the section's last key, so a comment that heads the next section stays with it.
    m_lines.insert(lastKey + 1, line);
}

QByteArray ProfileText::toByteArray() const
{
    QByteArray text;
    for (const Line &line : m_lines)
        text += line.text + m_newline;
    return text;
}
