#pragma once
// "Udskriv flex CSS": a flexible box container, the rule all its children share and one rule
// per child by position. Each declaration has its value and a box deciding whether it is
// written.

#include "generators/layoutvindue.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

class TflexCSSform : public TLayoutVindue {
    Q_OBJECT
public:
    TflexCSSform(TDokumentVaert *m, QAction *AudskrivFlexCSS);

    QLineEdit *boksnavnEdit, *antalEdit;
    QLineEdit *fkEdit[6];    // fkEdit1 … fkEdit6 (display, fixed)
    QComboBox *fkBox[4];     // fkBox1 … fkBox4
    QLineEdit *eEdit[10];    // eEdit1 … eEdit10 (7, 8 and 10 fixed)
    QCheckBox *cb[19];       // cb1 … cb19
    QCheckBox *desigStyleCheck;
    QToolButton *gemKnap, *hentKnap, *Button1;

    generators::FlexValg valg() const;
    void saetValg(const generators::FlexValg &v);
    void AudskrivFlexCSSExecute();
    void AudskrivFlexExecute();

signals:
    void gemHent(int art, bool gem, const QString &navn);

protected:
    QStringList optLinier() const override;
    QString laesOpt(const QString &fil, generators::Placering &p) override;
};
