#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The text of an INI file, kept line by line so that a save changes only the values it
// writes: comments, blank lines, lines it cannot read, other keys and other sections stay
// as they were, in their places.
//
// A line "[name]" starts a section; a line "key=value" is a value (key and value trimmed,
// one pair of surrounding quotes taken off the value). Section and key names match without
// regard to case; when a name occurs twice, the first one counts.
class ProfileText
{
public:
    ProfileText() = default;
    explicit ProfileText(const QByteArray &text);

    // The stored value, or nothing when the section or key is missing. A value that is not
    // valid UTF-8 is read as Latin-1, the way older files were written.
    std::optional<QString> value(const QString &section, const QString &key) const;

    // Replaces the key's value in place (the key keeps the spelling it has in the file), or
    // adds the key after the last key of its section, or adds the section at the end. Line
    // breaks in the value become spaces, so one value always stays one line.
    void setValue(const QString &section, const QString &key, const QString &value);

    // The whole file, each line ended as the file's first line was ("\n" for a new file).
    QByteArray toByteArray() const;

private:
    struct Line {
        enum class Kind { Other, Section, Key };
        QByteArray text;
        Kind kind = Kind::Other;
        QByteArray name;  // section or key name, trimmed
        QByteArray value; // key lines only, trimmed
    };
    static Line classify(const QByteArray &text, bool first);
    qsizetype findSection(const QByteArray &name) const;
    qsizetype sectionEnd(qsizetype header) const;

    QList<Line> m_lines;
    QByteArray m_newline = "\n";
};
