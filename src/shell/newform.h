#pragma once
// "Nyt dokument": a new page, style sheet or script set up with the parts the user ticks.

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;

class Tnewform : public QDialog {
    Q_OBJECT
public:
    enum Type { Html = 0, Asp = 1, Stylesheet = 2, JavaScript = 3 };

    explicit Tnewform(QWidget *parent = nullptr);

    int type() const;
    int css() const;      // 0 none, 1 internal style element, 2 link to a style sheet
    int script() const;   // 0 none, 1 internal script element, 2 link to a script file
    bool designCss(int i) const;   // css1 .. css4, i from 1

    QButtonGroup *typeGroup = nullptr;
    QButtonGroup *cssRadio = nullptr;
    QButtonGroup *scriptRadio = nullptr;
    QGroupBox *htmlAspGruppe = nullptr;
    QGroupBox *designGruppe = nullptr;
    QCheckBox *css1 = nullptr, *css2 = nullptr, *css3 = nullptr, *css4 = nullptr;
    QPushButton *udskrivKnap = nullptr, *annullerKnap = nullptr, *informationKnap = nullptr;
    QString optfil;

signals:
    void information(const QString &structure, const QString &title);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void typeValgt();
    void hentOptioner();
};
