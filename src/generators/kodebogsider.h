#pragma once
// The code book pages "Skema", "Lister" and "Links" and their commands.

#include <QObject>

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QToolButton;
class QWidget;
class TDokumentVaert;

class TGeneratorSider : public QObject {
    Q_OBJECT
public:
    explicit TGeneratorSider(TDokumentVaert *m);

    QWidget *side1 = nullptr;   // "Skema"
    QWidget *side2 = nullptr;   // "Lister"
    QWidget *side3 = nullptr;   // "Links"

    // Skema
    QLineEdit *tableCaptionEdit, *tableKolonneEdit, *tableRowEdit;
    QLineEdit *tableHeadRowEdit, *tableBodyRowEdit, *tableFootRowEdit, *tableColEdit;
    QToolButton *tableClearCaptionKnap;
    QCheckBox *linieCheck, *tableStrukturCheck, *tablethCheck, *strukturCheck;
    QCheckBox *tableSpanCheck, *tableStyleCheck, *tableStyleKodeCheck;
    QToolButton *infSkema, *infSkemaKoder;
    // Lister
    QGroupBox *listeTypeGroup;
    QButtonGroup *listeTyper;
    QLineEdit *listeAntalEdit, *listeOptgroupEdit;
    QToolButton *listeAntalClearKnap, *listeOptgroupClearKnap;
    QCheckBox *listeStyleSelCheck, *listeStyleKodeCheck;
    QToolButton *infLister, *infListerKoder;
    // Links
    QGroupBox *linkGroup;
    QButtonGroup *linkTyper;
    QCheckBox *linkTargetCheck, *linkNavCheck, *linkMedtagCSScheck;
    QLineEdit *linksAntalEdit;
    QToolButton *linkAntalClearKnap;
    QToolButton *infLinks, *infLinksKoder;

    QAction *AudskrivTabel, *AudskrivColgroup, *AudskrivTabelCSS;
    QAction *AudskrivListe, *AudskrivOptgroup, *AudskrivListeCSS;
    QAction *AudskrivLinks, *AudskrivLinkCSS;

    void AudskrivTabelExecute();
    void AudskrivColgroupExecute();
    void AudskrivTabelCSSExecute();
    void AudskrivListeExecute();
    void AudskrivOptgroupExecute();
    void AudskrivListeCSSExecute();
    void AudskrivLinksExecute();
    void AudskrivLinkCSSExecute();
    void listeTypeGroupClick();
    void linkGroupClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lavSkema();
    void lavLister();
    void lavLinks();
    // Shows the message of a writer that refused; otherwise refreshes the status.
    void afslut(const QString &message, bool medWinInfo = true);

    TDokumentVaert *m;
};
