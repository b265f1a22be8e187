#pragma once
// Option files: one value per line in the settings folder.
//
// A reader takes the whole file at once and hands out typed values; any missing line or
// value of the wrong kind marks the reading as failed. Callers collect the values into a
// local record and apply it only when ok() is still true, so a damaged file never
// half-applies.

#include <QString>
#include <QStringList>

namespace core {

class OptionReader {
public:
    // Reads path; the file must hold at least minLines lines for ok() to stay true.
    OptionReader(const QString &path, int minLines);

    bool exists() const { return m_exists; }
    bool ok() const { return m_ok; }
    int lineCount() const { return int(m_lines.size()); }

    // A decimal integer (blanks around it allowed); marks failure otherwise.
    int integer(int line);
    // An integer within [lo, hi]; marks failure outside it.
    int integer(int line, int lo, int hi);
    // "1" or "0"; marks failure otherwise.
    bool boolean(int line);
    // The line as it stands; marks failure when missing.
    QString text(int line);
    // Whether the line exists and holds a whole number, without marking failure.
    bool hasInteger(int line) const;

    // Marks the reading as failed (for a check the caller makes itself).
    void fail() { m_ok = false; }

private:
    QStringList m_lines;
    bool m_exists = false;
    bool m_ok = false;
};

// Builds the lines of an option file.
class OptionWriter {
public:
    OptionWriter &add(int value) { m_lines << QString::number(value); return *this; }
    OptionWriter &add(bool value) { m_lines << (value ? QStringLiteral("1") : QStringLiteral("0")); return *this; }
    OptionWriter &add(const QString &value) { m_lines << value; return *this; }
    OptionWriter &add(const char *value) { m_lines << QString::fromUtf8(value); return *this; }
    const QStringList &lines() const { return m_lines; }
    // Writes atomically (Windows-1252, or UTF-8 with a mark when needed; CR LF); returns the system's text on failure.
    // ownerOnly: for a file holding a password, readable by its owner alone.
    bool write(const QString &path, QString *error = nullptr, bool ownerOnly = false) const;

private:
    QStringList m_lines;
};

} // namespace core
