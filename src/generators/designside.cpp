#include "generators/designside.h"

#include "codewriting/dokumentvaert.h"
#include "generators/boksfelter.h"
#include "generators/flexcssform.h"
#include "generators/gemhentform.h"
#include "generators/kolonnecssform.h"
#include "generators/kontainercssform.h"
#include "generators/sidehjaelp.h"
#include "generators/udskrivcssform.h"
#include "generators/udskrivkolonneform.h"
#include "generators/udskrivspalteform.h"
#include "platform/infobox.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

using namespace generators;

namespace {
QToolButton *visKnap(const char *name, const QString &caption, const QString &hint)
{
    auto *b = navngiv(new QToolButton, name);
    b->setText(caption);
    b->setToolTip(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

// A panel of the page: its buttons above each other, information buttons beside them.
QGroupBox *panel(const QString &title, std::initializer_list<QToolButton *> knapper,
                 std::initializer_list<QToolButton *> info)
{
    auto *g = new QGroupBox(title);
    auto *l = new QGridLayout(g);
    l->setContentsMargins(4, 2, 4, 2);
    l->setVerticalSpacing(1);
    int r = 0;
    for (QToolButton *k : knapper) {
        k->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        l->addWidget(k, r++, 0);
    }
    r = 0;
    for (QToolButton *i : info)
        l->addWidget(i, r++, 1);
    return g;
}
}

TDesignSide::TDesignSide(TDokumentVaert *mainform) : QObject(mainform->vaertsvindue()), m(mainform)
{
    AudskrivDesignCss = dokumentAction(m, "AudskrivDesignCss", QStringLiteral("Udskriv CSS"), QString());
    AudskrivDesignSpalte = dokumentAction(m, "AudskrivDesignSpalte", QStringLiteral("Udskriv spalter"), QString());
    AudskrivKolonneCSS = dokumentAction(m, "AudskrivKolonneCSS", QStringLiteral("Udskriv CSS"), QStringLiteral("Udskriv kolonne CSS"));
    AudskrivKolonner = dokumentAction(m, "AudskrivKolonner", QStringLiteral("Udskriv kontainer"),
                                      QStringLiteral("Udskriv kolonne-kontainere med valgte CSS-egenskaber"));
    AudskrivKontainer = dokumentAction(m, "AudskrivKontainer", QStringLiteral("Udskriv kontainer"), QString());
    AudskrivKontainerCSS = dokumentAction(m, "AudskrivKontainerCSS", QStringLiteral("Udskriv kontainer CSS"), QString());
    AudskrivFlex = dokumentAction(m, "AudskrivFlex", QStringLiteral("Udskriv flex boks"), QStringLiteral("Udskriv fleksibel boks"));
    AudskrivFlexCSS = dokumentAction(m, "AudskrivFlexCSS", QStringLiteral("Udskriv flex CSS"),
                                     QStringLiteral("Udskriv css til fleksibel boks layout"));
    connect(AudskrivDesignCss, &QAction::triggered, this, [this] { udskrivCSSform()->AudskrivDesignCssExecute(); });
    connect(AudskrivDesignSpalte, &QAction::triggered, this, [this] { udskrivSpalteForm()->AudskrivDesignSpalteExecute(); });
    connect(AudskrivKolonneCSS, &QAction::triggered, this, [this] { kollonneCSSform()->AudskrivKolonneCSSExecute(); });
    connect(AudskrivKolonner, &QAction::triggered, this, [this] { udskrivKolonneForm()->AudskrivKolonnerExecute(); });
    connect(AudskrivKontainer, &QAction::triggered, this, [this] { kontainerCSSform()->AudskrivKontainerExecute(); });
    connect(AudskrivKontainerCSS, &QAction::triggered, this, [this] { kontainerCSSform()->AudskrivKontainerCSSExecute(); });
    connect(AudskrivFlex, &QAction::triggered, this, [this] { flexCSSform()->AudskrivFlexExecute(); });
    connect(AudskrivFlexCSS, &QAction::triggered, this, [this] { flexCSSform()->AudskrivFlexCSSExecute(); });
    lavSide();
}

void TDesignSide::lavSide()
{
    side6 = navngiv(new QWidget, "side6");
    auto *page = new QHBoxLayout(side6);
    page->setContentsMargins(2, 0, 2, 0);
    page->setSpacing(4);

    infDesign = infoKnap(m, "infDesign", QStringLiteral("Information: Design"), QStringLiteral("Programmet.txt"),
                         QStringLiteral("Design"));
    page->addWidget(infDesign, 0, Qt::AlignTop);

    spalteCssKnap = visKnap("spalteCssKnap", QStringLiteral("CSS egenskaber"), QStringLiteral("Udskriv css-egenskaber til spalter"));
    spalteUdskrivKnap = visKnap("spalteUdskrivKnap", QStringLiteral("Udskriv spalter"), QStringLiteral("Vælg egenskaber og udskriv"));
    infSpaltedesign = infoKnap(m, "infSpaltedesign", QStringLiteral("Information: Spaltedesign"),
                               QStringLiteral("Programmet.txt"), QStringLiteral("Spaltedesign"));
    connect(spalteCssKnap, &QToolButton::clicked, this, [this] { vis(udskrivCSSform()); });
    connect(spalteUdskrivKnap, &QToolButton::clicked, this, [this] { vis(udskrivSpalteForm()); });
    page->addWidget(panel(QStringLiteral("Spalte design"), {spalteCssKnap, spalteUdskrivKnap}, {infSpaltedesign}));

    columnCssKnap = visKnap("columnCssKnap", QStringLiteral("CSS egenskaber"), QStringLiteral("Udskriv css-egenskaber til spalter"));
    udskrivKontainerKnap = visKnap("udskrivKontainerKnap", QStringLiteral("Udskriv html-koder"),
                                   QStringLiteral("Vælg egenskaber og udskriv kolonneboks"));
    infKolonne = infoKnap(m, "infKolonne", QStringLiteral("Information: Kolonne layout"), QStringLiteral("Programmet.txt"),
                          QStringLiteral("Kolonne layout"));
    infColumn = infoKnap(m, "infColumn", QStringLiteral("Information: Column egenskaber"), QStringLiteral("CSS.txt"),
                         QStringLiteral("Column egenskaber"));
    connect(columnCssKnap, &QToolButton::clicked, this, [this] { vis(kollonneCSSform()); });
    connect(udskrivKontainerKnap, &QToolButton::clicked, this, [this] { vis(udskrivKolonneForm()); });
    page->addWidget(panel(QStringLiteral("Kolonne layout"), {columnCssKnap, udskrivKontainerKnap}, {infKolonne, infColumn}));

    kontainerCSSknap = visKnap("kontainerCSSknap", QStringLiteral("CSS egenskaber"),
                               QStringLiteral("Udskriv css-egenskaber til kontainere"));
    Button6 = actionKnap("Button6", AudskrivKontainer);
    infKontainer = infoKnap(m, "infKontainer", QStringLiteral("Information: Kontainer"), QStringLiteral("Programmet.txt"),
                            QStringLiteral("Kontainer"));
    connect(kontainerCSSknap, &QToolButton::clicked, this, [this] { vis(kontainerCSSform()); });
    page->addWidget(panel(QStringLiteral("Kontainer"), {kontainerCSSknap, Button6}, {infKontainer}));

    flexCSSknap = visKnap("flexCSSknap", QStringLiteral("CSS egenskaber"),
                          QStringLiteral("Udskriv css-egenskaber til fleksibel boks layout"));
    Button8 = actionKnap("Button8", AudskrivFlex);
    infFlex = infoKnap(m, "infFlex", QStringLiteral("Information: Fleks layout"), QStringLiteral("Programmet.txt"),
                       QStringLiteral("Flex layout"));
    infFlexLayout = infoKnap(m, "infFlexLayout", QStringLiteral("Information: flex egenskaber"), QStringLiteral("CSS.txt"),
                             QStringLiteral("Flex egenskaber"));
    connect(flexCSSknap, &QToolButton::clicked, this, [this] { vis(flexCSSform()); });
    page->addWidget(panel(QStringLiteral("Flex layout"), {flexCSSknap, Button8}, {infFlex, infFlexLayout}));
    page->addStretch(1);
}

void TDesignSide::vis(QWidget *vindue)
{
    vindue->show();
    vindue->raise();
    vindue->activateWindow();
}

void TDesignSide::lavSpalter()
{
    if (m_udskrivCSS)
        return;
    m_udskrivSpalte = new TudskrivSpalteForm(m, AudskrivDesignSpalte);
    m_udskrivCSS = new TudskrivCSSform(m, AudskrivDesignCss);
    // The class name goes one way, from the CSS to the HTML window, from now on; the CSS
    // window's option file was read before and its name goes over once.
    QLineEdit *navn = m_udskrivCSS->felter->designNavnEdit;
    connect(navn, &QLineEdit::textChanged, m_udskrivSpalte->designNavnHtmlEdit, &QLineEdit::setText);
    if (QFileInfo::exists(m_udskrivCSS->optFilnavn))
        m_udskrivSpalte->designNavnHtmlEdit->setText(navn->text());
    m_udskrivSpalte->setMarginFelt(m_udskrivCSS->felter->marginEdit);
    connect(m_udskrivCSS, &TudskrivCSSform::gemHent, this,
            [this](int art, bool gem, const QString &n) { gemHent(art, gem, n, m_udskrivCSS); });
}

void TDesignSide::lavKolonner()
{
    if (m_kolonneCSS)
        return;
    m_udskrivKolonne = new TudskrivKolonneForm(m, AudskrivKolonner);
    m_kolonneCSS = new TkollonneCSSform(m, AudskrivKolonneCSS);
    const std::pair<QLineEdit *, QLineEdit *> navne[] = {{m_kolonneCSS->kolonneNavnEdit, m_udskrivKolonne->kolonneNavnEdit},
                                                         {m_kolonneCSS->overskriftNavnEdit, m_udskrivKolonne->overskriftNavnEdit}};
    for (const auto &[fra, til] : navne) {
        connect(fra, &QLineEdit::textChanged, til, &QLineEdit::setText);
        if (QFileInfo::exists(m_kolonneCSS->optFilnavn))
            til->setText(fra->text());
    }
    connect(m_kolonneCSS, &TkollonneCSSform::gemHent, this,
            [this](int art, bool gem, const QString &n) { gemHent(art, gem, n, m_kolonneCSS); });
}

TudskrivCSSform *TDesignSide::udskrivCSSform()
{
    lavSpalter();
    return m_udskrivCSS;
}

TudskrivSpalteForm *TDesignSide::udskrivSpalteForm()
{
    lavSpalter();
    return m_udskrivSpalte;
}

TkollonneCSSform *TDesignSide::kollonneCSSform()
{
    lavKolonner();
    return m_kolonneCSS;
}

TudskrivKolonneForm *TDesignSide::udskrivKolonneForm()
{
    lavKolonner();
    return m_udskrivKolonne;
}

TudskrivKontainerCSSform *TDesignSide::kontainerCSSform()
{
    if (!m_kontainer) {
        m_kontainer = new TudskrivKontainerCSSform(m, AudskrivKontainerCSS);
        connect(m_kontainer, &TudskrivKontainerCSSform::gemHent, this,
                [this](int art, bool gem, const QString &n) { gemHent(art, gem, n, m_kontainer); });
    }
    return m_kontainer;
}

TflexCSSform *TDesignSide::flexCSSform()
{
    if (!m_flex) {
        m_flex = new TflexCSSform(m, AudskrivFlexCSS);
        connect(m_flex, &TflexCSSform::gemHent, this,
                [this](int art, bool gem, const QString &n) { gemHent(art, gem, n, m_flex); });
    }
    return m_flex;
}

TgemHentForm *TDesignSide::gemHentForm()
{
    if (!m_gemHent)
        m_gemHent = new TgemHentForm(m);
    return m_gemHent;
}

void TDesignSide::gemHent(int art, bool gem, const QString &navn, TLayoutVindue *vindue)
{
    TgemHentForm *form = gemHentForm();
    platform::showAboveOpener(form, vindue);
    form->gemHent(art, gem, navn, vindue);
}

QStringList TDesignSide::nyDesignCss(bool spalte, bool kolonne, bool flex, bool kontainer)
{
    QStringList lines;
    auto tilfoej = [&](const Layoutkode &kode) {
        if (kode.fejl.isEmpty())
            lines << kode.linier;
        else
            platform::infoBox(m->vaertsvindue(), kode.fejl);
    };
    if (spalte) {
        udskrivCSSform()->felter->desigStyleCheck->setChecked(false);
        tilfoej(spalteCss(udskrivCSSform()->valg()));
    }
    if (kolonne) {
        kollonneCSSform()->kolonneStyleCheck->setChecked(false);
        tilfoej(kolonneCss(kollonneCSSform()->valg()));
    }
    if (flex) {
        TflexCSSform *f = flexCSSform();
        f->desigStyleCheck->setChecked(false);
        if (f->antalEdit->text().isEmpty())
            f->antalEdit->setText(QStringLiteral("0"));
        tilfoej(flexCss(f->valg()));
    }
    if (kontainer) {
        kontainerCSSform()->felter->desigStyleCheck->setChecked(false);
        tilfoej(kontainerCss(kontainerCSSform()->valg()));
    }
    return lines;
}
