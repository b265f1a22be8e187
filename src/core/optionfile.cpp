#include "core/optionfile.h"

#include "core/textfile.h"

#include <QFileInfo>

namespace core {

OptionReader::OptionReader(const QString &path, int minLines)
{
    m_exists = QFileInfo(path).isFile();
    if (!m_exists)
        return;
    m_ok = readLines(path, m_lines).ok && m_lines.size() >= minLines;
}

bool OptionReader::hasInteger(int line) const
{
    if (line < 0 || line >= m_lines.size())
        return false;
    bool ok = false;
    m_lines[line].trimmed().toInt(&ok, 10);
    return ok;
}

int OptionReader::integer(int line)
{
    if (!hasInteger(line)) {
        m_ok = false;
        return 0;
    }
    return m_lines[line].trimmed().toInt(nullptr, 10);
}

int OptionReader::integer(int line, int lo, int hi)
{
    const int v = integer(line);
    if (v < lo || v > hi) {
        m_ok = false;
        return lo;
    }
    return v;
}

bool OptionReader::boolean(int line)
{
    const QString t = text(line).trimmed();
    if (t == u"1") return true;
    if (t != u"0") m_ok = false;
    return false;
}

QString OptionReader::text(int line)
{
    if (line < 0 || line >= m_lines.size()) {
        m_ok = false;
        return {};
    }
    return m_lines[line];
}

bool OptionWriter::write(const QString &path, QString *error, bool ownerOnly) const
{
    // A value Windows-1252 cannot hold (a folder name in Greek, say) must not turn into "?":
    // such a file is written as UTF-8 with a mark, which reading recognises.
    const QString all = m_lines.join(QChar(u'\n'));
    const Encoding enc = canEncode(all, Encoding::Ansi) ? Encoding::Ansi : Encoding::Utf8Bom;
    const ReadResult r = writeLines(path, m_lines, enc, ownerOnly);
    if (!r.ok && error) *error = r.error;
    return r.ok;
}

} // namespace core
