// The document window's tool bars by type (structure buttons, information fields with their
// search buttons and menus, snippet menus) and the object structure pane beside the text.

#include "shell/winform.h"

#include "analysis/jspanel.h"
#include "analysis/objektpanel.h"
#include "codewriting/snippets.h"
#include "codewriting/taginfo.h"
#include "editor/editor.h"
#include "information/struktur.h"
#include "platform/infobox.h"
#include "platform/vaerktoejsknap.h"
#include "shell/mainform.h"

#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>

namespace {

QToolButton *lavKnap(QToolBar *bar, const char *navn, const QString &hint, const char *ikon)
{
    QToolButton *b = platform::vaerktoejsknap(navn, hint, ikon);
    bar->addWidget(b);
    return b;
}

QIcon strukturBillede(bool aaben)
{
    return QIcon::fromTheme(aaben ? QStringLiteral("sidebar-collapse-left") : QStringLiteral("sidebar-expand-left"));
}

bool erJs(const QString &ext) { return ext == QLatin1String(".js"); }

} // namespace

void Twinform::lavObjektPanel()
{
    strukturSplitter = new QSplitter(Qt::Horizontal);
    strukturSplitter->setObjectName(QStringLiteral("strukturSplitter"));
    strukturSplitter->setChildrenCollapsible(false);
    JsPanel = new TJsPanel;
    JsPanel->hide();
    strukturpanel = new TObjektPanel(m_main->programdir + QStringLiteral("Script/"));
    strukturpanel->setMinimumWidth(240);
    strukturpanel->setMaximumWidth(360);
    strukturpanel->hide();
    defaultStrukButton = strukturpanel->defaultStrukButton;
    strukturSplitter->addWidget(JsPanel);
    strukturSplitter->addWidget(strukturpanel);
    strukturSplitter->addWidget(Edit);
    strukturSplitter->setStretchFactor(2, 1);
    connect(strukturSplitter, &QSplitter::splitterMoved, this, [this] {
        if (strukturpanel->isVisible())
            m_main->objStrukturBredde = strukturpanel->width();
    });

    connect(strukturpanel, &TObjektPanel::elementKlikket, this, [this](const QString &titel) {
        if (erJs(docExt))
            infoEditJs->setText(titel);
    });
    connect(strukturpanel, &TObjektPanel::elementValgt, this, [this](const QString &titel) {
        Edit->beginUndoAction();
        Edit->replaceSelection(titel);
        Edit->endUndoAction();
        Edit->setFocus();
        XYinfo();
    });
    connect(JsPanel, &TJsPanel::objektValgt, this, [this](const QString &navn) {
        m_main->jsObjektName = navn;
        strukturpanel->hentObjekt(navn, navn == QLatin1String("Events objekter") ? TObjektPanel::Udfold::Top
                                                                                 : TObjektPanel::Udfold::Alt);
    });
    connect(JsPanel, &TJsPanel::kategoriSkiftet, this, [this](int i, bool lukket) {
        bool *knapboks[] = {&m_main->knapboks1, &m_main->knapboks2, &m_main->knapboks3, &m_main->knapboks4};
        *knapboks[i] = lukket;
    });
    connect(JsPanel, &TJsPanel::boksKlikket, strukturpanel, &TObjektPanel::tomFelter);
    saetKonstruerede(m_main->konstrueredeObjektStrukturer());
}

void Twinform::fyldRedskaber()
{
    Tmainform *m = m_main;
    // Each bar's structure button opens and closes the pane.
    auto strukturKnapPaa = [this](QToolBar *bar, const char *navn, const QString &hint) {
        QToolButton *b = lavKnap(bar, navn, hint, "");
        b->setIcon(strukturBillede(false));
        connect(b, &QToolButton::clicked, this, &Twinform::skiftObjektPanel);
        QToolButton *f = lavKnap(bar, "findIStrukturKnap", QStringLiteral("Find dokument aktuelle element i strukturen"), "edit-find");
        connect(f, &QToolButton::clicked, this, &Twinform::findIStrukturKnap);
        return b;
    };
    // A bar's find button: the reference with the field's text, or the information command.
    auto infoSoeg = [m](const QString &struktur, QAction *kommando, const QString &tekst) {
        if (tekst.isEmpty())
            kommando->trigger();
        else
            m->HelpInfo(struktur, tekst);
    };
    auto soegeMenu = [this, m, infoSoeg](QToolButton *b) {
        auto *menu = new QMenu(b);
        auto punkt = [this, menu, infoSoeg](const char *navn, const QString &tekst, const QString &struktur, QAction *kommando) {
            QAction *a = menu->addAction(tekst);
            a->setObjectName(QString::fromLatin1(navn));
            connect(a, &QAction::triggered, this, [this, infoSoeg, struktur, kommando] { infoSoeg(struktur, kommando, getTekst()); });
        };
        punkt("soegHtmlInfo", QStringLiteral("Søg i html information"), QStringLiteral("Information"), m->Ainformation);
        punkt("soegCssInfo", QStringLiteral("Søg i css information"), QStringLiteral("CSS"), m->AcssInformation);
        punkt("soegJsInfo", QStringLiteral("Søg i javascript information"), QStringLiteral("JavaScript"), m->AjsInformation);
        punkt("soegVbsInfo", QStringLiteral("Søg i vbs information"), QStringLiteral("VBS"), m->AvbsInformation);
        menu->addSeparator();
        QAction *alle = menu->addAction(QStringLiteral("Søg i information..."));
        alle->setObjectName(QStringLiteral("soegIInformation"));
        connect(alle, &QAction::triggered, this, [this, m] { m->soegIInformation(getTekst()); });
        b->setMenu(menu);
        b->setPopupMode(QToolButton::MenuButtonPopup);
    };
    auto findKnapPaa = [this, infoSoeg, soegeMenu](QToolBar *bar, const char *navn, const QString &hint, QLineEdit *felt,
                                                  const QString &struktur, QAction *kommando) {
        QToolButton *b = lavKnap(bar, navn, hint, "system-search");
        soegeMenu(b);
        auto soeg = [infoSoeg, felt, struktur, kommando] { infoSoeg(struktur, kommando, felt->text()); };
        connect(b, &QToolButton::clicked, this, soeg);
        connect(felt, &QLineEdit::returnPressed, this, soeg);
        return b;
    };
    auto snippetMenu = [this, m](QToolButton *b, const QList<codewriting::Snippet> &snippets) {
        auto *menu = new QMenu(b);
        QMap<QString, QMenu *> under;
        for (const codewriting::Snippet &s : snippets) {
            QMenu *i = menu;
            if (!s.undermenu.isEmpty()) {
                if (!under.contains(s.undermenu))
                    under[s.undermenu] = menu->addMenu(s.undermenu);
                i = under[s.undermenu];
            }
            QAction *a = i->addAction(s.tekst);
            a->setObjectName(s.navn);
            a->setToolTip(s.hint);
            a->setStatusTip(s.hint);
            const QString navn = s.navn;
            connect(a, &QAction::triggered, this, [m, navn] { m->skrivSnippet(navn); });
        }
        b->setMenu(menu);
        return menu;
    };
    auto attributKnap = [m](QToolBar *bar) {
        // The quick attributes under one drop-down button.
        auto *b = new QToolButton;
        b->setObjectName(QStringLiteral("attributKnap"));
        b->setDefaultAction(m->AstyleAttribut);
        b->setPopupMode(QToolButton::MenuButtonPopup);
        auto *menu = new QMenu(b);
        menu->addActions({m->AclassAttribut, m->AidAttribut, m->AstyleAttribut, m->AonclickEvent});
        b->setMenu(menu);
        bar->addWidget(b);
    };
    auto styleKnap = [this, m, snippetMenu](QToolBar *bar, const char *navn) {
        QToolButton *b = lavKnap(bar, navn, QStringLiteral("Udskriv stylekoder: <style></style>"), "text-css");
        QMenu *menu = snippetMenu(b, codewriting::htmlSnippets());
        menu->addAction(m->AonclickEvent);
        b->setPopupMode(QToolButton::MenuButtonPopup);
        connect(b, &QToolButton::clicked, this, [m] { m->skrivSnippet(QStringLiteral("puMstyle")); });
        return b;
    };
    auto slutkode = [m](QToolBar *bar) {
        bar->addAction(m->Aslutkode);
        bar->widgetForAction(m->Aslutkode)->setObjectName(QStringLiteral("slutKodeKnap"));
    };
    // What the HTML and ASP bars share after their structure button.
    auto htmlDel = [m, findKnapPaa, attributKnap, styleKnap, slutkode](QToolBar *bar, QLineEdit *felt, const char *findNavn,
                                                                      const char *puNavn, QToolButton *&find, QToolButton *&pu) {
        bar->addActions({m->Ainformation, m->AcssInformation, m->AjsInformation, m->AfindHtml, m->AfindCss});
        bar->addWidget(felt);
        find = findKnapPaa(bar, findNavn, QStringLiteral("Søg i html information"), felt, QStringLiteral("Information"),
                           m->Ainformation);
        attributKnap(bar);
        pu = styleKnap(bar, puNavn);
        slutkode(bar);
    };

    // HTML
    strukturKnapHTML = strukturKnapPaa(toolbarHtml, "strukturKnapHTML", QStringLiteral("Åben/Luk struktur"));
    htmlDel(toolbarHtml, infoEditHtml, "findKnapHtml", "htmlPuKnap", findKnapHtml, htmlPuKnap);
    toolbarHtml->addActions({m->Ago, m->Akontrol});

    // CSS
    strukturKnapCSS = strukturKnapPaa(toolbarCss, "strukturKnapCSS", QStringLiteral("Åben/Luk struktur"));
    toolbarCss->addActions({m->AcssInformation, m->AfindCss});
    toolbarCss->addWidget(infoEditCss);
    findKnap = findKnapPaa(toolbarCss, "findKnap", QStringLiteral("Søg i css information"), infoEditCss, QStringLiteral("CSS"),
                           m->AcssInformation);
    selectorInfoKnap = lavKnap(toolbarCss, "selectorInfoKnap", QStringLiteral("Selector information"), "help-contextual");
    connect(selectorInfoKnap, &QToolButton::clicked, this,
            [m] { m->HelpInfo(QStringLiteral("CSS.txt"), QStringLiteral("CSS Selectors")); });
    nySelectorKnap = lavKnap(toolbarCss, "nySelectorKnap", QStringLiteral("Ny selector blok"), "code-block");
    snippetMenu(nySelectorKnap, codewriting::cssSnippets().mid(1));
    nySelectorKnap->setPopupMode(QToolButton::MenuButtonPopup);
    connect(nySelectorKnap, &QToolButton::clicked, this, [m] { m->skrivSnippet(QStringLiteral("nySelectorKnap")); });
    toolbarCss->addAction(m->Ago);

    // JavaScript
    strukturKnapJs = strukturKnapPaa(toolbarJs, "strukturKnapJs", QStringLiteral("Åben/Luk Script strukturen"));
    toolbarJs->addActions({m->AjsInformation, m->AcssInformation});
    toolbarJs->addWidget(infoEditJs);
    findKnapJs = findKnapPaa(toolbarJs, "findKnapJs", QStringLiteral("Søg i javascript information"), infoEditJs,
                             QStringLiteral("JavaScript"), m->AjsInformation);
    toolbarJs->addAction(m->Ago);

    // ASP
    aspKnap = strukturKnapPaa(toolbarAsp, "aspKnap", QStringLiteral("Åben/Luk ASP strukturen"));
    htmlDel(toolbarAsp, infoEditAsp, "findKnapAsp", "htmlPuKnap1", findKnapAsp, htmlPuKnap1);
    incButton = lavKnap(toolbarAsp, "incButton", QStringLiteral("Udskriver: <!--#include file=\"FILNAVN.inc\"-->"), "code-context");
    snippetMenu(incButton, codewriting::aspSnippets().mid(1));
    incButton->setPopupMode(QToolButton::MenuButtonPopup);
    connect(incButton, &QToolButton::clicked, this, [m] { m->skrivSnippet(QStringLiteral("incButton")); });
    toolbarAsp->addActions({m->Ago, m->Akontrol});

    // VBScript and WSF
    strukturKnap = strukturKnapPaa(toolbarScript, "strukturKnap", QStringLiteral("Åben/Luk struktur"));
    toolbarScript->addAction(m->AvbsInformation);
    toolbarScript->addWidget(findEdit);
    findOrdKnap = findKnapPaa(toolbarScript, "findOrdKnap", QStringLiteral("Søg i strukturen"), findEdit, QStringLiteral("VBS"),
                              m->AvbsInformation);
    toolbarScript->addAction(m->Ago);
    tsVbAbc = lavKnap(toolbarScript, "tsVbAbc", QStringLiteral("Rediger ord i forhold til objektstrukturen"), "format-text-capitalize");
    connect(tsVbAbc, &QToolButton::clicked, this, [this, m] { m->retVbOrd(this); });
    vbsKnap = lavKnap(toolbarScript, "vbsKnap", QStringLiteral("VBScript sætninger"), "code-function");
    snippetMenu(vbsKnap, codewriting::vbsSaetninger());
    vbsKnap->setPopupMode(QToolButton::InstantPopup);

    // Other files
    strukturKnapAndet = strukturKnapPaa(toolbarAndet, "strukturKnapAndet", QStringLiteral("Åben/Luk struktur"));
    toolbarAndet->addWidget(findEditAndet);
    findOrdKnapAndet = lavKnap(toolbarAndet, "findOrdKnapAndet", QStringLiteral("Søg i strukturen"), "system-search");
    auto soegAndet = [this] {
        if (findEditAndet->text().isEmpty())
            findEditAndet->setText(m_main->taginf->FindOrd());
        findIObjektStruktur(findEditAndet->text(), true);
    };
    connect(findOrdKnapAndet, &QToolButton::clicked, this, soegAndet);
    connect(findEditAndet, &QLineEdit::returnPressed, this, soegAndet);
    toolbarAndet->addAction(m->Ago);
}

bool Twinform::objektPanelVises() const { return !strukturpanel->isHidden(); }

void Twinform::visObjektPanel(bool vis)
{
    const bool jsVises = vis && erJs(docExt);
    if (vis && strukturpanel->isHidden()) {
        strukturpanel->show();
        JsPanel->setVisible(jsVises);
        // The pane takes its kept width; the text keeps the rest.
        QList<int> s = strukturSplitter->sizes();
        const int hele = s[0] + s[1] + s[2];
        s[0] = jsVises ? JsPanel->sizeHint().width() : 0;
        s[1] = qBound(240, m_main->objStrukturBredde, 360);
        s[2] = qMax(100, hele - s[0] - s[1]);
        strukturSplitter->setSizes(s);
    } else if (!vis) {
        strukturpanel->hide();
        JsPanel->hide();
    } else {
        JsPanel->setVisible(jsVises);
    }
    for (QToolButton *b : {strukturKnapHTML, strukturKnapCSS, strukturKnapJs, aspKnap, strukturKnap, strukturKnapAndet})
        b->setIcon(strukturBillede(vis));
}

void Twinform::findIObjektStruktur(const QString &text, bool fraFelt)
{
    visObjektPanel(true);
    QString s = text;
    if (s.isEmpty()) {
        s = m_main->taginf->GetTag();
        setTekst(s);
    }
    strukturpanel->findIObjektStruktur(s);
    if (fraFelt)
        setFokus();
}

void Twinform::findIStrukturKnap()
{
    strukturpanel->hentVentende();
    if (strukturpanel->objektstruktur->topLevelItemCount() == 0) {
        platform::infoBox(m_main, QStringLiteral("Der er ikke indlæst nogen struktur,\rder kan søges i."));
        return;
    }
    if (getFokus()) {
        findIObjektStruktur(getTekst(), true);
        return;
    }
    const QString ord = m_main->taginf->FindOrd();
    setTekst(ord);
    findIObjektStruktur(ord);
}

void Twinform::saetKonstruerede(const QStringList &navne) { strukturpanel->saetKonstruerede(navne); }

// The structure a document of this type shows when its pane opens.
void Twinform::indlaesObjektStruktur()
{
    using U = TObjektPanel::Udfold;
    const QString e = docExt;
    if (e == QLatin1String(".asp") || e == QLatin1String(".inc") || e == QLatin1String(".asa")) {
        strukturpanel->saetIndbyggede({QStringLiteral("ASP"), QStringLiteral("Scripting"), QStringLiteral("VbScript")});
        strukturpanel->hentVedVisning(QStringLiteral("ASP"), U::Top);
    } else if (e == QLatin1String(".bat")) {
        strukturpanel->saetIndbyggede({QStringLiteral("Batch")});
        strukturpanel->hentVedVisning(QStringLiteral("batch"), U::Top);
    } else if (e == QLatin1String(".vbs") || e == QLatin1String(".wsf")) {
        strukturpanel->saetIndbyggede({QStringLiteral("WScript"), QStringLiteral("Scripting"), QStringLiteral("VbScript")});
        strukturpanel->hentVedVisning(QStringLiteral("WScript"), U::Intet);
    } else {
        strukturpanel->saetIndbyggede({});
        if (erJs(e)) {
            const bool lukket[] = {m_main->knapboks1, m_main->knapboks2, m_main->knapboks3, m_main->knapboks4};
            for (int i = 0; i < TJsPanel::kKategorier; ++i)
                JsPanel->setKategoriLukket(i, lukket[i]);
            const QString navn = m_main->jsObjektName;
            if (!navn.isEmpty()) {
                JsPanel->vaelgObjekt(navn);
                strukturpanel->hentVedVisning(navn, navn == QLatin1String("Events objekter") ? U::Top : U::Alt);
            }
        }
    }
    if (objektPanelVises())
        visObjektPanel(true);   // the button box follows a change of type
}
