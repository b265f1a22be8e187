#pragma once
// "Udskriv kolonnekontainer": the HTML of a column container, with an optional heading.

#include "generators/layoutvindue.h"

class QAction;
class QCheckBox;
class QLineEdit;
class QToolButton;

class TudskrivKolonneForm : public TLayoutVindue {
    Q_OBJECT
public:
    TudskrivKolonneForm(TDokumentVaert *m, QAction *AudskrivKolonner);

    QLineEdit *kolonneNavnEdit, *overskriftNavnEdit;
    QCheckBox *kolonneOverskriftCheck;
    QToolButton *kolonneUdskrivKnap;

    void AudskrivKolonnerExecute();

protected:
    QStringList optLinier() const override;
    QString laesOpt(const QString &fil, generators::Placering &p) override;
};
