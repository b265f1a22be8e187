#pragma once
// The text box "Tekstboks": text written inside a chosen element, optionally with a style
// attribute from the chosen font.

#include <QFont>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QSplitter;
class QToolButton;
class TFarvefelt;
class TFontSizeComboBox;
class TDokumentVaert;

class Tfontform : public QWidget {
    Q_OBJECT
public:
    // AudskrivTekst: the main window's command that the "Udskriv" button runs.
    Tfontform(TDokumentVaert *m, QAction *AudskrivTekst);

    QPlainTextEdit *Memo;
    QGroupBox *kodeGroup;
    QButtonGroup *koder;
    QListWidget *fontnames;
    TFontSizeComboBox *FontSize;
    TFarvefelt *farve;   // farveEdit + farveBoks
    QCheckBox *boldCheck, *kursivCheck, *styleCheck, *nameCheck, *sizeCheck, *colorCheck;
    QToolButton *listeUdskrivKnap, *lukKnap, *infoKnap;
    QSplitter *splitter;
    QString OldFontname, OldFontSizname;
    QString optFilnavn;

    QFont memoFont() const { return m_font; }
    QColor memoFarve() const { return m_farve; }
    QString kode() const;   // the chosen element

    void AudskrivTekstExecute();
    void fontnamesClick();
    void gemOpt();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void hentOpt();
    void setMemoFont(const QFont &font);
    void setMemoFarve(const QColor &farve);
    void vaelgFont(const QString &wanted);
    TDokumentVaert *m;
    QFont m_font;
    QColor m_farve;
};
