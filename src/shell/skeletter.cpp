#include "shell/skeletter.h"

namespace shell {

namespace {
// The page from "<!DOCTYPE html>" to "</html>", the caret after "<body>".
const QStringList kHoved = {QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html>"),
                            QStringLiteral("<head>"), QStringLiteral("<title></title>")};
const QStringList kKrop = {QStringLiteral("</head>"), QStringLiteral("<body>"), QString(),
                           QStringLiteral("</body>"), QStringLiteral("</html>")};

Skelet side(const QString &foerste)
{
    Skelet s;
    if (!foerste.isEmpty())
        s.lines << foerste;
    s.lines << kHoved << kKrop;
    s.caretLine = int(s.lines.indexOf(QStringLiteral("<body>")));
    return s;
}
}

Skelet htmlSkelet() { return side({}); }

Skelet aspSkelet()
{
    return side(QStringLiteral("<%@LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\"%>"));
}

Skelet wsfSkelet()
{
    return {{QStringLiteral("<job id=\"\">"), QStringLiteral("<script language=\"VBScript\">"), QString(),
             QStringLiteral("</script>"), QStringLiteral("</job>")},
            1};
}

Skelet asaSkelet()
{
    Skelet s;
    s.lines << QStringLiteral("<SCRIPT LANGUAGE=VBScript RUNAT=Server>") << QString();
    for (const char *sub : {"Sub Application_OnStart", "Sub Application_OnEnd", "Sub Session_OnStart",
                            "Sub Session_OnEnd"}) {
        s.lines << QString::fromLatin1(sub) << QStringLiteral("Application.Lock") << QString()
                << QStringLiteral("Application.UnLock") << QStringLiteral("End Sub") << QString();
    }
    s.lines << QStringLiteral("</SCRIPT>");
    s.caretLine = 3;
    return s;
}

Skelet nytDokumentSkelet(bool asp, int script, int css, const QStringList &designCss)
{
    Skelet s;
    if (asp)
        s.lines << QStringLiteral("<% @LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\" %>");
    s.lines << kHoved;
    if (script == 1)
        s.lines << QStringLiteral("<script>") << QStringLiteral("</script>");
    else if (script == 2)
        s.lines << QStringLiteral("<script type=\"text/javascript\" src=\"\"></script>");
    if (css == 1)
        s.lines << QStringLiteral("<style>") << designCss << QStringLiteral("</style>");
    else if (css == 2)
        s.lines << QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"\">");
    s.caretLine = int(s.lines.size()) + 1;
    s.lines << kKrop;
    return s;
}

} // namespace shell
