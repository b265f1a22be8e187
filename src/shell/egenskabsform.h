#pragma once
// Tegenskabsform, "Egenskaber": the program-wide choices (editor font, the information
// tree's automatic folding, the FTP buttons, automatic recent lists, the visual style) and
// the file types registered with the desktop.

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
class Teditfontform;
class Tmainform;

namespace shell {
struct RegType {
    QString ext;          // with its point, ".html"
    bool registreret = false;
    bool operator==(const RegType &) const = default;
};
// "filtyper.txt": pairs of lines, extension and "Ja"/"Nej"; a type listed twice counts once.
// A missing file gives the six types the program starts with.
QList<RegType> hentRegTyper(const QString &path);
bool gemRegTyper(const QString &path, const QList<RegType> &typer, QString *error = nullptr);
}

class Tegenskabsform : public QDialog {
    Q_OBJECT
public:
    Tegenskabsform(Tmainform *main, Teditfontform *fontform);

    // Shows the dialog modally with the settings in force.
    int vis();

    void bestemFontKnapClick();
    void gemKnapClick();
    void lukKnapClick();
    void testKnapClick();
    void typeBoxClick();
    void AinsertExecute();
    void AdeleteExecute();
    void AregistrerExecute();
    void AfjernExecute();

    QList<shell::RegType> typer() const;

    QString aFontNavn;
    int aFontDim = 10;
    QString optfil;
    QString filtyperFil;
    bool autoUdfold = false;   // the information tree opens and closes branches by itself

    QLineEdit *navnEdit = nullptr;
    QLineEdit *dimEdit = nullptr;
    QPushButton *bestemFontKnap = nullptr;
    QCheckBox *autoCheck = nullptr;
    QCheckBox *fuldfoerCheck = nullptr;   // completion as you type
    QCheckBox *ftpCheck = nullptr;
    QComboBox *designBox = nullptr;
    QPushButton *testKnap = nullptr;
    QTreeWidget *typeBox = nullptr;
    QLineEdit *insertEdit = nullptr;
    QLineEdit *registerEdit = nullptr;
    QLineEdit *fjernEdit = nullptr;
    QPushButton *insertKnap = nullptr, *deleteKnap = nullptr, *registrerKnap = nullptr, *fjernKnap = nullptr;
    QAction *Ainsert = nullptr, *Adelete = nullptr, *Aregistrer = nullptr, *Afjern = nullptr;
    QCheckBox *autoSenesteFMCheck = nullptr;
    QPushButton *gemKnap = nullptr;
    QPushButton *lukKnap = nullptr;
    QToolButton *infoKnap = nullptr;

signals:
    // The information browser follows its tree's new folding setting.
    void autoUdfoldAendret(bool on);

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void aendret();
    void opdaterActions();
    void gemTyper();
    QString valgtExt() const;

    Tmainform *m_main;
    Teditfontform *m_fontform;
};
