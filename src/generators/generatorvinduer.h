#pragma once
// The generator windows of the main window: the text box and the CSS box, built on first
// use, with the commands that show and use them.

#include <QObject>

class QAction;
class Tfontform;
class TcssForm;
class TDokumentVaert;

class TGeneratorVinduer : public QObject {
    Q_OBJECT
public:
    explicit TGeneratorVinduer(TDokumentVaert *m);

    QAction *Atekstboks, *AudskrivTekst;

    Tfontform *fontform();
    TcssForm *cssForm();
    void visTekstboks();
    void visCssBoks();

    // "Vis CSS-egenskab": shows the CSS box and the property of the word, or says why not.
    // Returns the word for the document's information field.
    QString findCss(const QString &word);

private:
    TDokumentVaert *m;
    Tfontform *m_fontform = nullptr;
    TcssForm *m_cssForm = nullptr;
};
