#include "generators/afspilningsliste.h"

#include <QFileInfo>

namespace generators {

namespace {

QString htmlTekst(QString s)
{
    return s.replace(u'&', QStringLiteral("&amp;")).replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
}

QString htmlAttribut(const QString &s)
{
    return htmlTekst(s).replace(u'"', QStringLiteral("&quot;"));
}

// Characters that would change what a URL points to, or end a string or tag around it.
QString urlSti(const QString &s)
{
    QString r;
    for (const QChar c : s) {
        if (c.unicode() < 0x20 || QStringView(u"%#?\\\"<>").contains(c))
            r += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            r += c;
    }
    return r;
}

} // namespace

QString relativAdresse(const QString &fil, const QString &grundmappe)
{
    if (!QFileInfo::exists(fil) || fil.size() <= grundmappe.size() || !fil.startsWith(grundmappe, Qt::CaseSensitive))
        return {};
    return fil.mid(grundmappe.size());
}

QString titelAf(const QString &fil)
{
    return QFileInfo(fil).completeBaseName();
}

QStringList afspilningsside(Medietype type, const QString &listenavn, const QString &grundmappe,
                            const QStringList &adresser, const QStringList &titler)
{
    const bool audio = type == Medietype::Audio;
    const QString navn = htmlTekst(listenavn);
    QStringList a;
    for (const QString &adresse : adresser)
        a << urlSti(adresse);

    QStringList l{QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html>"), QStringLiteral("<head>"),
                  QStringLiteral("<title>") + navn + QStringLiteral("</title>"),
                  QStringLiteral("<base href=\"") + htmlAttribut(urlSti(grundmappe)) + QStringLiteral("\">"),
                  QString(),
                  QStringLiteral("<script>"), QStringLiteral("function afspil(melodiNo,checkid){"),
                  QStringLiteral("var eleSrc;"), QStringLiteral("switch(melodiNo){")};
    for (qsizetype i = 0; i < a.size(); ++i)
        l << QStringLiteral("case %1:").arg(i) << QStringLiteral("eleSrc=\"") + a[i] + QStringLiteral("\";")
          << QStringLiteral("break;");
    l << QStringLiteral("}") << QStringLiteral("var ele=document.getElementById(\"afspiller\");")
      << QStringLiteral("ele.src=eleSrc;") << QStringLiteral("ele.autoplay=true;")
      << QStringLiteral("document.getElementById(checkid).checked=true;}") << QStringLiteral("</script>") << QString()
      << QStringLiteral("<style type=\"text/css\">")
      << QStringLiteral("*{font-family: Verdana; font-size: 9pt; color: #000000;}")
      << QStringLiteral("caption{") << QStringLiteral("color: #0000FF;") << QStringLiteral("margin-bottom: 4px;")
      << QStringLiteral("}")
      << QStringLiteral("table,th,td{") << QStringLiteral("border: 1px solid #888888;")
      << QStringLiteral("border-collapse:collapse;") << QStringLiteral("}")
      << QStringLiteral("th{") << QStringLiteral("padding-left: 4px;") << QStringLiteral("padding-right: 4px;")
      << QStringLiteral("padding-top: 4px;") << QStringLiteral("padding-bottom: 4px;") << QStringLiteral("color: #FFFFFF;")
      << QStringLiteral("background-color:#228822;") << QStringLiteral("text-align: left;") << QStringLiteral("}")
      << QStringLiteral("td{") << QStringLiteral("padding-left: 4px;") << QStringLiteral("padding-right: 4px;")
      << QStringLiteral("padding-top: 2px;") << QStringLiteral("padding-bottom: 2px;") << QStringLiteral("}")
      << QStringLiteral("button::before{")
      << (audio ? QStringLiteral("content: \"\\266C\" \" \";") : QStringLiteral("content: \"\\25B6\" \" \";"))
      << QStringLiteral("}")
      << QStringLiteral("</style>") << QString() << QStringLiteral("</head>") << QStringLiteral("<body>") << QString()
      << (audio ? QStringLiteral("<audio controls id=\"afspiller\" style=\"width: auto;\">")
                : QStringLiteral("<video controls id=\"afspiller\" style=\"width: auto;\">"))
      << QStringLiteral("<source src=\"") + htmlAttribut(a.value(0)) + QStringLiteral("\">")
      << (audio ? QStringLiteral("</audio><br>") : QStringLiteral("</video><br>")) << QString()
      << QStringLiteral("<table>") << QStringLiteral("<caption>") + navn + QStringLiteral("</caption>")
      << QStringLiteral("<colgroup>")
      << QStringLiteral(" <col span=\"1\" style=\"background-color: #DDDDDD;\">")
      << QStringLiteral(" <col span=\"1\" style=\"background-color: #FFFFFF;\">")
      << QStringLiteral(" <col style=\"background-color: #FFFFFF;\">") << QStringLiteral("</colgroup>")
      << QStringLiteral("<tr><th>&nbsp;</th><th>Titel</th><th>&nbsp;</th></tr>");
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QString id = QStringLiteral("melodi%1").arg(i);
        l << QStringLiteral("<tr>")
          << QStringLiteral(" <td><input type=\"radio\" name=\"aktuel\" id=\"") + id
                 + (i == 0 ? QStringLiteral("\" disabled checked></td>") : QStringLiteral("\" disabled></td>"))
          << QStringLiteral(" <td>") + htmlTekst(titler.value(i)) + QStringLiteral("</td>")
          << QStringLiteral(" <td><button onclick=\"afspil(%1,'%2')\">Afspil</button></td>").arg(i).arg(id)
          << QStringLiteral("</tr>");
    }
    l << QStringLiteral("</table>") << QString() << QStringLiteral("</body>") << QStringLiteral("</html>");
    return l;
}

} // namespace generators
