#include "generators/specialtegnside.h"

#include "codewriting/dokumentvaert.h"
#include "codewriting/taginfo.h"
#include "core/programfolder.h"
#include "core/textfile.h"
#include "generators/kodeskrivere.h"
#include "generators/sidehjaelp.h"
#include "generators/specialtegn.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace generators;

TSpecialtegnSide::TSpecialtegnSide(TDokumentVaert *mainform) : QObject(mainform->vaertsvindue()), m(mainform)
{
    AudskrivUnicode = dokumentAction(m, "AudskrivUnicode", QStringLiteral("Udskriv"), QString());
    AudskiftTegn = dokumentAction(m, "AudskiftTegn", QStringLiteral("Udskift"),
                                  QStringLiteral("Udskift mere-end og mindre-end tegnene i valgte tekst"));
    AannullerUdskift = dokumentAction(m, "AannullerUdskift", QStringLiteral("Annuller"),
                                      QStringLiteral("Annuller udskiftningen af tegn"));
    connect(AudskrivUnicode, &QAction::triggered, this, &TSpecialtegnSide::AudskrivUnicodeExecute);
    connect(AudskiftTegn, &QAction::triggered, this, &TSpecialtegnSide::AudskiftTegnExecute);
    connect(AannullerUdskift, &QAction::triggered, this, &TSpecialtegnSide::AannullerUdskiftExecute);

    PUspecialtegn = navngiv(new QMenu(m->vaertsvindue()), "PUspecialtegn");
    auto entitet = [this](const char *name, const QString &caption, const QString &hint, const QString &text) {
        QAction *a = PUspecialtegn->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setStatusTip(hint);
        connect(a, &QAction::triggered, this, [this, text] { skrivEntitet(text); });
        return a;
    };
    MxMellemrum = entitet("MxMellemrum", QStringLiteral("Mellemrum"), QStringLiteral("Udskriver et ekstra mellemrum"),
                          QStringLiteral("&nbsp;"));
    MxGreaterThan = entitet("MxGreaterThan", QStringLiteral("Større end"), QString(), QStringLiteral("&gt;"));
    MxMindreEnd = entitet("MxMindreEnd", QStringLiteral("Mindre end"), QString(), QStringLiteral("&lt;"));
    MxSpecialtegn = entitet("MxSpecialtegn", QStringLiteral("Ampersant"), QString(), QStringLiteral("&amp;"));

    side5 = navngiv(new QWidget, "side5");
    auto *page = new QHBoxLayout(side5);
    page->setContentsMargins(2, 2, 2, 2);
    auto *info = new QVBoxLayout;
    infSpecialtegn = infoKnap(m, "infSpecialtegn", QStringLiteral("Information: Specialtegn"),
                              QStringLiteral("Programmet.txt"), QStringLiteral("Specialtegn"));
    info->addWidget(infSpecialtegn);
    info->addStretch(1);
    page->addLayout(info);

    auto *listCol = new QVBoxLayout;
    listCol->setSpacing(1);
    auto *filer = navngiv(new QToolBar, "uniFiler");
    filer->setIconSize(QSize(12, 12));
    const struct { const char *name, *caption, *hint, *file; } knapper[] = {
        {"uniBlandet", "B", "Blandede tegn", "blandet.txt"},
        {"uniTal", "1", "Tal i cirkler", "tal.txt"},
        {"uniBogstaver", "A", "Bogstaver i cirkler", "bogstaver.txt"},
        {"uniGreek", "ß", "Det græske alfabet", "det græske alfabet.txt"},
        {"uniRomertal", "IV", "Romertal", "romertal.txt"},
        {"uniFractions", "½", "Brøker og super/sub-script", "brøker og script.txt"},
        {"uniMat", "±", "Matematiske tegn", "matematik.txt"},
        {"uniSpil", "S", "Skak og kort", "skak og kort.txt"},
    };
    for (const auto &k : knapper) {
        QAction *a = filer->addAction(QString::fromUtf8(k.caption));
        a->setObjectName(QString::fromLatin1(k.name));
        a->setToolTip(QString::fromUtf8(k.hint));
        const QString file = QString::fromUtf8(k.file);
        connect(a, &QAction::triggered, this, [this, file] { hentTegnfil(file); });
    }
    uniListe = navngiv(new QListWidget, "uniListe");
    listCol->addWidget(filer);
    listCol->addWidget(uniListe, 1);
    page->addLayout(listCol, 1);

    auto *memoCol = new QVBoxLayout;
    memoCol->setSpacing(1);
    uniMemo = navngiv(new QPlainTextEdit, "uniMemo");
    uniMedSpan = navngiv(new QCheckBox(QStringLiteral("Med fontdefinition")), "uniMedSpan");
    uniMedSpan->setToolTip(QStringLiteral("Der indføres en span-kode med style"));
    uniMedMellemrum = navngiv(new QCheckBox(QStringLiteral("Mellemrum efter tegnet")), "uniMedMellemrum");
    uniNyLinie = navngiv(new QCheckBox(QStringLiteral("Med ny linie")), "uniNyLinie");
    uniNyLinie->setToolTip(QStringLiteral("Med ny linie i editoren"));
    memoCol->addWidget(uniMemo, 1);
    auto *checks = new QHBoxLayout;
    checks->addWidget(uniMedSpan);
    checks->addWidget(uniMedMellemrum);
    checks->addWidget(uniNyLinie);
    checks->addWidget(actionKnap("uniKnap", AudskrivUnicode));
    memoCol->addLayout(checks);
    page->addLayout(memoCol, 2);

    auto *udskift = new QVBoxLayout;
    udskift->addWidget(new QLabel(QStringLiteral("Udskift < og > i valgte tekst")));
    udskift->addWidget(actionKnap("udskiftKnap", AudskiftTegn));
    udskift->addWidget(actionKnap("annullerUdskiftKnap", AannullerUdskift));
    udskift->addStretch(1);
    page->addLayout(udskift);

    connect(uniListe, &QListWidget::currentRowChanged, this, &TSpecialtegnSide::uniListeClick);
    connect(uniMedSpan, &QCheckBox::toggled, this, &TSpecialtegnSide::uniListeClick);
    connect(uniMedMellemrum, &QCheckBox::toggled, this, &TSpecialtegnSide::uniListeClick);
    hentTegnfil(QStringLiteral("blandet.txt"));
}

void TSpecialtegnSide::hentTegnfil(const QString &filnavn)
{
    const QString path = core::ProgramFolder::programDir() + QStringLiteral("Dir/Unicode/") + filnavn;
    QStringList lines;
    if (!QFileInfo(path).isFile() || !core::readLines(path, lines).ok)
        return;
    uniListe->clear();
    uniStringlist = lines;
    uniListe->addItems(tegnNavne(lines));
}

void TSpecialtegnSide::uniListeClick()
{
    const int k = uniListe->currentRow();
    if (k < 0)
        return;
    uniMemo->setPlainText(uniTekst(uniStringlist, k, uniMedSpan->isChecked(), uniMedMellemrum->isChecked()));
}

void TSpecialtegnSide::AudskrivUnicodeExecute()
{
    const QString text = uniMemo->toPlainText();
    if (uniNyLinie->isChecked()) {
        begyndPaaTomLinie(*m->tagKomponent());
        m->tagKomponent()->InsertLine(text, true, false, false);
    } else {
        m->tagKomponent()->UdskrivKode(text, QString());
    }
    m->winInfo();
}

void TSpecialtegnSide::skrivEntitet(const QString &entitet)
{
    m->tagKomponent()->UdskrivKode(entitet, QString());
    m->winInfo();
}

TEditor *TSpecialtegnSide::editor() const
{
    return m->tagKomponent()->Editor();
}

void TSpecialtegnSide::AudskiftTegnExecute()
{
    TEditor *edit = editor();
    if (!edit)
        return;
    if (!edit->hasSelection())
        edit->selectAll();
    const QString selected = edit->SelText();
    // The clipboard keeps the text as it was, for "Annuller".
    QApplication::clipboard()->setText(selected);
    const qsizetype start = edit->SelStart();
    const QString converted = udskiftTegn(selected);
    edit->replaceSelection(converted);
    edit->setSelection(start, start + kontrolTekst(converted).size());
    edit->setFocus();
}

void TSpecialtegnSide::AannullerUdskiftExecute()
{
    TEditor *edit = editor();
    if (!edit)
        return;
    const qsizetype start = edit->SelStart();
    edit->replaceSelection(QApplication::clipboard()->text());
    edit->setCaretPos(start);
    edit->setFocus();
}
