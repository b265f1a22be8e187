#include "editor/lexere.h"

#include <Qsci/qscilexer.h>
#include <Qsci/qscilexerbatch.h>
#include <Qsci/qscilexercss.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qscilexerjavascript.h>
#include <Qsci/qscilexerxml.h>

#include <QColor>
#include <QSet>

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
        return new QsciLexerHTML(parent);
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
