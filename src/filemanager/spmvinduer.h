#pragma once
// The windows the file operations talk through: "Hvad skal der gøres" for existing files,
// the copy/move/delete confirmation and the progress window; and TFilDialogerVinduer, which
// puts them (with the program's question and message boxes) behind TFilDialoger.

#include "filemanager/handlinger.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTimer;
class TDokumentVaert;

class TfileExistsForm : public QDialog {
    Q_OBJECT
public:
    explicit TfileExistsForm(QWidget *parent = nullptr);
    // Shows the names; the chosen "Handling" after "Forsæt", −1 when closed otherwise.
    int vis(const QStringList &names);
    QLabel *filinfoLabel;
    QListWidget *fileBox;
    QButtonGroup *resultBox;
};

class Tkopieringsform : public QDialog {
    Q_OBJECT
public:
    explicit Tkopieringsform(QWidget *parent = nullptr);
    bool vis(const filemanager::TFilDialoger::Bekraeftelse &b);
    QLineEdit *Editsource, *EditDest;
    QListWidget *filBox, *mappeBox;
    QLabel *Image1, *LabelSpm;
    QPushButton *jaKnap, *nejKnap;
};

class Tprogressform : public QDialog {
    Q_OBJECT
public:
    explicit Tprogressform(QWidget *parent = nullptr);
    // Shows the window for a job and follows its status until luk().
    void start(bool kopi, filemanager::JobStatus *status);
    void luk();
    QLabel *LabelInfo, *LabelProcent, *LabelTekst, *LabelResterende, *LabelSletInfo, *mapperLabel;
    QProgressBar *pBar, *pBarAll, *pBarAktiv;
    QPushButton *stopKnap;

private:
    void opdater();
    QTimer *m_timer;
    filemanager::JobStatus *m_status = nullptr;
    bool m_kopi = true;
    bool m_totalVist = false;
};

// The summary line of the progress window.
QString fremskridtInfo(bool kopi, int antalFiler, int antalMapper, qint64 totalSize);

class TFilDialogerVinduer : public filemanager::TFilDialoger {
public:
    TFilDialogerVinduer(QWidget *owner, TDokumentVaert *vaert);
    void info(const QString &text) override;
    void fejl(const QString &text) override;
    bool spoergJa(const QString &question) override;
    bool spoergJaNejForvalgt(const QString &question) override;
    bool bekraeft(const Bekraeftelse &b) override;
    int filerFindes(const QStringList &names) override;
    void visFremskridt(bool kopi, filemanager::JobStatus *status) override;
    void lukFremskridt() override;

private:
    QWidget *m_owner;
    TDokumentVaert *m_vaert;
    TfileExistsForm *m_exists = nullptr;
    Tkopieringsform *m_kopi = nullptr;
    Tprogressform *m_progress = nullptr;
};
