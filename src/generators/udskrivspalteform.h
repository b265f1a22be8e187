#pragma once
// "Uskriv spalter": rows of equally wide column boxes of the column design's class.

#include "generators/layoutvindue.h"

class QAction;
class QLineEdit;
class QToolButton;

class TudskrivSpalteForm : public TLayoutVindue {
    Q_OBJECT
public:
    TudskrivSpalteForm(TDokumentVaert *m, QAction *AudskrivDesignSpalte);

    QLineEdit *designNavnHtmlEdit, *spalteRowEdit, *marginBreddeEdit, *antalSpalterEdit, *antalRowEdit;
    QToolButton *udskrivSpalterKnap;

    // The CSS window's margin field; the actual width follows it once it is set.
    void setMarginFelt(QLineEdit *margin);
    void opdaterBredde();
    void AudskrivDesignSpalteExecute();

protected:
    QStringList optLinier() const override;
    QString laesOpt(const QString &fil, generators::Placering &p) override;

private:
    QLineEdit *m_margin = nullptr;
};
