#include "generators/kodebogsider.h"

#include "codewriting/dokumentvaert.h"
#include "codewriting/taginfo.h"
#include "generators/kodeskrivere.h"
#include "generators/sidehjaelp.h"
#include "platform/infobox.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace generators;

namespace {

// A column of at most four rows.
QVBoxLayout *kolonne(QHBoxLayout *page, QWidget *frame = nullptr)
{
    auto *l = new QVBoxLayout;
    l->setSpacing(0);
    // Narrow margins: the widest page ("Skema") must fit the window at its minimum width.
    l->setContentsMargins(2, 0, 2, 0);
    if (frame) {
        frame->setLayout(l);
        page->addWidget(frame);
    } else {
        page->addLayout(l);
    }
    return l;
}

QHBoxLayout *sideLayout(QWidget *page)
{
    auto *l = new QHBoxLayout(page);
    l->setContentsMargins(2, 0, 2, 0);
    l->setSpacing(2);
    return l;
}

} // namespace

TGeneratorSider::TGeneratorSider(TDokumentVaert *mainform) : QObject(mainform->vaertsvindue()), m(mainform)
{
    AudskrivTabel = dokumentAction(m, "AudskrivTabel", QStringLiteral("Udskriv table"), QStringLiteral("Udskriv tabel"));
    AudskrivColgroup = dokumentAction(m, "AudskrivColgroup", QStringLiteral("Udskriv colgroup"), QString());
    AudskrivTabelCSS = dokumentAction(m, "AudskrivTabelCSS", QStringLiteral("Udskriv CSS"),
                                      QStringLiteral("Udskriv CSS-koder til table-koder"));
    AudskrivListe = dokumentAction(m, "AudskrivListe", QStringLiteral("Udskriv liste"), QStringLiteral("Udskriv valgte liste"));
    AudskrivOptgroup = dokumentAction(m, "AudskrivOptgroup", QStringLiteral("Udskriv optgroup"),
                                      QStringLiteral("Udskriv optgroup med valgte antal options"));
    AudskrivListeCSS = dokumentAction(m, "AudskrivListeCSS", QStringLiteral("Udskriv CSS"),
                                      QStringLiteral("Udskriv CSS-koder til valgte liste-kode"));
    AudskrivLinks = dokumentAction(m, "AudskrivLinks", QStringLiteral("Udskriv link"), QStringLiteral("Udskriv links"));
    AudskrivLinkCSS = dokumentAction(m, "AudskrivLinkCSS", QStringLiteral("Udskriv CSS"),
                                     QStringLiteral("Udskriv CSS-koder til a-kode"));
    connect(AudskrivTabel, &QAction::triggered, this, &TGeneratorSider::AudskrivTabelExecute);
    connect(AudskrivColgroup, &QAction::triggered, this, &TGeneratorSider::AudskrivColgroupExecute);
    connect(AudskrivTabelCSS, &QAction::triggered, this, &TGeneratorSider::AudskrivTabelCSSExecute);
    connect(AudskrivListe, &QAction::triggered, this, &TGeneratorSider::AudskrivListeExecute);
    connect(AudskrivOptgroup, &QAction::triggered, this, &TGeneratorSider::AudskrivOptgroupExecute);
    connect(AudskrivListeCSS, &QAction::triggered, this, &TGeneratorSider::AudskrivListeCSSExecute);
    connect(AudskrivLinks, &QAction::triggered, this, &TGeneratorSider::AudskrivLinksExecute);
    connect(AudskrivLinkCSS, &QAction::triggered, this, &TGeneratorSider::AudskrivLinkCSSExecute);
    lavSkema();
    lavLister();
    lavLinks();
}

void TGeneratorSider::lavSkema()
{
    side1 = navngiv(new QWidget, "side1");
    QHBoxLayout *page = sideLayout(side1);

    QVBoxLayout *info = kolonne(page);
    infSkema = infoKnap(m, "infSkema", QStringLiteral("Information: Skema"), QStringLiteral("Programmet.txt"),
                        QStringLiteral("Skema"));
    infSkemaKoder = infoKnap(m, "infSkemaKoder", QStringLiteral("Information om table-koden"),
                             QStringLiteral("Information.txt"), QStringLiteral("table"));
    info->addWidget(infSkema);
    info->addWidget(infSkemaKoder);
    info->addStretch(1);

    QVBoxLayout *table = kolonne(page);
    tableCaptionEdit = navngiv(new QLineEdit, "tableCaptionEdit");
    tableCaptionEdit->setToolTip(QStringLiteral("Overskrift til skemaet"));
    tableCaptionEdit->setFixedWidth(90);
    tableClearCaptionKnap = nulKnap("tableClearCaptionKnap", QStringLiteral("Fjern caption så den ikke medtages"));
    connect(tableClearCaptionKnap, &QToolButton::clicked, tableCaptionEdit, &QLineEdit::clear);
    tableKolonneEdit = talFelt("tableKolonneEdit");
    linieCheck = afkrydsning("linieCheck", QStringLiteral("Udskriv som tr-linier"), true,
                       QStringLiteral("Eksempel: <tr><td></td><td></td></tr>"));
    table->addWidget(feltRaekke(QStringLiteral("caption"), tableCaptionEdit, QString(), tableClearCaptionKnap));
    table->addWidget(feltRaekke(QStringLiteral("Antal"), tableKolonneEdit, QStringLiteral("kolonner")));
    table->addWidget(linieCheck);
    table->addWidget(actionKnap("tableUdskrivKnap", AudskrivTabel));

    QVBoxLayout *plain = kolonne(page);
    tableStrukturCheck = afkrydsning("tableStrukturCheck", QStringLiteral("Uden strukturelle elementer"), true);
    tableRowEdit = talFelt("tableRowEdit");
    tablethCheck = afkrydsning("tablethCheck", QStringLiteral("Medtag en th-række"), false);
    plain->addWidget(tableStrukturCheck);
    plain->addWidget(feltRaekke(QStringLiteral("Antal"), tableRowEdit, QStringLiteral("rækker")));
    plain->addWidget(tablethCheck);
    plain->addStretch(1);

    QVBoxLayout *structured = kolonne(page);
    strukturCheck = afkrydsning("strukturCheck", QStringLiteral("Med strukturelle elementer"), false);
    tableHeadRowEdit = talFelt("tableHeadRowEdit");
    tableBodyRowEdit = talFelt("tableBodyRowEdit");
    tableFootRowEdit = talFelt("tableFootRowEdit");
    structured->addWidget(strukturCheck);
    structured->addWidget(feltRaekke(QStringLiteral("thead"), tableHeadRowEdit, QStringLiteral("rækker")));
    structured->addWidget(feltRaekke(QStringLiteral("tbody"), tableBodyRowEdit, QStringLiteral("rækker")));
    structured->addWidget(feltRaekke(QStringLiteral("tfoot"), tableFootRowEdit, QStringLiteral("rækker")));
    // The two boxes are always opposite: they choose the table mode.
    connect(strukturCheck, &QCheckBox::clicked, this, [this] { tableStrukturCheck->setChecked(!strukturCheck->isChecked()); });
    connect(tableStrukturCheck, &QCheckBox::clicked, this,
            [this] { strukturCheck->setChecked(!tableStrukturCheck->isChecked()); });
    for (QLineEdit *e : {tableRowEdit, tableHeadRowEdit, tableBodyRowEdit, tableFootRowEdit})
        e->installEventFilter(this);

    QVBoxLayout *colgroup = kolonne(page);
    tableColEdit = talFelt("tableColEdit");
    tableColEdit->setToolTip(QStringLiteral("Antal col i colgroup"));
    tableSpanCheck = afkrydsning("tableSpanCheck", QStringLiteral("Medtag attribut span"), false);
    tableStyleCheck = afkrydsning("tableStyleCheck", QStringLiteral("Medtag attribut style"), false);
    colgroup->addWidget(feltRaekke(QStringLiteral("Antal"), tableColEdit, QStringLiteral("col")));
    colgroup->addWidget(tableSpanCheck);
    colgroup->addWidget(tableStyleCheck);
    colgroup->addWidget(actionKnap("Button3", AudskrivColgroup));

    QVBoxLayout *css = kolonne(page);
    tableStyleKodeCheck = afkrydsning("tableStyleKodeCheck", QStringLiteral("Medtag style-kode"), false);
    css->addWidget(tableStyleKodeCheck);
    css->addWidget(actionKnap("tableUdskrivCSS", AudskrivTabelCSS));
    css->addStretch(1);
    page->addStretch(1);
}

void TGeneratorSider::lavLister()
{
    side2 = navngiv(new QWidget, "side2");
    QHBoxLayout *page = sideLayout(side2);

    QVBoxLayout *info = kolonne(page);
    infLister = infoKnap(m, "infLister", QStringLiteral("Information: Lister"), QStringLiteral("Programmet.txt"),
                         QStringLiteral("Lister"));
    infListerKoder = infoKnap(m, "infListerKoder", QStringLiteral("Information om ul-koden"),
                              QStringLiteral("Information.txt"), QStringLiteral("ul"));
    info->addWidget(infLister);
    info->addWidget(infListerKoder);
    info->addStretch(1);

    listeTypeGroup = radioGruppe("listeTypeGroup", QStringLiteral("Listetype"),
                                 {QStringLiteral("Punktliste: ul"), QStringLiteral("Ordnet liste: ol"),
                                  QStringLiteral("Definitionsliste: dl"), QStringLiteral("Valgliste: select"),
                                  QStringLiteral("Dataliste: datalist")},
                                 2, listeTyper);
    page->addWidget(listeTypeGroup);
    connect(listeTyper, &QButtonGroup::idClicked, this, &TGeneratorSider::listeTypeGroupClick);

    QVBoxLayout *liste = kolonne(page);
    listeAntalEdit = talFelt("listeAntalEdit", QStringLiteral("0"));
    filtrerTal(listeAntalEdit);
    listeAntalClearKnap = nulKnap("listeAntalClearKnap", QStringLiteral("Sæt antal til nul"));
    connect(listeAntalClearKnap, &QToolButton::clicked, this, [this] { listeAntalEdit->setText(QStringLiteral("0")); });
    listeStyleSelCheck = afkrydsning("listeStyleSelCheck", QStringLiteral("Kun valgte liste-kode"), false);
    listeStyleKodeCheck = afkrydsning("listeStyleKodeCheck", QStringLiteral("Medtag style-kode"), false);
    liste->addWidget(feltRaekke(QStringLiteral("Antal"), listeAntalEdit, QStringLiteral("punkter"), listeAntalClearKnap));
    liste->addWidget(actionKnap("listeUdskrivKnap", AudskrivListe));
    liste->addWidget(listeStyleSelCheck);
    liste->addWidget(listeStyleKodeCheck);

    QVBoxLayout *opt = kolonne(page);
    listeOptgroupEdit = talFelt("listeOptgroupEdit");
    filtrerTal(listeOptgroupEdit);
    listeOptgroupClearKnap = nulKnap("listeOptgroupClearKnap", QStringLiteral("Sæt antal til nul"));
    connect(listeOptgroupClearKnap, &QToolButton::clicked, this,
            [this] { listeOptgroupEdit->setText(QStringLiteral("0")); });
    opt->addWidget(new QLabel(QStringLiteral("Valgliste: optgroup")));
    opt->addWidget(feltRaekke(QStringLiteral("Antal"), listeOptgroupEdit, QStringLiteral("punkter"), listeOptgroupClearKnap));
    opt->addWidget(actionKnap("listeOptUdskrivKnap", AudskrivOptgroup));
    opt->addWidget(actionKnap("Button1", AudskrivListeCSS));
    page->addStretch(1);
}

void TGeneratorSider::lavLinks()
{
    side3 = navngiv(new QWidget, "side3");
    QHBoxLayout *page = sideLayout(side3);

    QVBoxLayout *info = kolonne(page);
    infLinks = infoKnap(m, "infLinks", QStringLiteral("Information: Links"), QStringLiteral("Programmet.txt"),
                        QStringLiteral("Links"));
    infLinksKoder = infoKnap(m, "infLinksKoder", QStringLiteral("Information om a-koden"),
                             QStringLiteral("Information.txt"), QStringLiteral("a"));
    info->addWidget(infLinks);
    info->addWidget(infLinksKoder);
    info->addStretch(1);

    linkGroup = radioGruppe("linkGroup", QStringLiteral("Linktype"),
                            {QStringLiteral("a href"), QStringLiteral("a href med <br>"),
                             QStringLiteral("link til style sheet"), QStringLiteral("script til JavaScript")},
                            2, linkTyper);
    page->addWidget(linkGroup);
    connect(linkTyper, &QButtonGroup::idClicked, this, &TGeneratorSider::linkGroupClick);

    QVBoxLayout *medtag = kolonne(page);
    linkTargetCheck = afkrydsning("linkTargetCheck", QStringLiteral("target"), false,
                            QStringLiteral("Angiver hvor linket skal åbnes"));
    linkNavCheck = afkrydsning("linkNavCheck", QStringLiteral("nav"), false, QStringLiteral("Kontainer for links"));
    medtag->addWidget(new QLabel(QStringLiteral("Medtag attribut")));
    medtag->addWidget(linkTargetCheck);
    medtag->addWidget(new QLabel(QStringLiteral("Medtag html-kode")));
    medtag->addWidget(linkNavCheck);

    QVBoxLayout *antal = kolonne(page);
    linksAntalEdit = talFelt("linksAntalEdit", QStringLiteral("1"));
    filtrerTal(linksAntalEdit);
    linkAntalClearKnap = nulKnap("linkAntalClearKnap", QStringLiteral("Sæt antal til 1"));
    connect(linkAntalClearKnap, &QToolButton::clicked, this, [this] { linksAntalEdit->setText(QStringLiteral("1")); });
    linkMedtagCSScheck = afkrydsning("linkMedtagCSScheck", QStringLiteral("Medtag style-kode"), false);
    antal->addWidget(new QLabel(QStringLiteral("Antal a-koder")));
    antal->addWidget(feltRaekke(QString(), linksAntalEdit, QString(), linkAntalClearKnap));
    antal->addWidget(actionKnap("linkUdskrivKnap", AudskrivLinks));
    antal->addStretch(1);

    QVBoxLayout *css = kolonne(page);
    css->addWidget(linkMedtagCSScheck);
    css->addWidget(actionKnap("Button2", AudskrivLinkCSS));
    css->addStretch(1);
    page->addStretch(1);
}

bool TGeneratorSider::eventFilter(QObject *watched, QEvent *event)
{
    // Going into a row field chooses the table mode it belongs to.
    if (event->type() == QEvent::FocusIn) {
        const bool plain = watched == tableRowEdit;
        tableStrukturCheck->setChecked(plain);
        strukturCheck->setChecked(!plain);
    }
    return QObject::eventFilter(watched, event);
}

void TGeneratorSider::afslut(const QString &message, bool medWinInfo)
{
    if (!message.isEmpty())
        platform::infoBox(m->vaertsvindue(), message);
    else if (medWinInfo)
        m->winInfo();
}

void TGeneratorSider::AudskrivTabelExecute()
{
    const Tabelvalg valg{tableCaptionEdit->text(),  tableKolonneEdit->text(), linieCheck->isChecked(),
                         tableStrukturCheck->isChecked(), tableRowEdit->text(), tablethCheck->isChecked(),
                         tableHeadRowEdit->text(), tableBodyRowEdit->text(), tableFootRowEdit->text()};
    afslut(skrivTabel(*m->tagKomponent(), valg));
}

void TGeneratorSider::AudskrivColgroupExecute()
{
    afslut(skrivColgroup(*m->tagKomponent(), tableColEdit->text(), tableSpanCheck->isChecked(), tableStyleCheck->isChecked()),
           false);
}

void TGeneratorSider::AudskrivTabelCSSExecute()
{
    skrivTabelCSS(*m->tagKomponent(), tableStyleKodeCheck->isChecked());
    m->winInfo();
}

void TGeneratorSider::AudskrivListeExecute()
{
    if (listeAntalEdit->text().isEmpty())
        listeAntalEdit->setText(QStringLiteral("0"));
    afslut(skrivListe(*m->tagKomponent(), listeTyper->checkedId(), listeAntalEdit->text()));
}

void TGeneratorSider::AudskrivOptgroupExecute()
{
    if (listeOptgroupEdit->text().isEmpty())
        listeOptgroupEdit->setText(QStringLiteral("0"));
    afslut(skrivOptgroup(*m->tagKomponent(), listeOptgroupEdit->text()));
}

void TGeneratorSider::AudskrivListeCSSExecute()
{
    skrivListeCSS(*m->tagKomponent(), listeTyper->checkedId(), listeStyleSelCheck->isChecked(), listeStyleKodeCheck->isChecked());
    m->winInfo();
}

void TGeneratorSider::AudskrivLinksExecute()
{
    if (linksAntalEdit->text().isEmpty())
        linksAntalEdit->setText(QStringLiteral("1"));
    afslut(skrivLinks(*m->tagKomponent(), Linkvalg{linkTyper->checkedId(), linkTargetCheck->isChecked(),
                                           linkNavCheck->isChecked(), linksAntalEdit->text()}));
}

void TGeneratorSider::AudskrivLinkCSSExecute()
{
    skrivLinkCSS(*m->tagKomponent(), linkMedtagCSScheck->isChecked());
    m->winInfo();
}

void TGeneratorSider::listeTypeGroupClick()
{
    const QString tag = listeTag(listeTyper->checkedId());
    infListerKoder->setToolTip(QStringLiteral("Information om ") + tag + QStringLiteral("-koden"));
    infListerKoder->setProperty("infoTitel", tag);
}

void TGeneratorSider::linkGroupClick()
{
    const int type = linkTyper->checkedId();
    const bool a = type == Ahref || type == AhrefBr;
    linkTargetCheck->setEnabled(a);
    linkNavCheck->setEnabled(a);
    const QString tag = a ? QStringLiteral("a") : type == StyleSheet ? QStringLiteral("link") : QStringLiteral("script");
    infLinksKoder->setToolTip(QStringLiteral("Information om ") + tag + QStringLiteral("-koden"));
    infLinksKoder->setProperty("infoTitel", tag);
}
