#include "codewriting/tagmenuer.h"

namespace tagmenu {

const QList<Menu> &menuer()
{
    static const QList<Menu> m = {
        {"PUstrukturkoder", "fStrukturKnap", QStringLiteral("Struktur"),
         QStringLiteral("Sideopbygnings-koder: <section></section>"), QStringLiteral("<section></section>"),
         {},
         {"<article></article>", "<aside></aside>", "<details><summary></summary></details>",
          "<figure><figcaption></figcaption><figure>", "<figure></figure>", "<footer></footer>",
          "<header></header>", "<main></main>", "<section></section>", "<summary></summary>"}},
        {"PUtekstkoder", "fTekstKnap", QStringLiteral("Tekst"), QStringLiteral("Tekstkoder: <div></div>"),
         QStringLiteral("<div></div>"),
         {{QStringLiteral("Overskrifter"), {"<h1></h1>", "<h2></h2>", "<h3></h3>", "<h4></h4>", "<h5></h5>", "<h6></h6>"}},
          {QStringLiteral("Formatering"),
           {" <b></b>", "<bdi></bdi>", "<del></del>", "<em></em>", "<i></i>", "<ins></ins>", "<mark></mark>",
            "<s></s>", "<small></small>", "<strong></strong>", "<sub></sub>", "<sup></sup>", "<u></u>"}},
          {QStringLiteral("Indhold"),
           {"<abbr></abbr>", "<address></address>", "<bdo dir=\"\"></bdo>", "<blockquote></blockquote>",
            "<cite></cite>", "<code></code>", "<dfn></dfn>", "<kbd></kbd>", "<pre></pre>", "<q></q>",
            "<samp></samp>", "<time></time>", "<var></var>"}}},
         {"<br>", "<div></div>", "<p></p>", "<span></span>", "<wbr>", "", "<style></style>", "<script></script>"}},
        {"PUformkoder", "fFormknap", QStringLiteral("Form"), QStringLiteral("Formkoder: <form></form>"),
         QStringLiteral("<form></form>"),
         {{QStringLiteral("Form"),
           {"<form action=\"\"></form>", "<form action=\"\" method=\"get\"></form>",
            "<form action=\"\" method=\"post\"></form>"}},
          {QStringLiteral("Input"),
           {"<input type=\"button\">", "<input type=\"checkbox\">", "<input type=\"color\">", "<input type=\"date\">",
            "<input type=\"datetime\">", "<input type=\"datetime-local\">", "<input type=\"email\">",
            "<input type=\"file\">", "<input type=\"hidden\">", "<input type=\"image\">", "<input type=\"month\">",
            "<input type=\"number\">", "<input type=\"password\">", "<input type=\"radio\">",
            "<input type=\"range\">", "<input type=\"reset\">", "<input type=\"search\">",
            "<input type=\"submit\">", "<input type=\"tel\">", "<input type=\"text\">", "<input type=\"time\">",
            "<input type=\"url\">", "<input type=\"week\">"}},
          {QStringLiteral("Select"), {"<optgroup label=\"\"></optgroup>", "<option value=\"\"></option>"}},
          {QStringLiteral("Textarea"), {"<textarea rows=\"\" cols=\"\"></textarea>"}}},
         {"<button></button>", "<datalist></datalist>", "<fieldset></fieldset>", "<form></form>", "<input>",
          "<keygen>", "<label></label>", "<legend></legend>", "<meter></meter>", "<optgroup></optgroup>",
          "<option></option>", "<output></output>", "<select></select>", "<textarea></textarea>"}},
        {"PUmultimedieKoder", "ToolButton45", QStringLiteral("Multimedie"),
         QStringLiteral("Multimediekoder: <img src=\"\" alt=\"\">"), QStringLiteral("<img src=\"\" alt=\"\">"),
         {{QStringLiteral("Audio"),
           {"<audio src=\"\" controls></audio>", "", "<audio controls></audio>", "<source src=\"\">",
            "<source src=\"\" type=\"\">"}},
          {QStringLiteral("Canvas"),
           {"<canvas id=\"\"></canvas>", "<canvas id=\"\" height=\"\" width=\"\"></canvas>", "<script></script>"}},
          {QStringLiteral("Embed"), {"<embed src=\"\">"}},
          {QStringLiteral("Img"),
           {"<img src=\"\" alt=\"\">", "", "<img src=\"\" alt=\"\" usemap=\"#\">", "<map name=\"\"></map>",
            "<area shape=\"\" coords=\"\" href=\"\" alt=\"\">"}},
          {QStringLiteral("Object"), {"<object data=\"\"></object>", "<param name=\"\" value=\"\">"}},
          {QStringLiteral("Video"),
           {"<video src=\"\" controls></video>", "", "<video controls></video>", "<source src=\"\">",
            "<source src=\"\" type=\"\">"}}},
         {"<area>", "<audio></audio>", "<canvas></canvas>", "<embed>", "<img>", "<map></map>",
          "<object></object>", "<param>", "<source>", "<track>", "<video></video>"}},
        {"PUskemakoder", "ToolButton47", QStringLiteral("Skema"), QStringLiteral("Skemakoder: <table></table>"),
         QStringLiteral("<table></table>"),
         {{QStringLiteral("Colgroup"),
           {"<colgroup span=\"\" style=\"\"></colgroup>", "<colgroup><col span=\"\" style=\"\"></colgroup>",
            "<col span=\"\" style=\"\">"}}},
         {"<caption></caption>", "<col>", "<colgroup></colgroup>", "<table></table>", "<tbody></tbody>",
          "<td></td>", "<tfoot></tfoot>", "<th></th>", "<thead></thead>", "<tr></tr>"}},
        {"PUlistekoder", "ToolButton49", QStringLiteral("Lister"), QStringLiteral("Listekoder: <ol></ol>"),
         QStringLiteral("<ol></ol>"),
         {{QStringLiteral("Ordnet liste"), {"<ol type=\"\"></ol>", "<ol type=\"\" start=\"\"></ol>"}}},
         {"<dd></dd>", "<dl></dl>", "<dt></dt>", "<li></li>", "<ol></ol>", "<ul></ul>"}},
    };
    return m;
}

StartSlut startSlut(const QString &caption)
{
    // The one entry whose caption lacks the slash of its last end tag.
    if (caption == u"<figure><figcaption></figcaption><figure>")
        return {QStringLiteral("<figure><figcaption>"), QStringLiteral("</figcaption></figure>")};

    qsizetype first = 0;
    while (first < caption.size() && caption[first] == u' ')
        ++first;
    const QString c = caption.mid(first);
    const qsizetype emptyValue = c.indexOf(QStringLiteral("=\"\""));
    if (emptyValue >= 0)
        return {c.left(emptyValue + 2), c.mid(emptyValue + 2)};
    const qsizetype endTag = c.indexOf(QStringLiteral("</"));
    if (endTag >= 0)
        return {c.left(endTag), c.mid(endTag)};
    return {c, QString()};
}

} // namespace tagmenu
