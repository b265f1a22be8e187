#include "analysis/tagscanner.h"

#include "analysis/taglaeser.h"
#include "codewriting/taglist.h"

#include "editor/editor.h"

#include <QVariant>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

// Inside a start tag, walking back from the caret: the attribute whose quoted value holds
// the caret, and the word before the nearest colon (the CSS property being written).
void scanAttribute(const ScanText &text, qsizetype caret, qsizetype lt, TPosData &pos)
{
    enum { LookForColon, Collect, Done } css = LookForColon;
    bool inAttribute = false;
    QString cssReversed, attributeReversed;
    for (qsizetype k = caret - 1; k > lt; --k) {
        const QChar c = text.at(k);
        if (css == Collect) {
            if (isQuote(c) || c == u';' || isBlank(c))
                css = Done;
            else
                cssReversed += c;
        } else if (css == LookForColon && c == u':') {
            css = Collect;
        }
        if (inAttribute) {
            if (isBlank(c))
                break;
            attributeReversed += c;
        }
        if (isQuote(c)) {
            if (text.at(k - 1) != u'=')
                break;
            inAttribute = true;
            --k;  // past the "="
        }
    }
    std::reverse(cssReversed.begin(), cssReversed.end());
    std::reverse(attributeReversed.begin(), attributeReversed.end());
    pos.cssKode = cssReversed;
    pos.Attribut = attributeReversed;
}

// ---------------------------------------------------------------- the text a line at a time
//
// What is a tag is decided as TagLaeser decides it, reading forwards: a "<" in a quoted
// value, in a comment or in the content of script, style, textarea and title is text. The
// caret analysis walks backwards, so it reads the page a line at a time and keeps, for each
// line, where TagLaeser stands when it comes to the line's start (in text, in a comment, in
// such an element's content, or in a tag begun on an earlier line). A line is then read
// alone, from that state, with the same pieces of TagLaeser; only a tag not closed on its
// own line reads on, never more than TagLaeser::kMaksTag past its name.
//
// The states are found forwards from the first line and kept with the line summaries. An
// edit forgets the lines it touched and those whose tags read into them; reading on from
// there, the lines after the edit are taken as they were as soon as a line starts in the
// same state as before. So a key costs the lines near it, however long the page (until an
// edit opens a comment or a script that runs on, which changes every line after it).

// A source of lines: the edit control, or a string.
class Kilde {
public:
    virtual ~Kilde() = default;
    virtual int linjer() const = 0;
    virtual qsizetype linjeStart(int n) const = 0;
    virtual int linjeAf(qsizetype pos) const = 0;
    virtual qsizetype laengde() const = 0;
    // Line n with its line break (the last line has none); valid until the next call.
    virtual QStringView linje(int n) const = 0;
    // The text in [fra, til); buf may hold it.
    virtual QStringView stykke(qsizetype fra, qsizetype til, QString &buf) const = 0;
};

// Reads runs of whole lines, growing fourfold while reading goes on line after line: a
// page read from its start costs a conversion per run, not per line. A run lasts until
// forget(), which comes before every use and at every edit.
class EditorKilde : public Kilde {
public:
    explicit EditorKilde(const TEditor *e) : m_e(e) {}
    int linjer() const override
    {
        if (m_count < 0)
            m_count = m_e->lineCount();
        return m_count;
    }
    qsizetype linjeStart(int n) const override
    {
        return inRun(n) ? m_runStart + m_starts[size_t(n - m_first)] : m_e->lineStart(n);
    }
    int linjeAf(qsizetype pos) const override { return m_e->lineOf(pos); }
    qsizetype laengde() const override { return m_e->length(); }
    QStringView linje(int n) const override
    {
        if (!inRun(n))
            load(n);
        const size_t i = size_t(n - m_first);
        return QStringView(m_run).mid(m_starts[i], m_starts[i + 1] - m_starts[i]);
    }
    QStringView stykke(qsizetype fra, qsizetype til, QString &buf) const override
    {
        buf = m_e->textRange(fra, til);
        return buf;
    }
    void forget()
    {
        m_run.clear();
        m_starts.clear();
        m_first = -1;
        m_runBytes = 0;
        m_count = -1;
    }

private:
    static constexpr qsizetype kMaxRun = 1 << 16;

    bool inRun(int n) const { return m_first >= 0 && n >= m_first && n < m_first + int(m_starts.size()) - 1; }

    void load(int n) const
    {
        m_runBytes = n == m_first + int(m_starts.size()) - 1 && m_first >= 0 ? std::min(m_runBytes * 4, kMaxRun) : 0;
        const int count = linjer();
        auto startByte = [&](int line) { return line < count ? m_e->lineStartByte(line) : m_e->byteLength(); };
        const qsizetype from = startByte(n);
        int last = n + 1;   // lines [n, last)
        while (last < count && startByte(last + 1) - from <= m_runBytes)
            ++last;
        const qsizetype to = startByte(last);
        m_run = QString::fromUtf8(m_e->utf8Range(from, to));
        m_first = n;
        m_runStart = m_e->lineStart(n);
        m_starts.assign(1, 0);
        for (qsizetype i = m_run.indexOf(u'\n'); i >= 0 && int(m_starts.size()) < last - n; i = m_run.indexOf(u'\n', i + 1))
            m_starts.push_back(i + 1);
        m_starts.push_back(m_run.size());
        m_runBytes = std::max(m_runBytes, to - from);
    }

    const TEditor *m_e;
    mutable QString m_run;                  // lines [m_first, m_first + m_starts.size() - 1)
    mutable std::vector<qsizetype> m_starts;
    mutable int m_first = -1;
    mutable qsizetype m_runStart = 0;   // where line m_first starts
    mutable qsizetype m_runBytes = 0;
    mutable int m_count = -1;           // lines, once asked
};

class StrengKilde : public Kilde {
public:
    explicit StrengKilde(QStringView t) : m_t(t)
    {
        m_starter.push_back(0);
        for (qsizetype i = t.indexOf(u'\n'); i >= 0; i = t.indexOf(u'\n', i + 1))
            m_starter.push_back(i + 1);
    }
    int linjer() const override { return int(m_starter.size()); }
    qsizetype linjeStart(int n) const override { return m_starter[size_t(n)]; }
    int linjeAf(qsizetype pos) const override
    {
        return int(std::upper_bound(m_starter.begin(), m_starter.end(), pos) - m_starter.begin()) - 1;
    }
    qsizetype laengde() const override { return m_t.size(); }
    QStringView linje(int n) const override
    {
        const qsizetype fra = m_starter[size_t(n)];
        const qsizetype til = size_t(n) + 1 < m_starter.size() ? m_starter[size_t(n) + 1] : m_t.size();
        return m_t.mid(fra, til - fra);
    }
    QStringView stykke(qsizetype fra, qsizetype til, QString &) const override { return m_t.mid(fra, til - fra); }

private:
    QStringView m_t;
    std::vector<qsizetype> m_starter;
};

// Where TagLaeser stands at a line's start.
enum : quint8 { kTekst = 0, kKommentar = 1, kRaatekst = 2 };   // kRaatekst + n - 1: element n's content
struct Indgang {
    quint8 slags = kTekst;
    qint32 spring = 0;    // a tag begun on an earlier line covers the line's first `spring` characters
    qint32 tilbage = 0;   // then: from that tag's "<" to the line's start
    bool operator==(const Indgang &) const = default;
};

Indgang indgang(int slags, qsizetype spring, qsizetype tilbage)
{
    return spring > 0 ? Indgang{quint8(slags), qint32(spring), qint32(tilbage)} : Indgang{quint8(slags), 0, 0};
}

// What a run of whole lines does to the walk between tags: its net change of depth and the
// lowest depth it reaches on the way (relative to where the walk enters it, from its end).
// A run whose lowest point stays above -1 can be passed over by adding its net change. The
// walk forwards, from a start tag to its end tag, enters at the run's start and looks for
// +1: highest is the top it reaches on that way.
struct Summary {
    int net = 0;
    int lowest = 0;
    int highest = 0;
};

// A tag as TagLaeser reads it, in a line: positions from the line's start.
struct LinjeTag : TagLaeser::Tag {
    int trin = 0;   // what it does to the walk between tags: an end tag +1, a start tag of an element with an end tag -1
};

// A piece of a line that holds no tags: a comment, or the content of script and the like.
struct Felt {
    qsizetype fra, til;
};

struct Laesning {
    QStringView tekst;    // the line, with its line break
    qsizetype start = 0;  // the line's start in the text
    std::vector<LinjeTag> tags;
    std::vector<Felt> felter;
    Indgang ud;                  // the next line's state
    qsizetype raekkevidde = 0;   // one past the last character reading looked at, from the line's start
};

// The name of a tag, as the lists know it.
QStringView navnAf(QStringView linje, const LinjeTag &t)
{
    return readTagName(linje.first(t.navnSlut), t.navnStart);
}

// Reads line n from state ind as TagLaeser::naeste() would; only tags starting before
// `stop` (from the line's start) are read, and then `ud` is not known.
void laesLinje(const Kilde &kilde, int n, const Indgang &ind, const TagList &nosluttag, Laesning &l,
               qsizetype stop = std::numeric_limits<qsizetype>::max())
{
    l.tags.clear();
    l.felter.clear();
    l.tekst = kilde.linje(n);
    l.start = kilde.linjeStart(n);
    const QStringView v = l.tekst;
    const qsizetype size = v.size();
    const bool sidste = n + 1 >= kilde.linjer();
    l.raekkevidde = size;
    qsizetype pos = ind.spring;
    int slags = ind.slags;
    if (pos >= size) {   // the tag from an earlier line covers the whole line
        l.ud = indgang(slags, pos - size, ind.tilbage + size);
        return;
    }
    for (;;) {
        if (slags == kKommentar) {
            const qsizetype k = v.indexOf(u"-->", pos);
            l.felter.push_back({pos, k < 0 ? size : k + 3});
            if (k < 0) {
                l.ud = indgang(kKommentar, 0, 0);
                return;
            }
            pos = k + 3;
            slags = kTekst;
            continue;
        }
        if (slags >= kRaatekst) {
            const qsizetype k = TagLaeser::raatekstSlut(v, TagLaeser::raatekstNavn(slags - kRaatekst + 1), pos);
            l.felter.push_back({pos, k});
            if (k >= size) {
                l.ud = indgang(slags, 0, 0);
                return;
            }
            pos = k;
            slags = kTekst;
            continue;
        }
        const qsizetype i = v.indexOf(u'<', pos);
        if (i < 0 || i + 1 >= size || i >= stop) {
            l.ud = indgang(kTekst, 0, 0);
            return;
        }
        if (v.mid(i, 4) == u"<!--") {
            const qsizetype k = v.indexOf(u"-->", i + 4);
            l.felter.push_back({i, k < 0 ? size : k + 3});
            if (k < 0) {
                l.ud = indgang(kKommentar, 0, 0);
                return;
            }
            pos = k + 3;
            continue;
        }
        const std::optional<TagLaeser::Tag> navnet = TagLaeser::tagNavn(v, i);
        if (!navnet) {
            pos = i + 1;
            continue;
        }
        LinjeTag t{*navnet};
        t.slut = TagLaeser::tagSlut(v, t.navnSlut, sidste);
        // A tag not closed on its line: read on in growing pieces, at most to kMaksTag past
        // its name (where tagSlut always answers).
        for (qsizetype mere = 1024; t.slut < 0; mere *= 8) {
            const qsizetype til = std::min(kilde.laengde(),
                                           l.start + std::min(t.navnSlut + TagLaeser::kMaksTag + 1, size + mere));
            QString buf;
            t.slut = TagLaeser::tagSlut(kilde.stykke(l.start, til, buf), t.navnSlut, til == kilde.laengde());
        }
        l.raekkevidde = std::max(l.raekkevidde, t.slut == t.navnSlut ? t.navnSlut + TagLaeser::kMaksTag + 1 : t.slut + 1);
        const QStringView navn = v.mid(t.navnStart, t.navnSlut - t.navnStart);
        t.trin = t.slutkode ? 1 : nosluttag.contains(navnAf(v, t)) ? 0 : -1;
        l.tags.push_back(t);
        pos = t.slut;
        if (!t.slutkode)
            if (const int r = TagLaeser::raatekst(navn))
                slags = kRaatekst + r - 1;
        if (pos >= size) {   // the tag goes on into the next line
            l.ud = indgang(slags, pos - size, size - i);
            return;
        }
    }
}

Summary summarise(const std::vector<LinjeTag> &tags)
{
    Summary s;
    int forward = 0;
    for (const LinjeTag &t : tags) {
        if (t.trin == 0)
            continue;
        forward += t.trin;
        s.highest = std::max(s.highest, forward);
        s.net = forward;
    }
    // The same tags backwards give the lowest point.
    int back = 0;
    for (auto t = tags.rbegin(); t != tags.rend(); ++t) {
        back += t->trin;
        s.lowest = std::min(s.lowest, back);
    }
    return s;
}

// A tag found, with positions in the text.
struct FundetTag {
    qsizetype start = -1, navnSlut = -1, slut = -1;
    bool slutkode = false;
    QString navn;   // as readTagName reads it
};

FundetTag fundet(const Laesning &l, const LinjeTag &t)
{
    return {l.start + t.start, l.start + t.navnSlut, l.start + t.slut, t.slutkode, navnAf(l.tekst, t).toString()};
}

// What holds the character before a position.
struct Omraade {
    enum { Tekst, Tag, Felt } slags = Tekst;
    FundetTag tag;   // Tag: the tag
};

// The lines of a text: each line's state at its start, and the summaries of lines and of
// blocks of kBlock lines for the walk between tags.
class TagLinjer {
public:
    static constexpr int kBlock = 256;

    TagLinjer(const Kilde &kilde, const TagList &nosluttag) : m_kilde(&kilde), m_list(&nosluttag) { forgetAll(); }

    const TagList *list() const { return m_list; }
    void setList(const TagList &nosluttag)
    {
        m_list = &nosluttag;
        forgetAll();
    }

    void forgetAll()
    {
        const size_t lines = size_t(m_kilde->linjer());
        m_lines.assign(lines, {});
        m_read.assign(lines, 0);
        m_blocks.assign((lines + kBlock - 1) / kBlock, {});
        m_blockValid.assign(m_blocks.size(), 0);
        m_valid = 0;
    }

    // An edit changed `line` and added (or removed) lines right after it.
    void edited(int line, int added)
    {
        const size_t at = size_t(std::max(line, 0)) + 1;
        if (added > 0 && at <= m_lines.size()) {
            m_lines.insert(m_lines.begin() + qsizetype(at), size_t(added), Linje{});
            m_read.insert(m_read.begin() + qsizetype(at), size_t(added), 0);
        } else if (added < 0 && at + size_t(-added) <= m_lines.size()) {
            m_lines.erase(m_lines.begin() + qsizetype(at), m_lines.begin() + qsizetype(at) + (-added));
            m_read.erase(m_read.begin() + qsizetype(at), m_read.begin() + qsizetype(at) + (-added));
        }
        if (m_lines.size() != size_t(m_kilde->linjer()) || line < 0 || size_t(line) >= m_lines.size()) {
            forgetAll();
            return;
        }
        m_read[size_t(line)] = 0;
        int first = line;
        // Earlier lines whose tags read into the edited line (a tag reads on at most
        // kMaksTag past its name).
        const qsizetype start = m_kilde->linjeStart(line);
        for (int m = line - 1; m >= 0 && m_kilde->linjeStart(m + 1) + TagLaeser::kMaksTag > start; --m) {
            if (m_kilde->linjeStart(m) + m_lines[size_t(m)].raekkevidde > start) {
                m_read[size_t(m)] = 0;
                first = m;
            }
        }
        m_valid = std::min(m_valid, first);
        m_blocks.resize((m_lines.size() + kBlock - 1) / kBlock);
        m_blockValid.resize(m_blocks.size(), 0);
        // Later blocks hold other lines once lines come or go.
        const size_t firstBlock = size_t(first) / kBlock;
        std::fill(m_blockValid.begin() + qsizetype(firstBlock),
                  added == 0 ? m_blockValid.begin() + qsizetype(size_t(line) / kBlock) + 1 : m_blockValid.end(), 0);
    }

    // Lets go of the room a very long line took to read.
    void trim()
    {
        if (m_laesning.tags.capacity() > 4096)
            std::vector<LinjeTag>().swap(m_laesning.tags);
        if (m_laesning.felter.capacity() > 4096)
            std::vector<Felt>().swap(m_laesning.felter);
    }

    int lines() const { return int(m_lines.size()); }
    int lineOf(qsizetype pos) const { return m_kilde->linjeAf(pos); }
    qsizetype lineStart(int n) const { return m_kilde->linjeStart(n); }

    // Reads line n (see laesLinje); the result lasts until the next read.
    Laesning &read(int n, qsizetype stop = std::numeric_limits<qsizetype>::max())
    {
        ensure(n);
        laesLinje(*m_kilde, n, m_lines[size_t(n)].ind, *m_list, m_laesning, stop);
        return m_laesning;
    }

    Summary line(int n)
    {
        ensure(n + 1);
        return m_lines[size_t(n)].sum;
    }

    Summary block(int b)
    {
        const int first = b * kBlock;
        const int end = std::min(first + kBlock, lines());
        ensure(end);
        if (!m_blockValid[size_t(b)]) {
            Summary s;
            for (int n = end - 1; n >= first; --n) {
                const Summary l = m_lines[size_t(n)].sum;
                s.lowest = std::min(s.lowest, s.net + l.lowest);
                s.net += l.net;
            }
            int forward = 0;
            for (int n = first; n < end; ++n) {
                const Summary l = m_lines[size_t(n)].sum;
                s.highest = std::max(s.highest, forward + l.highest);
                forward += l.net;
            }
            m_blocks[size_t(b)] = s;
            m_blockValid[size_t(b)] = 1;
        }
        return m_blocks[size_t(b)];
    }

    // The tag TagLaeser reads at pos, if one starts there.
    std::optional<FundetTag> tagAt(qsizetype pos)
    {
        const int n = lineOf(pos);
        const Laesning &l = read(n, pos - lineStart(n) + 1);
        if (l.tags.empty() || l.start + l.tags.back().start != pos)
            return std::nullopt;
        return fundet(l, l.tags.back());
    }

    // What holds the character before pos (pos > 0).
    Omraade before(qsizetype pos)
    {
        const int n = lineOf(pos - 1);
        const Laesning &l = read(n, pos - lineStart(n));
        const qsizetype r = pos - 1 - l.start;
        Omraade o;
        const Indgang ind = m_lines[size_t(n)].ind;
        if (r < ind.spring) {   // a tag begun on an earlier line
            if (const std::optional<FundetTag> t = tagAt(l.start - ind.tilbage)) {
                o.slags = Omraade::Tag;
                o.tag = *t;
            }
            return o;
        }
        const LinjeTag *t = l.tags.empty() ? nullptr : &l.tags.back();
        const Felt *f = l.felter.empty() ? nullptr : &l.felter.back();
        if (f && f->fra <= r && (!t || f->fra > t->start)) {
            if (r < f->til)
                o.slags = Omraade::Felt;
        } else if (t && r < t->slut) {
            o.slags = Omraade::Tag;
            o.tag = fundet(l, *t);
        }
        return o;
    }

    // Walking back from pos over the tags before it, an end tag adding one and a start tag
    // taking one away: the start tag that brings the count to -1.
    std::optional<FundetTag> startTagBefore(qsizetype pos)
    {
        if (pos <= 0)
            return std::nullopt;
        int depth = 0;
        int line = lineOf(pos - 1);
        auto walk = [&](const Laesning &l) -> std::optional<FundetTag> {
            for (auto t = l.tags.rbegin(); t != l.tags.rend(); ++t) {
                depth += t->trin;
                if (t->trin < 0 && depth == -1)
                    return fundet(l, *t);
            }
            return std::nullopt;
        };
        if (auto found = walk(read(line, pos - lineStart(line))))
            return found;
        // Passing over whole blocks and lines by their summaries.
        while (--line >= 0) {
            if ((line + 1) % kBlock == 0) {
                const Summary b = block(line / kBlock);
                if (depth + b.lowest > -1) {
                    depth += b.net;
                    line -= kBlock - 1;
                    continue;
                }
            }
            const Summary s = this->line(line);
            if (depth + s.lowest > -1) {
                depth += s.net;
                continue;
            }
            if (auto found = walk(read(line)))
                return found;
        }
        return std::nullopt;
    }

    // From the tags starting at `from` (on line `line` or later) forwards: the end tag that
    // brings the count to +1.
    std::optional<FundetTag> endTagAfter(int line, qsizetype from)
    {
        int depth = 0;
        const int count = lines();
        bool whole = false;   // the first line is read from `from`, the rest whole
        while (line < count) {
            if (whole && line % kBlock == 0 && line + kBlock <= count) {
                const Summary b = block(line / kBlock);
                if (depth + b.highest < 1) {
                    depth += b.net;
                    line += kBlock;
                    continue;
                }
            }
            if (whole) {
                const Summary s = this->line(line);
                if (depth + s.highest < 1) {
                    depth += s.net;
                    ++line;
                    continue;
                }
            }
            const Laesning &l = read(line);
            for (const LinjeTag &t : l.tags) {
                if (l.start + t.start < from)
                    continue;
                depth += t.trin;
                if (t.trin > 0 && depth == 1)
                    return fundet(l, t);
            }
            whole = true;
            ++line;
        }
        return std::nullopt;
    }

private:
    struct Linje {
        Indgang ind;           // the state at the line's start
        Summary sum;
        qint32 raekkevidde = 0;   // one past the last character reading the line looked at, from its start
    };

    // Lines before n read, and n's state known.
    void ensure(int n)
    {
        const int count = lines();
        n = std::min(n, count);
        while (m_valid < n) {
            const int g = m_valid;
            laesLinje(*m_kilde, g, m_lines[size_t(g)].ind, *m_list, m_laesning);
            Linje &li = m_lines[size_t(g)];
            li.sum = summarise(m_laesning.tags);
            li.raekkevidde = qint32(std::min<qsizetype>(m_laesning.raekkevidde, std::numeric_limits<qint32>::max()));
            m_read[size_t(g)] = 1;
            m_blockValid[size_t(g) / kBlock] = 0;
            if (g + 1 >= count) {
                m_valid = count;
            } else if (m_read[size_t(g) + 1] && m_lines[size_t(g) + 1].ind == m_laesning.ud) {
                // In step with the last reading: the lines stand as they were read, up to
                // the next line an edit touched.
                const void *p = std::memchr(m_read.data() + g + 1, 0, size_t(count - g - 1));
                m_valid = p ? int(static_cast<const char *>(p) - m_read.data()) : count;
            } else {
                m_lines[size_t(g) + 1].ind = m_laesning.ud;
                m_read[size_t(g) + 1] = 0;
                m_valid = g + 1;
            }
        }
    }

    const Kilde *m_kilde;
    const TagList *m_list;
    std::vector<Linje> m_lines;
    // 1: the line was read as it stands, from the state kept for it (so is right once that
    // state is).
    std::vector<char> m_read;
    int m_valid = 0;   // lines before it are read, and its state is known
    std::vector<Summary> m_blocks;
    std::vector<char> m_blockValid;
    Laesning m_laesning;
};

// The lines of an edit control, kept true as the text changes. One per control, made on
// first use; it lives as long as the control.
class EditorLinjer : public QObject {
public:
    static TagLinjer &of(const TEditor *editor, const TagList &nosluttag)
    {
        auto *e = const_cast<TEditor *>(editor);
        e->meldAendringer();   // the lines must know of every edit before they are read
        auto *s = static_cast<EditorLinjer *>(e->property(kProperty).value<QObject *>());
        if (!s) {
            s = new EditorLinjer(e, nosluttag);
            e->setProperty(kProperty, QVariant::fromValue(static_cast<QObject *>(s)));
        }
        s->m_kilde.forget();
        s->m_linjer.trim();
        if (s->m_linjer.list() != &nosluttag)
            s->m_linjer.setList(nosluttag);
        return s->m_linjer;
    }

private:
    static constexpr char kProperty[] = "tavlevirkeTagLinjer";

    EditorLinjer(TEditor *editor, const TagList &nosluttag)
        : QObject(editor), m_kilde(editor), m_linjer(m_kilde, nosluttag)
    {
        connect(editor, &TEditor::linjerAendret, this, [this](int line, int added) {
            m_kilde.forget();
            m_linjer.edited(line, added);
        });
    }

    EditorKilde m_kilde;
    TagLinjer m_linjer;
};

// Calls f with the lines of the text: the control's, or those of a string read for the call.
template<class F>
auto medLinjer(const ScanText &text, const TagList &nosluttag, F f)
{
    if (const TEditor *editor = text.editor())
        return f(EditorLinjer::of(editor, nosluttag));
    const StrengKilde kilde(text.string());
    TagLinjer linjer(kilde, nosluttag);
    return f(linjer);
}

// The nearest "<" before the caret, unless a ">" comes first; at most kMaksTag back.
qsizetype nearestLt(const ScanText &text, qsizetype caret)
{
    for (qsizetype i = caret - 1; i >= 0 && caret - i <= kMaksTag;) {
        const ScanText::Chunk chunk = text.chunk(i);
        const qsizetype stop = std::max(chunk.start, caret - kMaksTag);
        for (qsizetype j = i; j >= stop; --j) {
            const QChar c = chunk.text[j - chunk.start];
            if (c == u'<')
                return j;
            if (c == u'>')
                return -1;
        }
        i = stop - 1;
    }
    return -1;
}

} // namespace

bool isTagNameEnd(QChar c)
{
    return isBlank(c) || c == u'>' || c == u'<' || c == u'/';
}

bool isNoTagAfterLt(QChar next)
{
    return isBlank(next) || next == u'!' || next == u'%' || next == u'-' || next == u'<'
        || next == u'>' || next == u'?';
}

QStringView readTagName(QStringView text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && !isTagNameEnd(text[end])) {
        if (text[end++] == u'%')
            break;
    }
    return text.mid(from, end - from);
}

std::optional<TPosData> scanCaret(const ScanText &text, qsizetype caret, const TagList &nosluttag)
{
    const qsizetype size = text.size();
    if (size > 1 && text.at(0) != u'<')
        return std::nullopt;

    TPosData pos;
    caret = std::clamp<qsizetype>(caret, 0, size);
    pos.PosIndex = caret + text.lineBreaksBefore(caret);
    if (caret < 1)
        return pos;
    pos.LastChar = text.at(caret - 1);

    return medLinjer(text, nosluttag, [&](TagLinjer &linjer) {
        const Omraade o = linjer.before(caret);
        // In a tag (up to its ">"; one left open holds the caret to where it was let go).
        if (o.slags == Omraade::Tag && !(caret == o.tag.slut && text.at(caret - 1) == u'>')) {
            pos.Tag = o.tag.navn;
            if (o.tag.slutkode) {
                pos.CurPos = cpInsideEnd;
            } else {
                pos.CurPos = cpInside;
                scanAttribute(text, caret, o.tag.start, pos);
            }
            return pos;
        }
        // In text: a tag being written ("<p style=\"x" before its quote is closed), or "<!",
        // "<%", "<?", "</" or a "<" just typed. A "<" followed by what starts no tag ("a <=
        // b", "1<2") is text. In a comment or the content of script and the like, nothing
        // is being written.
        qsizetype lt = o.slags == Omraade::Tekst ? nearestLt(text, caret) : -1;
        if (lt >= 0 && lt + 1 < caret) {
            const QChar efter = text.at(lt + 1);
            if (!TagLaeser::bogstav(efter) && efter != u'/' && efter != u'%' && efter != u'!' && efter != u'?')
                lt = -1;
        }
        if (lt < 0) {
            if (const std::optional<FundetTag> start = linjer.startTagBefore(caret)) {
                pos.CurPos = cpBetween;
                pos.Tag = start->navn;
            }
            return pos;
        }
        if (lt == size - 1) {
            pos.CurPos = cpInside;
            return pos;
        }
        const ScanText::Chunk chunk = text.chunk(lt);
        const qsizetype local = lt - chunk.start;
        if (chunk.text[local + 1] == u'/') {
            pos.CurPos = cpInsideEnd;
            pos.Tag = readTagName(chunk.text, local + 2).toString();
        } else {
            pos.CurPos = cpInside;
            pos.Tag = readTagName(chunk.text, local + 1).toString();
            scanAttribute(text, caret, lt, pos);
        }
        return pos;
    });
}

std::optional<TagPar> matchendeTag(const ScanText &text, qsizetype caret, const TagList &nosluttag)
{
    const qsizetype size = text.size();
    if (size > 1 && text.at(0) != u'<')
        return std::nullopt;
    caret = std::clamp<qsizetype>(caret, 0, size);

    return medLinjer(text, nosluttag, [&](TagLinjer &linjer) -> std::optional<TagPar> {
        // The tag holding the caret: one starting right at the caret, the one the caret is
        // in, or one being written (its "<" the nearest before the caret, no ">" between).
        std::optional<FundetTag> tag;
        if (caret < size && text.at(caret) == u'<')
            tag = linjer.tagAt(caret);
        if (!tag && caret > 0) {
            const Omraade o = linjer.before(caret);
            if (o.slags == Omraade::Tag && !(caret == o.tag.slut && text.at(caret - 1) == u'>')) {
                tag = o.tag;
            } else if (o.slags == Omraade::Tekst) {
                if (const qsizetype lt = nearestLt(text, caret); lt >= 0)
                    tag = linjer.tagAt(lt);
            }
        }
        if (!tag || tag->navn.isEmpty() || tag->navn.contains(u'%'))
            return std::nullopt;

        TagPar par;
        par.start = tag->start;
        par.slut = tag->slut;
        // "/>" ends the tag
        const bool lukket = tag->slut - 2 >= tag->navnSlut && text.at(tag->slut - 1) == u'>'
            && text.at(tag->slut - 2) == u'/';
        std::optional<FundetTag> partner;
        if (tag->slutkode)
            partner = linjer.startTagBefore(tag->start);
        else if (!lukket && !nosluttag.contains(tag->navn))
            partner = linjer.endTagAfter(linjer.lineOf(tag->start), tag->slut);
        // A partner by count that bears another name means the tags are misnested: no partner.
        if (partner && partner->navn.compare(tag->navn, Qt::CaseInsensitive) == 0) {
            par.partnerStart = partner->start;
            par.partnerSlut = partner->slut;
        }
        return par;
    });
}
