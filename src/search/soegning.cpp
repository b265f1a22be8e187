#include "search/soegning.h"

#include "core/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
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
    return core::medLfLinieskift(std::move(text));
}

namespace {

// A row shows a line whole up to this many characters, else this many either side of its hit.
constexpr qsizetype kLinjeMaks = 1000;
constexpr qsizetype kUddrag = 300;

// Files up to kHelFil bytes are read whole, larger ones kStykke bytes at a time.
constexpr qsizetype kHelFil = 4 << 20;
constexpr qsizetype kStykke = 1 << 20;
// A NUL in this many first bytes makes a file binary.
constexpr qsizetype kBinaerProeve = 8192;

// The row text of a hit in text, which may begin inside a line (linjenFoer: the line's start
// lies before text[0], in a part of the file already let go). It looks no further than the
// row needs either side of the hit, so a long line costs no more than a short one.
QString traefLinjeI(QStringView text, qsizetype pos, qsizetype length, bool linjenFoer)
{
    const qsizetype lo = std::max<qsizetype>(0, pos - kLinjeMaks - 1);
    const qsizetype nl = text.sliced(lo, pos - lo).lastIndexOf(u'\n');
    // The line's start, or -1 when it lies more than kLinjeMaks before the hit (or before text).
    qsizetype ls = -1;
    if (nl >= 0)
        ls = lo + nl + 1;
    else if (lo == 0 && !linjenFoer)
        ls = 0;
    const qsizetype hi = std::min(text.size(), pos + std::max(kLinjeMaks, length + kUddrag) + 1);
    const qsizetype e = text.sliced(pos, hi - pos).indexOf(u'\n');
    // The line's end, or a place past everything the row can show.
    const qsizetype le = e >= 0 ? pos + e : hi;
    if (ls >= 0 && le - ls <= kLinjeMaks)
        return text.sliced(ls, le - ls).toString();
    if (ls < 0)
        ls = pos - kLinjeMaks - 1;
    qsizetype a = std::max(ls, pos - kUddrag);
    qsizetype b = std::min(le, pos + length + kUddrag);
    // Never half of a character outside the BMP.
    if (a > ls && text[a].isLowSurrogate())
        ++a;
    if (b < le && text[b - 1].isHighSurrogate())
        --b;
    QString out;
    out.reserve(b - a + 2);
    if (a > ls)
        out += u'…';
    out += text.sliced(a, b - a);
    if (b < le)
        out += u'…';
    return out;
}

// The bytes of a file that holds no UTF-16 could contain an ASCII search text only as those
// same bytes (in any letter case): a file without them has no hit and is never decoded.
class AsciiFilter {
public:
    explicit AsciiFilter(const QString &what, bool matchCase)
    {
        for (const QChar c : what) {
            // A line break stands as CR LF or CR in many files: their bytes differ from it.
            if (c.unicode() >= 0x80 || c == u'\n') {
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
    qsizetype laengde() const { return m_needle.size(); }

    // Whether the folded needle occurs in bytes.
    bool kanIndeholde(QByteArrayView bytes) const
    {
        if (m_foldTilAscii && (harSekvens(bytes, "\xC5\xBF") || harSekvens(bytes, "\xE2\x84\xAA")))
            return true;
        const qsizetype n = m_needle.size();
        if (bytes.size() < n)
            return false;
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


bool erUtf16(QByteArrayView bytes)
{
    return bytes.size() >= 2
        && ((uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFE) || (uchar(bytes[0]) == 0xFE && uchar(bytes[1]) == 0xFF));
}

// As a document window refuses a file.
bool erBinaer(QByteArrayView start)
{
    return !erUtf16(start) && memchr(start.data(), 0, size_t(std::min(start.size(), kBinaerProeve)));
}

// The kernel's own file systems: their files are views of the running system, and reading
// one can wait for ever (/proc/kmsg) or act (some of /sys).
const char *kerneFilsystem(quint32 type)
{
    switch (type) {
    case PROC_SUPER_MAGIC: return "proc";
    case SYSFS_MAGIC: return "sysfs";
    case DEVPTS_SUPER_MAGIC: return "devpts";
    case CGROUP_SUPER_MAGIC: return "cgroup";
    case CGROUP2_SUPER_MAGIC: return "cgroup2";
    case DEBUGFS_MAGIC: return "debugfs";
    case TRACEFS_MAGIC: return "tracefs";
    case SECURITYFS_MAGIC: return "securityfs";
    case PSTOREFS_MAGIC: return "pstore";
    case BPF_FS_MAGIC: return "bpf";
    case SELINUX_MAGIC: return "selinuxfs";
    case SMACK_MAGIC: return "smackfs";
    case EFIVARFS_MAGIC: return "efivarfs";
    case BINFMTFS_MAGIC: return "binfmt_misc";
    case NSFS_MAGIC: return "nsfs";
    case RDTGROUP_SUPER_MAGIC: return "resctrl";
    case 0x62656570: return "configfs";
    case 0x65735543: return "fusectl";
    case 0x19800202: return "mqueue";
    default: return nullptr;
    }
}

// The device tree's file system when /dev is one of its own: devtmpfs calls itself tmpfs, so
// only its place tells it from a tmpfs of documents.
bool erEnhedstrae(const struct statfs &fs, dev_t dev)
{
    static const std::pair<bool, dev_t> enheder = [] {
        struct stat d {}, rod {};
        struct statfs f {};
        const bool egen = ::stat("/dev", &d) == 0 && ::stat("/", &rod) == 0 && d.st_dev != rod.st_dev
            && ::statfs("/dev", &f) == 0 && quint32(f.f_type) == TMPFS_MAGIC;
        return std::pair<bool, dev_t>(egen, d.st_dev);
    }();
    return enheder.first && quint32(fs.f_type) == TMPFS_MAGIC && dev == enheder.second;
}

// The name of the special file system that fs (of a file on device dev) is, empty when it
// is an ordinary one.
QString saerligtFilsystem(const struct statfs &fs, dev_t dev)
{
    if (const char *navn = kerneFilsystem(quint32(fs.f_type)))
        return QString::fromLatin1(navn);
    if (erEnhedstrae(fs, dev))
        return QStringLiteral("devtmpfs");
    return {};
}

// Opens a regular file for reading: -1 for anything else, or for a file that a link or a
// mount puts on a special file system. O_NONBLOCK keeps a FIFO or a device that took a
// file's place after the listing from blocking the open; a regular file is then read as
// usual (laes clears the flag should a file system heed it).
int aabnFil(const char *path, const dev_t *mappeDev, struct stat &st)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (ok && (!mappeDev || st.st_dev != *mappeDev)) {
        struct statfs fs {};
        ok = fstatfs(fd, &fs) == 0 && saerligtFilsystem(fs, st.st_dev).isEmpty();
    }
    if (!ok) {
        ::close(fd);
        return -1;
    }
    return fd;
}

struct Lukker {
    int fd;
    ~Lukker() { ::close(fd); }
};

// Reads up to want bytes into p from a file aabnFil opened: the number read, or -1 on an
// error; eof tells whether the file ended.
qsizetype laes(int fd, char *p, qsizetype want, bool &eof)
{
    eof = false;
    qsizetype done = 0;
    bool blokerer = false;
    while (done < want) {
        const ssize_t n = ::read(fd, p + done, size_t(want - done));
        if (n < 0 && errno == EINTR)
            continue;
        // Local file systems read a regular file alike with or without O_NONBLOCK; one that
        // would rather wait gets to wait. Clearing the flag up front would cost a call per file.
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && !blokerer) {
            blokerer = true;
            if (fcntl(fd, F_SETFL, 0) == 0)
                continue;
        }
        if (n < 0)
            return -1;
        if (n == 0) {
            eof = true;
            break;
        }
        done += n;
    }
    return done;
}

enum class Kodning {
    Gaet,      // no mark: UTF-8 while every byte so far is, else Windows-1252
    Ansi,
    Utf8Bom,
    Utf16LE,
    Utf16BE,
};

// The encoding a file's first bytes declare, and the length of their mark.
Kodning kodningAf(QByteArrayView start, qsizetype &mark)
{
    if (start.startsWith("\xEF\xBB\xBF")) {
        mark = 3;
        return Kodning::Utf8Bom;
    }
    mark = 2;
    if (start.startsWith("\xFF\xFE"))
        return Kodning::Utf16LE;
    if (start.startsWith("\xFE\xFF"))
        return Kodning::Utf16BE;
    mark = 0;
    return Kodning::Gaet;
}

bool harIkkeAscii(QStringView text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return true;
    return false;
}

// Decodes a file piece by piece exactly as core::decodeText decodes it whole. Each piece goes
// through decodeText itself, behind the file's mark and an "x" that is dropped again: so a
// piece is read in the file's encoding whatever bytes it begins with, and a mark inside the
// file stays a character. A character split between pieces waits for the next one.
class StykDekoder {
public:
    explicit StykDekoder(Kodning k) : m_k(k) {}

    // The text of bytes, the file's next ones (after its mark). false when a file without a
    // mark shows bytes that are not UTF-8 after UTF-8 text was decoded from it: the whole file
    // is Windows-1252 and must be read again as such.
    bool dekod(QByteArrayView bytes, bool slut, QString &out)
    {
        out.clear();
        m_data = -1;
        // The first piece of a file with a mark goes without the "x": the whole file's reader
        // takes a second mark right after the first as part of it, and so does this one.
        const bool x = m_k == Kodning::Gaet || m_k == Kodning::Ansi || !m_foerste;
        const char *prefix = "";
        qsizetype n = 0;
        switch (m_k) {
        case Kodning::Gaet: prefix = "x"; n = 1; break;
        case Kodning::Ansi: prefix = "\x80"; n = 1; break;   // never UTF-8: always Windows-1252
        case Kodning::Utf8Bom: prefix = "\xEF\xBB\xBFx"; n = x ? 4 : 3; break;
        case Kodning::Utf16LE: prefix = "\xFF\xFEx\0"; n = x ? 4 : 2; break;
        case Kodning::Utf16BE: prefix = "\xFE\xFF\0x"; n = x ? 4 : 2; break;
        }
        m_buf.resize(0);
        m_buf.append(prefix, n).append(m_rest).append(bytes);
        const qsizetype data = m_buf.size() - n;
        const qsizetype cut = slut ? data : grense(QByteArrayView(m_buf).sliced(n));
        m_rest = m_buf.sliced(n + cut);
        if (cut == 0)
            return true;
        m_buf.truncate(n + cut);
        m_data = n;
        core::Encoding found = core::Encoding::Ansi;
        QString text = core::decodeText(m_buf, &found);
        if (x)
            text.remove(0, 1);
        m_foerste = false;
        if (m_k == Kodning::Gaet) {
            if (found == core::Encoding::Utf8) {
                m_utf8Set = true;
            } else if (harIkkeAscii(text)) {
                if (m_utf8Set)
                    return false;
                m_k = Kodning::Ansi;   // all before was ASCII, which reads the same either way
            }
        }
        out = std::move(text);
        return true;
    }

    // The file's bytes that the last dekod turned into text.
    QByteArrayView dekodet() const { return m_data < 0 ? QByteArrayView() : QByteArrayView(m_buf).sliced(m_data); }
    bool erUtf16() const { return m_k == Kodning::Utf16LE || m_k == Kodning::Utf16BE; }

private:
    // How much of d ends on a whole character.
    qsizetype grense(QByteArrayView d) const
    {
        const qsizetype n = d.size();
        switch (m_k) {
        case Kodning::Ansi:
            return n;
        case Kodning::Utf16LE:
        case Kodning::Utf16BE:
            return n & ~qsizetype(1);
        case Kodning::Gaet:
        case Kodning::Utf8Bom:
            for (qsizetype i = n - 1; i >= 0 && i >= n - 4; --i) {
                const uchar c = uchar(d[i]);
                if ((c & 0xC0) == 0x80)
                    continue;
                const qsizetype laengde = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
                return i + laengde > n ? i : n;
            }
            return n;
        }
        return n;
    }

    Kodning m_k;
    QByteArray m_buf;
    qsizetype m_data = -1;
    QByteArray m_rest;
    bool m_foerste = true;
    bool m_utf8Set = false;
};

// The search of a text that arrives in pieces, with the rows the whole text would give. It
// keeps a window of the text: from the start of the line being searched when that line is
// still short, else from the last characters a row can show; and it takes a hit only when
// everything its row can show has arrived.
class TekstVindue {
public:
    TekstVindue(const QString &needle, SoegeValg valg, const std::function<QString()> &navn, QList<Traef> &rows)
        : m_needle(needle), m_valg(valg), m_navn(navn), m_rows(rows)
    {
    }

    // The next piece of the decoded text; slut: the last. mulig: whether a hit can end in it
    // (false when its bytes cannot hold the search text).
    void tilfoej(QString stykke, bool slut, bool mulig = true)
    {
        if (!stykke.isEmpty()) {
            const bool cr = stykke.back() == u'\r';
            const bool lf = stykke.front() == u'\n';
            stykke = dokumentTekst(std::move(stykke));
            // A CR ending one piece and an LF starting the next make one line break.
            const qsizetype start = m_wStart + m_w.size();
            m_w.append(QStringView(stykke).sliced(m_forrigeCR && lf ? 1 : 0));
            m_forrigeCR = cr;
            const qsizetype slutPos = m_wStart + m_w.size();
            if (!m_stykker.isEmpty() && m_stykker.back().mulig == mulig)
                m_stykker.back().slut = slutPos;
            else if (slutPos > start)
                m_stykker.append({start, slutPos, mulig});
        }
        soeg(slut);
        if (!slut)
            skaer();
    }

private:
    void soeg(bool slut)
    {
        const qsizetype n = m_w.size();
        const qsizetype len = m_needle.size();
        // A hit must be followed by the most its row can show (and the character that decides
        // a whole word).
        const qsizetype grense = slut ? n : n - (kLinjeMaks + 1);
        qsizetype from = m_fra - m_wStart;
        if (grense - from >= len && !kanEnde(m_fra + len - 1, m_wStart + grense - 1))
            from = grense - len + 1;
        while (grense - from >= len) {
            const qsizetype hit = findITekst(m_w, m_needle, from, m_valg, grense);
            if (hit < 0) {
                from = grense - len + 1;
                break;
            }
            if (m_navnTekst.isNull())
                m_navnTekst = m_navn();
            m_rows.append({m_navnTekst, m_wStart + hit, traefLinjeI(m_w, hit, len, !m_wLinjestart)});
            from = hit + len;
        }
        m_fra = m_wStart + from;
        while (!m_stykker.isEmpty() && m_stykker.front().slut <= m_fra)
            m_stykker.removeFirst();
    }

    // Whether a hit's last character can lie in [lo, hi] of the text.
    bool kanEnde(qsizetype lo, qsizetype hi) const
    {
        for (const Stykke &s : m_stykker)
            if (s.mulig && s.start <= hi && s.slut > lo)
                return true;
        return false;
    }

    // Lets go of the text no later row can show.
    void skaer()
    {
        const qsizetype f = m_fra - m_wStart;
        const qsizetype lo = std::max<qsizetype>(0, f - kLinjeMaks - 1);
        const qsizetype nl = QStringView(m_w).sliced(lo, f - lo).lastIndexOf(u'\n');
        qsizetype ls = -1;
        if (nl >= 0)
            ls = lo + nl + 1;
        else if (lo == 0 && m_wLinjestart)
            ls = 0;
        qsizetype keep;
        if (ls >= 0 && f - ls <= kLinjeMaks) {
            keep = ls;
        } else {
            // The line is too long to show whole: a row takes kUddrag before its hit, and a
            // whole word looks at one more.
            keep = std::max<qsizetype>(0, f - kUddrag - 1);
            if (keep > 0 && m_w[keep].isLowSurrogate())
                --keep;
        }
        if (keep <= 0)
            return;
        m_wLinjestart = m_w[keep - 1] == u'\n';
        m_w.remove(0, keep);
        m_wStart += keep;
    }

    struct Stykke {
        qsizetype start, slut;   // of the text
        bool mulig;
    };

    const QString &m_needle;
    const SoegeValg m_valg;
    const std::function<QString()> &m_navn;
    QList<Stykke> m_stykker;     // the text from m_fra on, by whether a hit can end there
    QString m_navnTekst;
    QList<Traef> &m_rows;
    QString m_w;                 // the text from m_wStart on
    qsizetype m_wStart = 0;
    bool m_wLinjestart = true;   // m_w begins a line
    qsizetype m_fra = 0;         // where the next hit may begin
    bool m_forrigeCR = false;
};

// The search of one file after another with one search text, reusing its buffers.
class FilSoeger {
public:
    FilSoeger(const QString &what, SoegeValg valg, const dev_t *mappeDev)
        : m_needle(dokumentTekst(what)), m_valg(valg), m_filter(m_needle, valg.forskel), m_mappeDev(mappeDev)
    {
    }

    // The hits of the file at path, named navn() in its rows. stykke > 0 reads it in pieces of
    // that many bytes. false when fortsaet stopped the search inside the file (its hits are
    // left out).
    bool soeg(const QByteArray &path, const std::function<QString()> &navn, qsizetype stykke,
              const std::function<bool()> &fortsaet, QList<Traef> &rows)
    {
        struct stat st {};
        const int fd = aabnFil(path.constData(), m_mappeDev, st);
        if (fd < 0)
            return true;
        const Lukker lukker{fd};
        // Whole files in one read (and the read that meets the end); of larger ones only the
        // bytes that tell a binary file before anything more.
        const bool hel = stykke <= 0 && st.st_size < kHelFil;
        const qsizetype want = hel ? qsizetype(st.st_size) + 1 : kBinaerProeve;
        m_buf.resize(want);
        bool eof = false;
        const qsizetype n = laes(fd, m_buf.data(), want, eof);
        if (n < 0)
            return true;
        m_buf.truncate(n);
        if (erBinaer(m_buf))
            return true;
        if (hel && eof) {
            soegHel(navn, rows);
            return true;
        }
        return soegStykvis(fd, eof, stykke > 0 ? stykke : kStykke, navn, fortsaet, rows);
    }

private:
    void soegHel(const std::function<QString()> &navn, QList<Traef> &rows)
    {
        if (m_filter.brugbar() && !erUtf16(m_buf) && !m_filter.kanIndeholde(m_buf))
            return;
        const QString text = dokumentTekst(core::decodeText(m_buf));
        QString navnTekst;
        for (qsizetype from = 0;;) {
            const qsizetype hit = findITekst(text, m_needle, from, m_valg);
            if (hit < 0)
                break;
            if (navnTekst.isNull())
                navnTekst = navn();
            rows.append({navnTekst, hit, traefLinjeI(text, hit, m_needle.size(), false)});
            from = hit + m_needle.size();
        }
    }

    // m_buf holds the file's first bytes (all of them when startEof).
    bool soegStykvis(int fd, bool startEof, qsizetype stykke, const std::function<QString()> &navn,
                     const std::function<bool()> &fortsaet, QList<Traef> &rows)
    {
        const qsizetype foer = rows.size();
        qsizetype mark = 0;
        Kodning k = kodningAf(m_buf, mark);
        for (;;) {
            StykDekoder dekoder(k);
            TekstVindue vindue(m_needle, m_valg, navn, rows);
            QByteArray soem;   // the last bytes before the piece, for a hit across its start
            qsizetype pos = mark;
            bool eof = startEof;
            bool slut = false;
            bool igen = false;
            while (!slut) {
                if (fortsaet && !fortsaet()) {
                    rows.resize(foer);
                    return false;
                }
                QByteArrayView bytes;
                if (pos < m_buf.size()) {
                    const qsizetype n = std::min(stykke, m_buf.size() - pos);
                    bytes = QByteArrayView(m_buf).sliced(pos, n);
                    pos += n;
                    slut = pos == m_buf.size() && eof;
                } else {
                    m_styk.resize(stykke);
                    const qsizetype n = laes(fd, m_styk.data(), stykke, eof);
                    if (n < 0) {   // unreadable half way: passed over like an unreadable file
                        rows.resize(foer);
                        return true;
                    }
                    bytes = QByteArrayView(m_styk).first(n);
                    slut = eof;
                }
                QString tekst;
                if (!dekoder.dekod(bytes, slut, tekst)) {
                    igen = true;
                    break;
                }
                vindue.tilfoej(std::move(tekst), slut, kanHolde(dekoder, soem));
            }
            if (!igen)
                return true;
            // Not UTF-8 after all: again from the start, as Windows-1252.
            rows.resize(foer);
            k = Kodning::Ansi;
            if (::lseek(fd, m_buf.size(), SEEK_SET) < 0)
                return true;
        }
    }

    // Whether a hit can end in the bytes the decoder just read, judged by their bytes as a
    // whole file is (the search text's last bytes may stand before them, in soem).
    bool kanHolde(const StykDekoder &dekoder, QByteArray &soem) const
    {
        if (!m_filter.brugbar() || dekoder.erUtf16())
            return true;
        const QByteArrayView bytes = dekoder.dekodet();
        const qsizetype n = m_filter.laengde() - 1;
        bool kan = m_filter.kanIndeholde(bytes);
        if (!kan && n > 0 && !soem.isEmpty()) {
            const QByteArray over = soem + bytes.first(std::min(n, bytes.size())).toByteArray();
            kan = m_filter.kanIndeholde(over);
        }
        soem.append(bytes.last(std::min(n, bytes.size())).toByteArray());
        soem = soem.right(n);
        return kan;
    }

    const QString m_needle;
    const SoegeValg m_valg;
    const AsciiFilter m_filter;
    const dev_t *m_mappeDev;
    QByteArray m_buf;
    QByteArray m_styk;
};

} // namespace

QString traefLinje(QStringView text, qsizetype pos, qsizetype length)
{
    return traefLinjeI(text, pos, length, false);
}

QString mappeAfvisning(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    struct statfs fs {};
    struct stat st {};
    if (::statfs(path.constData(), &fs) != 0 || ::stat(path.constData(), &st) != 0)
        return {};
    const QString navn = saerligtFilsystem(fs, st.st_dev);
    if (navn.isEmpty())
        return {};
    return QStringLiteral("Mappen ligger på et særligt filsystem (%1); der søges ikke i den.").arg(navn);
}

QString soegIMappeLoebende(const QString &folder, const QString &mask, const QString &what, SoegeValg valg,
                           const std::function<void(QList<Traef> &&)> &modtag, const std::function<bool()> &fortsaet)
{
    if (what.isEmpty() || !QFileInfo(folder).isDir())
        return {};
    if (QString afvist = mappeAfvisning(folder); !afvist.isEmpty())
        return afvist;
    QString base = folder;
    if (!base.endsWith(u'/'))
        base += u'/';

    // The folder's files straight from the system: a file object and a file information
    // record per file would cost more than reading the pages.
    const QString pattern = mask.isEmpty() || mask == QStringLiteral("*.*") ? QStringLiteral("*") : mask;
    const QByteArray patternBytes = QFile::encodeName(pattern);
    const QByteArray baseBytes = QFile::encodeName(base);
    struct stat mappe {};
    if (::stat(baseBytes.constData(), &mappe) != 0)
        return {};
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

    FilSoeger soeger(what, valg, &mappe.st_dev);
    const QByteArray *name = nullptr;
    const std::function<QString()> navn = [&] { return base + QFile::decodeName(*name); };
    for (const QByteArray &n : std::as_const(names)) {
        if (fortsaet && !fortsaet())
            break;
        name = &n;
        QList<Traef> rows;
        if (!soeger.soeg(baseBytes + n, navn, 0, fortsaet, rows))
            break;
        if (!rows.isEmpty())
            modtag(std::move(rows));
    }
    return {};
}

QList<Traef> soegIMappe(const QString &folder, const QString &mask, const QString &what, SoegeValg valg,
                        const std::function<bool()> &fortsaet)
{
    QList<Traef> result;
    soegIMappeLoebende(
        folder, mask, what, valg, [&result](QList<Traef> &&rows) { result.append(std::move(rows)); }, fortsaet);
    return result;
}

QList<Traef> soegIFil(const QString &path, const QString &what, SoegeValg valg, qsizetype stykke)
{
    QList<Traef> rows;
    if (what.isEmpty())
        return rows;
    FilSoeger soeger(what, valg, nullptr);
    soeger.soeg(QFile::encodeName(path), [&path] { return path; }, stykke, {}, rows);
    return rows;
}

} // namespace search
