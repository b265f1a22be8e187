#pragma once
// "Udskriv kontainer CSS": the class of a box with display type, spacing, colours, border,
// shadow and text alignment.

#include "generators/layoutvindue.h"

class QAction;
class QCheckBox;
class QComboBox;
class QToolButton;
class TBoksFelter;

class TudskrivKontainerCSSform : public TLayoutVindue {
    Q_OBJECT
public:
    TudskrivKontainerCSSform(TDokumentVaert *m, QAction *AudskrivKontainerCSS);

    TBoksFelter *felter;
    QComboBox *displayBox, *alignBox, *justifyBox;
    QToolButton *infDisplay, *infTextAlign, *infTextJustify, *setTextAlign, *setTextJustify;
    QCheckBox *tilpasningBox;
    QToolButton *gemKnap, *hentKnap, *Button4;

    generators::KontainerValg valg() const;
    void saetValg(const generators::KontainerValg &v);
    void AudskrivKontainerCSSExecute();
    void AudskrivKontainerExecute();
    void setTextJustifyClick();

signals:
    void gemHent(int art, bool gem, const QString &navn);

protected:
    QStringList optLinier() const override;
    QString laesOpt(const QString &fil, generators::Placering &p) override;
};
