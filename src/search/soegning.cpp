#include "search/soegning.h"

#include "core/textfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

namespace search {

bool erOrdtegn(QChar c)
{
    if (c.unicode() < 0x80)
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
    return c.isLetterOrNumber() || c.isMark() || c.isSurrogate();
}

bool erHeltOrd(QStringView text, qsizetype pos, qsizetype length)
{
    if (length <= 0)
        return false;
    if (erOrdtegn(text[pos]) && pos > 0 && erOrdtegn(text[pos - 1]))
        return false;
    const qsizetype end = pos + length;
    if (erOrdtegn(text[end - 1]) && end < text.size() && erOrdtegn(text[end]))
        return false;
    return true;
}

qsizetype findITekst(QStringView text, QStringView what, qsizetype from, SoegeValg valg, qsizetype to)
{
    if (what.isEmpty())
        return -1;
    const qsizetype end = to < 0 ? text.size() : std::min(to, text.size());
    const QStringView range = text.first(end);
    const Qt::CaseSensitivity cs = valg.forskel ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (from = std::max<qsizetype>(from, 0); from + what.size() <= end; ++from) {
        const qsizetype hit = range.indexOf(what, from, cs);
        if (hit < 0)
            return -1;
        if (!valg.heleOrd || erHeltOrd(text, hit, what.size()))
            return hit;
        from = hit;
    }
    return -1;
}

QStringView linjeVed(QStringView text, qsizetype pos)
{
    pos = std::clamp<qsizetype>(pos, 0, text.size());
    const qsizetype start = pos == 0 ? 0 : text.lastIndexOf(u'\n', pos - 1) + 1;
    qsizetype end = text.indexOf(u'\n', pos);
    if (end < 0)
        end = text.size();
    return text.sliced(start, end - start);
}

QString dokumentTekst(QString text)
{
    if (!text.contains(u'\r'))
        return text;
    // One pass in place: CR LF and a lone CR become LF.
    QChar *d = text.data();
    const qsizetype n = text.size();
    qsizetype w = 0;
    for (qsizetype r = 0; r < n; ++r) {
        if (d[r] == u'\r') {
            d[w++] = u'\n';
            if (r + 1 < n && d[r + 1] == u'\n')
                ++r;
        } else {
            d[w++] = d[r];
        }
    }
    text.truncate(w);
    return text;
}

namespace {

// The bytes of a file that holds no UTF-16 could contain an ASCII search text only as those
// same bytes (in any letter case): a file without them has no hit and is never decoded.
class AsciiFilter {
public:
    explicit AsciiFilter(const QString &what, bool matchCase)
    {
        for (const QChar c : what) {
            if (c.unicode() >= 0x80) {
                m_brugbar = false;
                return;
            }
            m_needle.append(char(c.unicode()));
        }
        m_brugbar = !m_needle.isEmpty();
        for (int i = 0; i < 256; ++i)
            m_fold[i] = (!matchCase && i >= 'A' && i <= 'Z') ? char(i + 32) : char(i);
        // Case folding takes two non-ASCII letters to ASCII ones ("ſ" to "s", the Kelvin
        // sign to "k"): a file holding either (in UTF-8) cannot be passed over by its bytes.
        if (!matchCase)
            for (const char ch : std::as_const(m_needle))
                if (ch == 's' || ch == 'S' || ch == 'k' || ch == 'K')
                    m_foldTilAscii = true;
        for (char &ch : m_needle)
            ch = m_fold[uchar(ch)];
    }
    bool brugbar() const { return m_brugbar; }

    // Whether the folded needle occurs in bytes.
    bool kanIndeholde(QByteArrayView bytes) const
    {
        if (m_foldTilAscii && (harSekvens(bytes, "\xC5\xBF") || harSekvens(bytes, "\xE2\x84\xAA")))
            return true;
        const qsizetype n = m_needle.size();
        const char first = m_needle[0];
        const char firstUpper = (first >= 'a' && first <= 'z') ? char(first - 32) : first;
        const char *p = bytes.data();
        const char *end = p + bytes.size() - n + 1;
        while (p < end) {
            // Two memchr scans for the first letter beat a byte loop by far.
            const char *a = static_cast<const char *>(memchr(p, first, end - p));
            const char *b = firstUpper == first ? nullptr
                                                : static_cast<const char *>(memchr(p, firstUpper, (a ? a : end) - p));
            const char *hit = b ? b : a;
            if (!hit)
                return false;
            qsizetype i = 1;
            while (i < n && m_fold[uchar(hit[i])] == m_needle[i])
                ++i;
            if (i == n)
                return true;
            p = hit + 1;
        }
        return false;
    }

private:
    // Whether bytes hold seq (its first byte rare in text): memchr runs far faster than memmem.
    static bool harSekvens(QByteArrayView bytes, QByteArrayView seq)
    {
        const char *p = bytes.data();
        const char *end = p + bytes.size();
        while (p < end) {
            p = static_cast<const char *>(memchr(p, seq[0], size_t(end - p)));
            if (!p)
                return false;
            if (end - p >= seq.size() && memcmp(p, seq.data(), size_t(seq.size())) == 0)
                return true;
            ++p;
        }
        return false;
    }

    QByteArray m_needle;
    std::array<char, 256> m_fold{};
    bool m_brugbar = false;
    bool m_foldTilAscii = false;
};

// Reads a whole file into buf (kept between files so its memory is reused).
bool laesFil(const QByteArray &path, QByteArray &buf)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    buf.resize(qsizetype(st.st_size));
    qsizetype done = 0;
    for (;;) {
        if (done == buf.size())
            buf.resize(buf.size() + 65536);   // the file grew while being read
        const ssize_t n = ::read(fd, buf.data() + done, size_t(buf.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        done += n;
    }
    ::close(fd);
    buf.truncate(done);
    return true;
}

bool erUtf16(QByteArrayView bytes)
{
    return bytes.size() >= 2
        && ((uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFE) || (uchar(bytes[0]) == 0xFE && uchar(bytes[1]) == 0xFF));
}

} // namespace

QList<Traef> soegIMappe(const QString &folder, const QString &mask, const QString &what, SoegeValg valg,
                        const std::function<bool()> &fortsaet)
{
    QList<Traef> result;
    if (what.isEmpty() || !QFileInfo(folder).isDir())
        return result;
    const QString needle = dokumentTekst(what);
    QString base = folder;
    if (!base.endsWith(u'/'))
        base += u'/';

    // The folder's files straight from the system: a file object and a file information
    // record per file would cost more than reading the pages.
    const QString pattern = mask.isEmpty() || mask == QStringLiteral("*.*") ? QStringLiteral("*") : mask;
    const QByteArray patternBytes = QFile::encodeName(pattern);
    const QByteArray baseBytes = QFile::encodeName(base);
    QList<QByteArray> names;
    if (DIR *d = opendir(baseBytes.constData())) {
        while (const dirent *e = readdir(d)) {
            if (e->d_type == DT_DIR || strcmp(e->d_name, ".") == 0 || strcmp(e->d_name, "..") == 0)
                continue;
            if (fnmatch(patternBytes.constData(), e->d_name, FNM_CASEFOLD) != 0)
                continue;
            if (e->d_type != DT_REG) {   // a link or a file system that does not say
                struct stat st {};
                if (stat((baseBytes + e->d_name).constData(), &st) != 0 || !S_ISREG(st.st_mode))
                    continue;
            }
            names.append(QByteArray(e->d_name));
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());

    const AsciiFilter filter(needle, valg.forskel);
    QByteArray bytes;
    for (const QByteArray &name : std::as_const(names)) {
        if (fortsaet && !fortsaet())
            break;
        if (!laesFil(baseBytes + name, bytes))
            continue;
        const bool utf16 = erUtf16(bytes);
        // A file a document window would refuse as binary has no lines to show.
        if (!utf16 && memchr(bytes.constData(), 0, size_t(std::min<qsizetype>(bytes.size(), 8192))))
            continue;
        if (filter.brugbar() && !utf16 && !filter.kanIndeholde(bytes))
            continue;
        const QString text = dokumentTekst(core::decodeText(bytes));
        const QString path = base + QFile::decodeName(name);
        for (qsizetype from = 0;;) {
            const qsizetype hit = findITekst(text, needle, from, valg);
            if (hit < 0)
                break;
            result.append({path, hit, linjeVed(text, hit).toString()});
            from = hit + needle.size();
        }
    }
    return result;
}

} // namespace search
