// The main window's part of the reference library: HelpInfo, the information keys and menus,
// and the browser and constructor windows, made on first use.

#include "shell/mainform.h"

#include "codewriting/taginfo.h"
#include "editor/editor.h"
#include "information/findinfoform.h"
#include "information/informationform.h"
#include "information/navigation.h"
#include "information/strukturform.h"
#include "shell/dokumentnavne.h"
#include "shell/visualstyles.h"
#include "shell/winform.h"

#include <QAction>
#include <QMenu>

Tinfoform *Tmainform::infoform()
{
    if (!m_infoform)
        m_infoform = new Tinfoform(this, strukturdir, optdir, this);
    return m_infoform;
}

Tstrukturform *Tmainform::strukturform()
{
    if (!m_strukturform) {
        m_strukturform = new Tstrukturform(this, programdir, optdir, this);
        connect(m_strukturform, &Tstrukturform::strukturlisteAendret, this, qOverload<>(&Tmainform::createStrukturPU));
        connect(m_strukturform, &Tstrukturform::objektlisteAendret, this, [this] {
            const QStringList navne = konstrueredeObjektStrukturer();
            for (Twinform *w : dokumenter())
                w->saetKonstruerede(navne);
        });
    }
    return m_strukturform;
}

void Tmainform::HelpInfo(const QString &structure, const QString &title)
{
    if (m_helpInfoHandler)
        m_helpInfoHandler(structure, title);
    else
        infoform()->HelpInfo(structure, title);
    infoS.clear();
    infoCSS.clear();
}

void Tmainform::createStrukturPU()
{
    if (m_infoform)
        m_infoform->createStrukturPU(information::strukturNavne(strukturdir));
}

TEditor *Tmainform::aabnFil(const QString &path, const QString &ext)
{
    Twinform *w = openwin(path, ext.isEmpty() ? shell::extensionOf(path) : ext);
    return w ? w->Edit : nullptr;
}

void Tmainform::infoSideGemt(const Twinform *w)
{
    if (m_infoform && m_infoform->redigerStrukturDokument
        && w->Filnavn.compare(m_infoform->filnavn, Qt::CaseInsensitive) == 0)
        m_infoform->visSidenIgen();
}

void Tmainform::lukFil(const QString &path)
{
    if (Twinform *w = vinduePaaFil(path))
        lukDokument(w);
}

int Tmainform::visuelStil() const
{
    return qMax(0, int(shell::visualStyleNames().indexOf(designName)));
}

void Tmainform::lukInfoVinduer()
{
    if (m_infoform && m_infoform->isVisible())
        m_infoform->close();
    if (m_strukturform && m_strukturform->isVisible())
        m_strukturform->close();
    if (auto *f = findChild<Tfindinfoform *>(); f && f->isVisible())
        f->close();
}

void Tmainform::AinformationExecute()
{
    Twinform *w = aktivWin();
    if (w && w->docExt.compare(QLatin1String(".css"), Qt::CaseInsensitive) == 0) {
        AcssInformationExecute();
        return;
    }
    if (w && w->docExt.compare(QLatin1String(".js"), Qt::CaseInsensitive) == 0) {
        AjsInformationExecute();
        return;
    }
    if (taginf->autoKode() && taginf->Editor()) {
        Attributten = taginf->PosData().Attribut;
    } else {
        if (infoS.isEmpty()) {
            infoS = taginf->GetTag();
            const TPosData &p = taginf->PosData();
            if (w && p.CurPos == cpBetween) {
                if (infoS.compare(QLatin1String("script"), Qt::CaseInsensitive) == 0) {
                    w->setTekst(infoS);
                    infoS.clear();
                    AjsInformationExecute();
                    return;
                }
                if (infoS.compare(QLatin1String("style"), Qt::CaseInsensitive) == 0) {
                    w->setTekst(infoS);
                    infoS.clear();
                    AcssInformationExecute();
                    return;
                }
            }
        }
        Attributten = taginf->Editor() ? taginf->PosData().Attribut : QString();
    }
    if (Attributten != QLatin1String("style"))
        Attributten.clear();
    Tinfoform *info = infoform();
    if (info->strukturnavn.compare(QLatin1String("Information"), Qt::CaseInsensitive) != 0)
        info->LoadStruktur(QStringLiteral("Information"));
    if (Attributten.isEmpty() || !info->goToInfo(Attributten, false))
        info->goToInfo(infoS, true);
    if (info->isHidden())
        info->show();
    info->raise();
    if (w)
        w->setTekst(infoS);
    infoS.clear();
    infoCSS.clear();
    Attributten.clear();
}

void Tmainform::AcssInformationExecute()
{
    Twinform *w = aktivWin();
    if (infoCSS.isEmpty() && taginf->Editor())
        infoCSS = taginf->FindOrdCSS();
    if (w)
        w->setTekst(infoCSS);
    HelpInfo(QStringLiteral("CSS"), infoCSS);
}

void Tmainform::AjsInformationExecute()
{
    Twinform *w = aktivWin();
    const QString ord = w && taginf->Editor() ? taginf->FindOrdJs() : QString();
    if (w)
        w->setTekst(ord);
    HelpInfo(QStringLiteral("JavaScript"), ord);
}

void Tmainform::AvbsInformationExecute()
{
    Twinform *w = aktivWin();
    const QString ord = w && taginf->Editor() ? taginf->FindOrdJs() : QString();
    if (w)
        w->setTekst(ord);
    HelpInfo(QStringLiteral("VBS"), ord);
}

void Tmainform::lavInfoActions()
{
    connect(Aprograminfo, &QAction::triggered, this, [this] { HelpInfo(QStringLiteral("Programmet"), {}); });
    Ainformation = lavAction("Ainformation", QStringLiteral("HTML information..."), QStringLiteral("Html kode information: Ctrl+I"),
                             QKeySequence(QStringLiteral("Ctrl+I")), "help-contextual");
    AcssInformation = lavAction("AcssInformation", QStringLiteral("CSS information..."), QStringLiteral("CSS information: Ctrl+Alt+I"),
                                QKeySequence(QStringLiteral("Ctrl+Alt+I")), "text-css");
    AjsInformation = lavAction("AjsInformation", QStringLiteral("JavaScript information..."), QStringLiteral("JavaScript information: Ctrl+J"),
                               QKeySequence(QStringLiteral("Ctrl+J")), "text-x-javascript");
    AvbsInformation = lavAction("AvbsInformation", QStringLiteral("Vbs information..."), QStringLiteral("Scribt information: Ctrl+Alt+V"),
                                QKeySequence(QStringLiteral("Ctrl+Alt+V")), "text-x-script");
    connect(Ainformation, &QAction::triggered, this, &Tmainform::AinformationExecute);
    connect(AcssInformation, &QAction::triggered, this, &Tmainform::AcssInformationExecute);
    connect(AjsInformation, &QAction::triggered, this, &Tmainform::AjsInformationExecute);
    connect(AvbsInformation, &QAction::triggered, this, &Tmainform::AvbsInformationExecute);
    addActions({Ainformation, AcssInformation, AjsInformation, AvbsInformation});
    mStrukturKon = lavAction("mStrukturKon", QStringLiteral("Strukturkonstruktøren..."), QString());
    connect(mStrukturKon, &QAction::triggered, this, [this] {
        strukturform()->show();
        strukturform()->raise();
        strukturform()->activateWindow();
    });
    mFindIInformation = lavAction("mFindIInformation", QStringLiteral("Find i information..."), QStringLiteral("Søg i informationsfiler"));
    connect(mFindIInformation, &QAction::triggered, this, [this] {
        Tfindinfoform *f = infoform()->findinfoform();
        f->show();
        f->raise();
        f->activateWindow();
    });
}

void Tmainform::lavInfoMenuer(QMenu *soeg, QMenu *struktur, QMenu *info, QMenu *infoSub, QMenu *komp)
{
    soeg->addAction(mFindIInformation);
    struktur->addAction(mStrukturKon);
    auto punkt = [this](QMenu *menu, const char *navn, const char *tekst, const char *s, const char *titel) {
        QAction *a = menu->addAction(QString::fromUtf8(tekst));
        a->setObjectName(QString::fromLatin1(navn));
        const QString st = QString::fromLatin1(s), t = QString::fromUtf8(titel);
        connect(a, &QAction::triggered, this, [this, st, t] { HelpInfo(st, t); });
    };
    punkt(infoSub, "infMgenvejstaster", "Genvejstaster...", "Programmet.txt", "Genvejstaster");
    punkt(infoSub, "infMhovedmenu", "Hovedmenuen...", "Programmet.txt", "Hovedmenuen");
    punkt(infoSub, "infMkodeskrivning", "Kodeskrivning...", "Programmet.txt", "Kodeskrivning");
    info->addActions({Ainformation, AcssInformation, AjsInformation, AvbsInformation});
    punkt(info, "infEksempler", "Eksempler...", "Eksempler.txt", "");
    info->addMenu(komp);
    punkt(komp, "infKdato", "Dato og klokken...", "Eksempler.txt", "Dato komponenter");
    punkt(komp, "infKknapper", "Knapper...", "Eksempler.txt", "Knapper");
    punkt(komp, "infKmenulinjer", "Menulinjer...", "Eksempler.txt", "Menulinier");
    punkt(komp, "infKmenuspalter", "Menuspalter...", "Eksempler.txt", "Menuspalter");
}
