#include "visning/kildekort.h"

#include <QRandomGenerator>

#include <limits>

namespace visning {

namespace {

bool erBogstav(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool navnSlut(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'>' || c == u'/' || c == u'<';
}

// Elements whose contents are text to the browser, not tags.
bool tekstElement(QStringView navn)
{
    for (const char *e : {"script", "style", "textarea", "title"})
        if (navn.compare(QLatin1String(e), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// The number after prefix in a message from the page; -1 for another message or no number.
qsizetype talEfter(const QString &message, const QString &prefix)
{
    if (!message.startsWith(prefix))
        return -1;
    bool ok = false;
    const qsizetype v = QStringView(message).mid(prefix.size()).toLongLong(&ok);
    return ok && v >= 0 ? v : -1;
}

} // namespace

QString markerKilde(QStringView html)
{
    QString ud;
    ud.reserve(html.size() + html.size() / 4);
    const QString attr = QLatin1Char(' ') + QLatin1String(kKildeAttribut) + QStringLiteral("=\"");
    qsizetype i = 0;
    qsizetype kopieret = 0;
    while (i < html.size()) {
        if (html[i] != u'<') {
            ++i;
            continue;
        }
        if (html.mid(i, 4) == u"<!--") {
            const qsizetype slut = html.indexOf(u"-->", i + 4);
            i = slut < 0 ? html.size() : slut + 3;
            continue;
        }
        if (i + 1 >= html.size() || !erBogstav(html[i + 1])) {
            ++i;
            continue;
        }
        qsizetype n = i + 1;
        while (n < html.size() && !navnSlut(html[n]))
            ++n;
        const QStringView navn = html.mid(i + 1, n - i - 1);
        ud += html.mid(kopieret, n - kopieret);
        ud += attr + QString::number(i) + u'"';
        kopieret = n;
        i = n;
        if (tekstElement(navn)) {
            // On to the element's end tag; its contents stay as they are.
            const qsizetype gt = html.indexOf(u'>', i);
            qsizetype slut = gt < 0 ? -1 : html.indexOf(QStringLiteral("</") + navn.toString(), gt, Qt::CaseInsensitive);
            i = slut < 0 ? html.size() : slut;
        }
    }
    ud += html.mid(kopieret);
    return ud;
}

const QString &beskedNoegle()
{
    static const QString noegle = [] {
        QString n;
        for (int i = 0; i < 4; ++i)
            n += QString::number(QRandomGenerator::system()->generate(), 16).rightJustified(8, u'0');
        return n;
    }();
    return noegle;
}

QString sideScript(int rulY)
{
    // Only a click the user made counts: the page's own el.click() is not one.
    return QStringLiteral(R"((function(){
var A='%1',K='tavlevirke:%3:';
document.addEventListener('click',function(e){
 if(!e.isTrusted)return;
 var el=e.target;
 while(el&&el.nodeType===1&&!el.hasAttribute(A))el=el.parentElement;
 if(el&&el.nodeType===1){e.preventDefault();console.log(K+'klik:'+el.getAttribute(A));}
},true);
var t=null;
window.addEventListener('scroll',function(){if(t)return;t=setTimeout(function(){t=null;console.log(K+'rul:'+Math.round(window.scrollY));},80);});
window.tvRul=function(p){
 var all=document.querySelectorAll('['+A+']'),best=null,bp=-1;
 for(var i=0;i<all.length;i++){var v=+all[i].getAttribute(A);if(v<=p&&v>bp){bp=v;best=all[i];}}
 if(!best)return -1;
 var r=best.getBoundingClientRect();
 if(r.top<0||r.bottom>window.innerHeight)best.scrollIntoView({block:'center'});
 return Math.round(window.scrollY);
};
var y=%2;
if(y>0){document.addEventListener('DOMContentLoaded',function(){window.scrollTo(0,y);});window.addEventListener('load',function(){window.scrollTo(0,y);});}
})();)")
        .arg(QLatin1String(kKildeAttribut))
        .arg(rulY)
        .arg(beskedNoegle());
}

qsizetype klikOffset(const QString &message)
{
    return talEfter(message, QStringLiteral("tavlevirke:") + beskedNoegle() + QStringLiteral(":klik:"));
}

int rulPosition(const QString &message)
{
    const qsizetype v = talEfter(message, QStringLiteral("tavlevirke:") + beskedNoegle() + QStringLiteral(":rul:"));
    return v <= std::numeric_limits<int>::max() ? int(v) : -1;
}

} // namespace visning
