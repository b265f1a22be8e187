#pragma once
// "Udskriv kolonne CSS": a multi-column container class and an optional heading class that
// spans its columns.

#include "generators/layoutvindue.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QToolButton;
class TFarvefelt;

class TkollonneCSSform : public TLayoutVindue {
    Q_OBJECT
public:
    TkollonneCSSform(TDokumentVaert *m, QAction *AudskrivKolonneCSS);

    QLineEdit *kolonneNavnEdit, *kolonneAntalEdit, *kolonneMellemrumEdit, *kolonneHojdeEdit, *kolonneRuleWidthEdit;
    QLineEdit *overskriftNavnEdit;
    QToolButton *kolonneResetMellemrum, *kolonneResetHojde, *kolonneResetBredde;
    QGroupBox *kolonneFillGroup, *kolonneRuleGroup;
    QButtonGroup *fillKnapper, *ruleKnapper;
    TFarvefelt *kolonneRuleColor;   // kolonneRuleColorEdit + kolonneRuleColor
    QCheckBox *kolonneStyleCheck, *kolonneOverskriftCheck;
    QToolButton *gemKnap, *hentKnap, *Button1;

    generators::KolonneCssValg valg() const;
    void saetValg(const generators::KolonneCssValg &v);
    void AudskrivKolonneCSSExecute();

signals:
    void gemHent(int art, bool gem, const QString &navn);

protected:
    QStringList optLinier() const override;
    QString laesOpt(const QString &fil, generators::Placering &p) override;
};
