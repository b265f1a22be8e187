#include "core/textfile.h"

#include "core/fejltekst.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>

namespace core {

namespace {

const char kUtf8Bom[] = "\xEF\xBB\xBF";

bool isValidUtf8(const QByteArray &bytes, bool *hasNonAscii)
{
    *hasNonAscii = false;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        unsigned char c = p[i];
        if (c < 0x80) { ++i; continue; }
        *hasNonAscii = true;
        int extra;
        unsigned int cp;
        if ((c & 0xE0) == 0xC0) { extra = 1; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { extra = 2; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { extra = 3; cp = c & 0x07; }
        else return false;
        if (i + extra >= n) return false;
        for (int k = 1; k <= extra; ++k) {
            unsigned char d = p[i + k];
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        static const unsigned int minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

QString decodeWith(QStringConverter::Encoding enc, QByteArrayView bytes)
{
    QStringDecoder dec(enc, QStringConverter::Flag::Stateless);
    return dec.decode(bytes);
}

// Windows-1252 by hand: the table is small and the conversion must be exact. The five
// unassigned bytes map to the C1 controls, so every byte survives a round trip.
const char16_t kAnsiHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeAnsi(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *o = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        o[i] = (b >= 0x80 && b < 0xA0) ? QChar(kAnsiHigh[b - 0x80]) : QChar(b);
    }
    return out;
}

// The byte for a character, or -1 when Windows-1252 has none.
int ansiByte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int k = 0; k < 32; ++k)
        if (kAnsiHigh[k] == u) return 0x80 + k;
    return -1;
}

QByteArray encodeAnsi(const QString &text, bool *lossless)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    bool all = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        int b = ansiByte(text[i].unicode());
        if (b < 0) { b = '?'; all = false; }
        out[i] = static_cast<char>(b);
    }
    if (lossless) *lossless = all;
    return out;
}

} // namespace

QString encodingName(Encoding enc)
{
    switch (enc) {
    case Encoding::Ansi: return QStringLiteral("Windows-1252");
    case Encoding::Utf8: return QStringLiteral("UTF-8");
    case Encoding::Utf8Bom: return QStringLiteral("UTF-8 med BOM");
    case Encoding::Utf16LE: return QStringLiteral("UTF-16 LE");
    case Encoding::Utf16BE: return QStringLiteral("UTF-16 BE");
    }
    return {};
}

QString decodeText(const QByteArray &bytes, Encoding *found)
{
    Encoding enc = Encoding::Ansi;
    QString text;
    if (bytes.startsWith(kUtf8Bom)) {
        enc = Encoding::Utf8Bom;
        text = decodeWith(QStringConverter::Utf8, QByteArrayView(bytes).sliced(3));
    } else if (bytes.startsWith("\xFF\xFE")) {
        enc = Encoding::Utf16LE;
        text = decodeWith(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    } else if (bytes.startsWith("\xFE\xFF")) {
        enc = Encoding::Utf16BE;
        text = decodeWith(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    } else {
        bool nonAscii = false;
        if (isValidUtf8(bytes, &nonAscii) && nonAscii) {
            enc = Encoding::Utf8;
            text = decodeWith(QStringConverter::Utf8, bytes);
        } else {
            text = decodeAnsi(bytes);
        }
    }
    if (found) *found = enc;
    return text;
}

bool canEncode(const QString &text, Encoding enc)
{
    if (enc == Encoding::Ansi) {
        for (const QChar c : text)
            if (ansiByte(c.unicode()) < 0) return false;
        return true;
    }
    bool lossless = true;
    encodeText(text, enc, &lossless);
    return lossless;
}

QByteArray encodeText(const QString &text, Encoding enc, bool *lossless)
{
    if (enc == Encoding::Ansi)
        return encodeAnsi(text, lossless);

    QStringConverter::Encoding qenc = QStringConverter::Utf8;
    QByteArray mark;
    switch (enc) {
    case Encoding::Utf8: break;
    case Encoding::Utf8Bom: mark = kUtf8Bom; break;
    case Encoding::Utf16LE: qenc = QStringConverter::Utf16LE; mark = "\xFF\xFE"; break;
    case Encoding::Utf16BE: qenc = QStringConverter::Utf16BE; mark = "\xFE\xFF"; break;
    case Encoding::Ansi: break;
    }
    QStringEncoder encoder(qenc, QStringConverter::Flag::Stateless);
    QByteArray out = mark + QByteArray(encoder.encode(text));
    // Unicode encodings hold every character; a lone surrogate is the only loss.
    if (lossless) *lossless = !encoder.hasError();
    return out;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
            start = i + 1;
        }
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

QString linjeskiftNavn(QStringView text)
{
    bool crlf = false, lf = false, cr = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < n && text[i + 1] == u'\n') {
                crlf = true;
                ++i;
            } else {
                cr = true;
            }
        } else if (c == u'\n') {
            lf = true;
        }
    }
    if (int(crlf) + int(lf) + int(cr) > 1)
        return QStringLiteral("Blandede");
    return crlf ? QStringLiteral("CR LF") : lf ? QStringLiteral("LF") : cr ? QStringLiteral("CR") : QString();
}

QString medLfLinieskift(QString text)
{
    const qsizetype first = text.indexOf(u'\r');
    if (first < 0)
        return text;
    // In place, from the first CR on; QString::replace would move the tail once per break.
    QChar *d = text.data();
    const qsizetype n = text.size();
    qsizetype w = first;
    for (qsizetype r = first; r < n; ++r) {
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

QString joinLines(const QStringList &lines)
{
    qsizetype total = 0;
    for (const QString &l : lines) total += l.size() + 2;
    QString out;
    out.reserve(total);
    for (const QString &l : lines) {
        out += l;
        out += QLatin1String("\r\n");
    }
    return out;
}

namespace {

// A failed operation's result, its reason told from errno as the call left it. Qt
// refuses a folder itself, before the system is asked.
ReadResult failure(const QFileDevice &f, const QString &path, int err)
{
    if (err == 0 && QFileInfo(path).isDir())
        err = EISDIR;
    return {false, fejlGrund(err, f.errorString())};
}

} // namespace

ReadResult readTextFile(const QString &path, QString &text, Encoding *found, FilStempel *stempel)
{
    QFile f(path);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly))
        return failure(f, path, errno);
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return failure(f, path, errno);
    text = decodeText(bytes, found);
    if (stempel)
        *stempel = FilStempel::af(path, bytes);
    return {true, {}};
}

ReadResult readLines(const QString &path, QStringList &lines, Encoding *found)
{
    QString text;
    ReadResult r = readTextFile(path, text, found);
    if (r.ok) lines = splitLines(text);
    return r;
}

ReadResult writeLines(const QString &path, const QStringList &lines, Encoding enc, bool ownerOnly)
{
    return writeFileAtomic(path, encodeText(joinLines(lines), enc), ownerOnly);
}

ReadResult writeDocument(const QString &path, const QString &text, Encoding enc, FilStempel *stempel)
{
    const QByteArray bytes = encodeText(joinLines(splitLines(text)), enc);
    const ReadResult r = writeFileAtomic(path, bytes);
    if (r.ok && stempel)
        *stempel = FilStempel::af(path, bytes);
    return r;
}

} // namespace core
