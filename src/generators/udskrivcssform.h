#pragma once
// "Udskriv spalte CSS": the class of the column boxes that "Uskriv spalter" writes rows of.

#include "generators/layoutvindue.h"

class QAction;
class QCheckBox;
class QToolButton;
class TBoksFelter;

class TudskrivCSSform : public TLayoutVindue {
    Q_OBJECT
public:
    // AudskrivDesignCss: the main window's command that Button1 runs.
    TudskrivCSSform(TDokumentVaert *m, QAction *AudskrivDesignCss);

    TBoksFelter *felter;
    QCheckBox *justifyCheck, *destibuteCheck;
    QToolButton *gemKnap, *hentKnap, *Button1;

    generators::SpalteCssValg valg() const;
    void saetValg(const generators::SpalteCssValg &v);
    void AudskrivDesignCssExecute();

signals:
    // The design dialog for this window's kind.
    void gemHent(int art, bool gem, const QString &navn);

protected:
    QStringList optLinier() const override;
    QString laesOpt(const QString &fil, generators::Placering &p) override;
};
