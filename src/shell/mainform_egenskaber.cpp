// The main window's side of printing and of the settings dialog, and the "Fil" menu's
// entries for them and for uploading.

#include "editor/editor.h"
#include "information/informationform.h"
#include "platform/infobox.h"
#include "printing/printform.h"
#include "printing/udskrift.h"
#include "shell/editfontform.h"
#include "shell/egenskabsform.h"
#include "shell/filvalg.h"
#include "shell/mainform.h"
#include "shell/winform.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QPrinterInfo>

void Tmainform::lavFilMenuEkstra(QMenu *fil)
{
    AprintDokument = lavAction("AprintDokument", QStringLiteral("Udskriv dokument..."),
                               QStringLiteral("Udskriv aktuelle dokument"), {}, "document-print");
    connect(AprintDokument, &QAction::triggered, this, &Tmainform::AprintDokumentExecute);
    dokumentKommando(AprintDokument);
    mEgenskaber = lavAction("mEgenskaber", QStringLiteral("Egenskaber..."),
                            QStringLiteral("Programmets egenskaber"), {}, "preferences-system");
    connect(mEgenskaber, &QAction::triggered, this, &Tmainform::mEgenskaberClick);
    fil->addAction(AprintDokument);
    fil->addAction(mEgenskaber);

    Aupload = lavAction("Aupload", QStringLiteral("Upload fil til server"),
                        QStringLiteral("Upload fil til FTP server: Anvender aktuelle forbindelse"), {}, "go-up");
    connect(Aupload, &QAction::triggered, this, &Tmainform::AuploadExecute);
    dokumentKommando(Aupload);
    AuploadFile = lavAction("AuploadFile", QStringLiteral("Upload fil til server"),
                            QStringLiteral("Upload valgte fil til FTP server: Anvender aktuelle forbindelse"), {}, "go-up");
    connect(AuploadFile, &QAction::triggered, this, &Tmainform::AuploadFileExecute);
    addAction(AuploadFile);
    AuploadFile->setEnabled(false);   // until a file is chosen in the file panel
}

Tprintform *Tmainform::printform()
{
    if (!m_printform)
        m_printform = new Tprintform(this);
    return m_printform;
}

void Tmainform::AprintDokumentExecute()
{
    Twinform *w = aktivWin();
    if (!w)
        return;
    Tprintform *form = printform();
    if (form->exec() != QDialog::Accepted)
        return;
    const auto valg = form->laesValg();
    if (!valg)
        return;
    if (QPrinterInfo::defaultPrinter().isNull()) {
        // Without a printer the print can still be had, as a PDF file.
        if (spoerg(QStringLiteral("Der er ingen printer.\rSkal dokumentet gemmes som PDF-fil i stedet?")) != Tspmform::Ja)
            return;
        const QFileInfo dok(w->Filnavn.isEmpty() ? QDir::current().filePath(QStringLiteral("IkkeNavngivet")) : w->Filnavn);
        QString pdf = shell::vaelgFil(this, shell::FilvalgMode::Gem,
                                      dok.absolutePath() + u'/' + dok.completeBaseName() + QStringLiteral(".pdf"));
        if (pdf.isEmpty())
            return;
        if (!pdf.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            pdf += QStringLiteral(".pdf");
        if (QFileInfo::exists(pdf)) {
            Tspmform::Knapper knapper;
            knapper.standard = Tspmform::Nej;
            if (spoerg(QStringLiteral("Filen ") + QFileInfo(pdf).fileName()
                           + QStringLiteral(" eksisterer allerede!\rSkal den overskrives?"), knapper) != Tspmform::Ja)
                return;
        }
        const QString fejl = printing::udskrivPdf(w->Edit, pdf, valg->margener, valg->kopier);
        if (!fejl.isEmpty())
            platform::errorBox(this, fejl);
        else
            visInfo(QStringLiteral("Dokumentet er gemt som ") + pdf);
        return;
    }
    const std::unique_ptr<QPrinter> printer = TEditor::lavPrinter();
    const QString fejl = printing::udskriv(w->Edit, printer.get(), valg->margener, valg->kopier);
    if (!fejl.isEmpty())
        platform::errorBox(this, fejl);
}

Teditfontform *Tmainform::editfontform()
{
    if (!m_editfontform)
        m_editfontform = new Teditfontform(this);
    return m_editfontform;
}

Tegenskabsform *Tmainform::egenskabsform()
{
    if (!m_egenskabsform) {
        m_egenskabsform = new Tegenskabsform(this, editfontform());
        // The information tree's folding is kept with the information browser.
        connect(m_egenskabsform, &Tegenskabsform::autoUdfoldAendret, this, [this](bool on) {
            infoform()->autoUdfold = on;
        });
    }
    return m_egenskabsform;
}

void Tmainform::mEgenskaberClick()
{
    egenskabsform()->autoUdfold = infoform()->autoUdfold;
    egenskabsform()->vis();
    if (Twinform *w = aktivWin())
        w->Edit->setFocus();
}

void Tmainform::skiftEditorFont()
{
    const QFont f = editorFont();
    for (Twinform *w : dokumenter())
        w->Edit->setEditorFont(f);
}
