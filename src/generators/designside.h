#pragma once
// The code book page "Design": column design, column container, container and flex layout,
// each with its CSS window, its HTML writer and information buttons; the design dialog they
// share; and the design CSS that "Nyt dokument" puts into a new page.
//
// The windows are made on first use, each HTML window before its CSS window, whose option
// file then fills in the shared class names.

#include <QObject>
#include <QStringList>

class QAction;
class QToolButton;
class QWidget;
class TDokumentVaert;
class TflexCSSform;
class TgemHentForm;
class TkollonneCSSform;
class TLayoutVindue;
class TudskrivCSSform;
class TudskrivKolonneForm;
class TudskrivKontainerCSSform;
class TudskrivSpalteForm;

class TDesignSide : public QObject {
    Q_OBJECT
public:
    explicit TDesignSide(TDokumentVaert *m);

    QWidget *side6 = nullptr;
    QToolButton *spalteCssKnap, *spalteUdskrivKnap, *infSpaltedesign, *infDesign;
    QToolButton *columnCssKnap, *udskrivKontainerKnap, *infKolonne, *infColumn;
    QToolButton *kontainerCSSknap, *Button6, *infKontainer;
    QToolButton *flexCSSknap, *Button8, *infFlex, *infFlexLayout;

    QAction *AudskrivDesignCss, *AudskrivDesignSpalte, *AudskrivKolonneCSS, *AudskrivKolonner;
    QAction *AudskrivKontainer, *AudskrivKontainerCSS, *AudskrivFlex, *AudskrivFlexCSS;

    TudskrivCSSform *udskrivCSSform();
    TudskrivSpalteForm *udskrivSpalteForm();
    TkollonneCSSform *kollonneCSSform();
    TudskrivKolonneForm *udskrivKolonneForm();
    TudskrivKontainerCSSform *kontainerCSSform();
    TflexCSSform *flexCSSform();
    TgemHentForm *gemHentForm();

    // The CSS of the ticked layouts (column design, column container, flex, container, in
    // that order) without style elements, as their windows hold them; each window's
    // "Medtag style-kode" is cleared on the way. A layout whose window refuses (no selector
    // name, a wrong colour) is left out and its message shown.
    QStringList nyDesignCss(bool spalte, bool kolonne, bool flex, bool kontainer);

private:
    void lavSide();
    void lavSpalter();
    void lavKolonner();
    void vis(QWidget *vindue);
    void gemHent(int art, bool gem, const QString &navn, TLayoutVindue *vindue);

    TDokumentVaert *m;
    TudskrivCSSform *m_udskrivCSS = nullptr;
    TudskrivSpalteForm *m_udskrivSpalte = nullptr;
    TkollonneCSSform *m_kolonneCSS = nullptr;
    TudskrivKolonneForm *m_udskrivKolonne = nullptr;
    TudskrivKontainerCSSform *m_kontainer = nullptr;
    TflexCSSform *m_flex = nullptr;
    TgemHentForm *m_gemHent = nullptr;
};
