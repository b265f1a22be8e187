#pragma once
// The CSS box: property groups, the properties of the chosen group and the values of the
// chosen property. A double click writes a property or value into the document.

#include <QWidget>

class QSplitter;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TDokumentVaert;

class TcssForm : public QWidget {
    Q_OBJECT
public:
    explicit TcssForm(TDokumentVaert *m);

    QTreeWidget *gruppeListe, *propertyListe, *valueListe;
    QToolButton *infoKnapProgram, *infoKnap, *cssSelectorInfoknap;
    QSplitter *splitter;
    QString cssDir, propertyDir, valueDir, aProperty, optFilnavn;
    QString infoCSS;   // the property last clicked: the CSS word of the information command

    void LoadPropertyListe(const QString &group);
    void LoadValueListe(const QString &property);
    void propertyDoubleClick(const QString &property);
    void valueDoubleClick(const QString &value);

    // What a double click on a value line does.
    enum class Vaerdi { Enheder, Farver, Ingenting, Egenskab, Skriv };
    static Vaerdi vaerdiHandling(const QString &value);

    // Selects the group and property of a CSS word found in the property index (pairs of
    // lines: property, group) and shows its values; false when any of them is missing.
    bool findEgenskab(const QString &word, const QString &indexFile);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool vaelgEgenskab(const QString &property);
    TDokumentVaert *m;
};
