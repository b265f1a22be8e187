#include "editor/lexere.h"

#include <Qsci/qscilexer.h>
#include <Qsci/qscilexerbatch.h>
#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerjavascript.h>
#include <Qsci/qscilexerxml.h>

#include "core/programfolder.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

#include <cstring>

namespace {

// Scintilla's own VBScript lexer ("vbscript"); QScintilla has no class for it.
class TVBScriptLexer : public QsciLexer {
public:
    using QsciLexer::QsciLexer;
    const char *language() const override { return "VBScript"; }
    const char *lexer() const override { return "vbscript"; }
    bool caseSensitive() const override { return false; }
    int braceStyle() const override { return Operator; }

    const char *keywords(int set) const override
    {
        // The lexer compares words in lower case.
        if (set == 1)
            return "and as byref byval call case class const dim do each else elseif empty end eqv erase "
                   "error exit explicit false for function get goto if imp in is let loop mod new next not "
                   "nothing null on option or preserve private property public randomize redim rem resume "
                   "select set step sub then to true until wend while with xor";
        return nullptr;
    }

    QString description(int style) const override
    {
        switch (style) {
        case Default: return QStringLiteral("Default");
        case Comment: return QStringLiteral("Comment");
        case Number: return QStringLiteral("Number");
        case Keyword: return QStringLiteral("Keyword");
        case String: return QStringLiteral("Double-quoted string");
        case Preprocessor: return QStringLiteral("Preprocessor");
        case Operator: return QStringLiteral("Operator");
        case Identifier: return QStringLiteral("Identifier");
        case Date: return QStringLiteral("Date");
        case UnclosedString: return QStringLiteral("Unclosed string");
        default: return {};
        }
    }

    QColor defaultColor(int style) const override
    {
        switch (style) {
        case Comment: return QColor(0x00, 0x7f, 0x00);
        case Number:
        case Date: return QColor(0x00, 0x7f, 0x7f);
        case Keyword: return QColor(0x00, 0x00, 0x7f);
        case String:
        case UnclosedString: return QColor(0x7f, 0x00, 0x7f);
        case Preprocessor: return QColor(0x7f, 0x7f, 0x00);
        default: return QColor(0x00, 0x00, 0x00);
        }
    }

private:
    // Scintilla's SCE_B_* styles.
    enum { Default, Comment, Number, Keyword, String, Preprocessor, Operator, Identifier, Date, UnclosedString };
};

// The program's element and attribute names, in lower case, read once per program folder.
QByteArray programmetsHtmlOrd()
{
    static QHash<QString, QByteArray> ord;
    const QString dir = core::ProgramFolder::programDir();
    auto it = ord.find(dir);
    if (it != ord.end())
        return *it;
    QSet<QByteArray> navne;
    auto laes = [&](const QString &fil) {
        QFile f(fil);
        if (!f.open(QIODevice::ReadOnly))
            return;
        for (const QByteArray &linje : f.readAll().split('\n')) {
            const QByteArray n = linje.trimmed().toLower();
            if (!n.isEmpty() && !n.contains(' '))
                navne.insert(n);
        }
    };
    laes(core::ProgramFolder::findFileNoCase(dir + QStringLiteral("Dir/Html/"), QStringLiteral("AlleKoder.txt")));
    const QDir attributter(dir + QStringLiteral("Dir/Attributes/"));
    for (const QString &fil : attributter.entryList({QStringLiteral("*.txt")}, QDir::Files))
        laes(attributter.filePath(fil));
    QByteArray liste;
    for (const QByteArray &n : std::as_const(navne))
        liste += n + ' ';
    return *ord.insert(dir, liste);
}

// Scintilla's HTML lexer with the program's names besides its own (HTML 4), and the page's
// custom elements.
class THtmlLexer : public QsciLexerHTML {
public:
    explicit THtmlLexer(QObject *parent) : QsciLexerHTML(parent)
    {
        m_ord = QByteArray(QsciLexerHTML::keywords(1)) + ' ' + programmetsHtmlOrd();
    }
    const char *keywords(int set) const override
    {
        return set == 1 ? m_ord.constData() : QsciLexerHTML::keywords(set);
    }
    bool tilfoej(const QByteArray &navn)
    {
        if (m_egne.contains(navn))
            return false;
        m_egne.insert(navn);
        m_ord += ' ' + navn;
        return true;
    }

private:
    QByteArray m_ord;
    QSet<QByteArray> m_egne;
};

const QSet<QString> &htmlTyper()
{
    static const QSet<QString> typer{".html", ".htm", ".shtml", ".shtm", ".xhtml", ".hta", ".asp", ".aspx",
                                     ".inc", ".asa", ".php", ".php3", ".php4", ".php5", ".phtml", ".jsp"};
    return typer;
}

} // namespace

QsciLexer *lavLexer(const QString &ext, QObject *parent)
{
    const QString e = ext.toLower();
    if (htmlTyper().contains(e))
        return new THtmlLexer(parent);
    if (e == QLatin1String(".css"))
        return new QsciLexerCSS(parent);
    if (e == QLatin1String(".js") || e == QLatin1String(".mjs") || e == QLatin1String(".json"))
        return new QsciLexerJavaScript(parent);
    if (e == QLatin1String(".vbs") || e == QLatin1String(".wsf"))
        return new TVBScriptLexer(parent);
    if (e == QLatin1String(".bat") || e == QLatin1String(".cmd"))
        return new QsciLexerBatch(parent);
    if (e == QLatin1String(".xml") || e == QLatin1String(".xsl") || e == QLatin1String(".xslt")
        || e == QLatin1String(".svg"))
        return new QsciLexerXML(parent);
    return nullptr;
}

bool tilfoejEgneElementer(QsciLexer *lexer, const char *utf8, qsizetype length)
{
    auto *html = dynamic_cast<THtmlLexer *>(lexer);
    if (!html)
        return false;
    bool nye = false;
    const auto bogstav = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    const auto navnetegn = [&](char c) { return bogstav(c) || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.'; };
    const char *const slut = utf8 + length;
    for (const char *p = utf8; p + 1 < slut;) {
        const char *lt = static_cast<const char *>(std::memchr(p, '<', size_t(slut - p - 1)));
        if (!lt)
            break;
        const char *j = lt + 1;
        if (*j == '/')
            ++j;
        if (j >= slut || !bogstav(*j)) {
            p = lt + 1;
            continue;
        }
        const char *start = j;
        bool bindestreg = false;
        for (; j < slut && navnetegn(*j); ++j)
            bindestreg = bindestreg || *j == '-';
        // Only a name with a hyphen is a custom element; the others cost no copy.
        if (bindestreg)
            nye = html->tilfoej(QByteArray(start, j - start).toLower()) || nye;
        p = j;
    }
    return nye;
}
