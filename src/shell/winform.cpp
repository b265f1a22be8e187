#include "shell/winform.h"

#include "core/programfolder.h"
#include "editor/editor.h"
#include "platform/infobox.h"
#include "shell/dokumentnavne.h"
#include "shell/mainform.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

Twinform::Twinform(Tmainform *main)
    : QMdiSubWindow(nullptr), m_main(main)
{
    setObjectName(QStringLiteral("Twinform"));
    setAttribute(Qt::WA_DeleteOnClose);
    opstart = true;
    Filnavn = main->newDocFilename;
    docNo = main->newCount;

    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Tool bars by type; all hidden until the document's type is known.
    auto *bars = new QHBoxLayout;
    bars->setContentsMargins(0, 0, 0, 0);
    bars->setSpacing(0);
    toolbarHtml = lavToolbar(QStringLiteral("toolbarHtml"), &infoEditHtml, QStringLiteral("infoEditHtml"));
    toolbarCss = lavToolbar(QStringLiteral("toolbarCss"), &infoEditCss, QStringLiteral("infoEditCss"));
    toolbarScript = lavToolbar(QStringLiteral("toolbarScript"), &findEdit, QStringLiteral("findEdit"));
    toolbarAsp = lavToolbar(QStringLiteral("toolbarAsp"), &infoEditAsp, QStringLiteral("infoEditAsp"));
    AspObjToolbar = lavToolbar(QStringLiteral("AspObjToolbar"), nullptr, {});
    toolbarJs = lavToolbar(QStringLiteral("toolbarJs"), &infoEditJs, QStringLiteral("infoEditJs"));
    toolbarAndet = lavToolbar(QStringLiteral("toolbarAndet"), &findEditAndet, QStringLiteral("findEditAndet"));
    toolbarFtp = lavToolbar(QStringLiteral("toolbarFtp"), nullptr, {});

    for (QToolBar *bar : {toolbarHtml, toolbarCss, toolbarScript, toolbarAsp, AspObjToolbar, toolbarJs, toolbarAndet})
        bars->addWidget(bar);
    bars->addStretch(1);
    bars->addWidget(toolbarFtp);
    layout->addLayout(bars);

    Edit = new TEditor;
    Edit->setObjectName(QStringLiteral("Edit"));
    Edit->setEditorFont(main->editorFont());
    Edit->setLinjenumre(main->linjenumre());
    // Ctrl+K, Ctrl+L, Ctrl+T … mean something to the edit control too; the program's
    // commands take them.
    Edit->setProgramGenvej([main](const QKeyEvent *key) { return main->erProgramGenvej(key); });
    connect(Edit, &TEditor::kontekstmenu, main, &Tmainform::visEditMenu);
    connect(Edit, &TEditor::caretMoved, this, &Twinform::XYinfo);
    connect(Edit, &TEditor::linesChanged, this, &Twinform::XYinfo);
    connect(Edit, &TEditor::modificationChanged, main, [main] { main->opdaterActions(); });
    connect(Edit, &TEditor::tastSluppet, this, &Twinform::afterCaretMove);
    connect(Edit, &TEditor::museSluppet, this, &Twinform::afterCaretMove);
    connect(Edit, &TEditor::museTrykket, main, [main] { main->infoS.clear(); });
    connect(Edit, &TEditor::filerSluppet, main, &Tmainform::aabnDroppedeFiler);
    lavObjektPanel();
    layout->addWidget(strukturSplitter, 1);
    fyldRedskaber();

    uploadInfo = new QPlainTextEdit;
    uploadInfo->setObjectName(QStringLiteral("uploadInfo"));
    uploadInfo->setReadOnly(true);
    uploadInfo->setMaximumHeight(100);
    uploadInfo->hide();
    layout->addWidget(uploadInfo);

    Info = new QStatusBar;
    Info->setObjectName(QStringLiteral("Info"));
    Info->setSizeGripEnabled(false);
    for (int i = 0; i < 5; ++i) {
        infoFelt[i] = new QLabel;
        infoFelt[i]->setObjectName(QStringLiteral("Info%1").arg(i));
        infoFelt[i]->setContentsMargins(4, 0, 4, 0);
        Info->addWidget(infoFelt[i], i == 4 ? 1 : 0);
    }
    infoFelt[0]->setText(QStringLiteral("Linier"));
    infoFelt[2]->setText(QStringLiteral("Pos"));
    infoFelt[1]->setMinimumWidth(60);
    infoFelt[3]->setMinimumWidth(80);
    kodningFelt = new QLabel;
    kodningFelt->setObjectName(QStringLiteral("kodningFelt"));
    kodningFelt->setContentsMargins(4, 0, 4, 0);
    Info->addPermanentWidget(kodningFelt);
    layout->addWidget(Info);

    setWidget(body);
    // The window's own menu would close it on Ctrl+W and Ctrl+F4; those keys are the
    // program's (Ctrl+W pastes from information). Only "Luk dokument" closes a document.
    if (QMenu *menu = systemMenu())
        for (QAction *a : menu->actions())
            a->setShortcuts({});
    main->fyldFtpBar(this);
    resize(640, 440);
}

QToolBar *Twinform::lavToolbar(const QString &name, QLineEdit **search, const QString &searchName)
{
    auto *bar = new QToolBar;
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    bar->setFloatable(false);
    bar->setMovable(false);
    if (search) {
        *search = new QLineEdit;
        (*search)->setObjectName(searchName);
        (*search)->setFixedWidth(140);
        (*search)->setClearButtonEnabled(true);
    }
    bar->hide();
    return bar;
}

void Twinform::InfoCap()
{
    if (!Filnavn.isEmpty())
        docExt = shell::extensionOf(Filnavn);
    capNavn = shell::capNavnFor(docNo, Filnavn, docExt);
    setWindowTitle(capNavn);
    Edit->setSprog(docExt);   // before the text: colouring a large page twice costs seconds
    indlaesFil();
    setModified(false);
    m_main->opdaterOvervaagning();
    infoFilnavn(Filnavn);
    visKodning();
    visRedskabslinie();
    m_main->InsertTab(capNavn);
    m_main->SetTCindex();
    XYinfo();
}

void Twinform::indlaesFil()
{
    if (const QString *gendannet = m_main->gendannetTekst()) {
        Edit->setText(*gendannet);   // a restored text: the file on disk is left as it is
        stempel = core::FilStempel::afFil(Filnavn);
        return;
    }
    if (Filnavn.isEmpty() || !QFileInfo(Filnavn).isFile())
        return;
    QString text;
    const core::ReadResult r = core::readTextFile(Filnavn, text, &encoding, &stempel);
    if (!r.ok) {
        platform::errorBox(m_main, QStringLiteral("Filen %1 kan ikke læses.\r%2").arg(Filnavn, r.error));
        return;
    }
    // The edit control keeps single line breaks; saving writes CR LF again.
    linjeskift = core::linjeskiftNavn(text);
    Edit->setText(text);
}

bool Twinform::genindlaes()
{
    QString text;
    core::Encoding enc = encoding;
    core::FilStempel nyt;
    const core::ReadResult r = core::readTextFile(Filnavn, text, &enc, &nyt);
    if (!r.ok) {
        platform::errorBox(m_main, QStringLiteral("Filen %1 kan ikke læses.\r%2").arg(Filnavn, r.error));
        return false;
    }
    const int linje = Edit->caretLine();
    Edit->setText(text);
    encoding = enc;
    linjeskift = core::linjeskiftNavn(text);
    visKodning();
    stempel = nyt;
    fremmedStempel = {};
    Edit->setCaretPos(Edit->lineStart(std::min(linje, Edit->lineCount() - 1)));
    setModified(false);
    XYinfo();
    return true;
}

void Twinform::skiftNavn()
{
    const QString old = capNavn;
    capNavn = shell::lavCapNavn(docNo, Filnavn);
    m_main->RenameTab(old, capNavn);
    setWindowTitle(QFileInfo(Filnavn).fileName());
    docExt = shell::extensionOf(Filnavn);
    infoFilnavn(Filnavn);
    visRedskabslinie();
    m_main->opdaterOvervaagning();
}

void Twinform::XYinfo()
{
    // The caret is taken at the end of the selection.
    infoFelt[1]->setText(QString::number(Edit->lineCount()));
    infoFelt[3]->setText(QStringLiteral("%1,%2").arg(Edit->caretColumn()).arg(Edit->caretLine() + 1));
}

void Twinform::infoFilnavn(const QString &text)
{
    infoFelt[4]->setText(text);
    Info->setToolTip(text);
}

void Twinform::visKodning()
{
    // A new text gets the line breaks it will be saved with.
    const QString skift = linjeskift.isEmpty() ? QStringLiteral("CR LF") : linjeskift;
    kodningFelt->setText(core::encodingName(encoding) + QStringLiteral("   ") + skift);
    kodningFelt->setToolTip(skift == u"CR LF" ? QStringLiteral("Tegnkodning og linjeskift")
                                             : QStringLiteral("Tegnkodning og linjeskift; dokumentet gemmes med CR LF"));
}

void Twinform::visRedskabslinie()
{
    Edit->setSprog(docExt);
    setWindowIcon(QIcon::fromTheme(docExt == QLatin1String(".html") ? QStringLiteral("text-html")
                                   : docExt == QLatin1String(".css") ? QStringLiteral("text-css")
                                   : docExt == QLatin1String(".js") ? QStringLiteral("application-javascript")
                                   : QStringLiteral("text-plain")));
    // Only one type's tool bar shows at a time, also after a change of extension.
    for (QToolBar *bar : {toolbarHtml, toolbarCss, toolbarJs, toolbarAsp, AspObjToolbar, toolbarScript, toolbarAndet})
        bar->hide();
    const QString e = docExt;
    if (e == QLatin1String(".html")) {
        toolbarHtml->show();
    } else if (e == QLatin1String(".css")) {
        toolbarCss->show();
    } else if (e == QLatin1String(".js")) {
        toolbarJs->show();
    } else if (e == QLatin1String(".asp") || e == QLatin1String(".inc") || e == QLatin1String(".asa")) {
        toolbarAsp->show();
        AspObjToolbar->show();
    } else if (e == QLatin1String(".vbs") || e == QLatin1String(".wsf")) {
        toolbarScript->show();
    } else {
        toolbarAndet->show();
    }
    indlaesObjektStruktur();
}

namespace {
QLineEdit *firstVisibleSearch(const Twinform *w)
{
    const std::pair<QToolBar *, QLineEdit *> order[] = {
        {w->toolbarHtml, w->infoEditHtml}, {w->toolbarCss, w->infoEditCss},
        {w->toolbarScript, w->findEdit},   {w->toolbarAsp, w->infoEditAsp},
        {w->toolbarJs, w->infoEditJs},     {w->toolbarAndet, w->findEditAndet}};
    for (const auto &[bar, edit] : order)
        if (!bar->isHidden())
            return edit;
    return nullptr;
}
}

QString Twinform::getTekst() const
{
    const QLineEdit *e = firstVisibleSearch(this);
    return e ? e->text() : QString();
}

void Twinform::setTekst(const QString &text)
{
    if (QLineEdit *e = firstVisibleSearch(this))
        e->setText(text);
}

bool Twinform::getFokus()
{
    const QLineEdit *e = firstVisibleSearch(this);
    editFocus = e && e->hasFocus();
    return editFocus;
}

void Twinform::setFokus()
{
    if (QLineEdit *e = firstVisibleSearch(this))
        e->setFocus();
}

bool Twinform::isModified() const { return Edit->isModified(); }

void Twinform::setModified(bool modified) { Edit->setModified(modified); }

QString Twinform::text() const { return Edit->text(); }

void Twinform::FormActivate()
{
    XYinfo();
    infoFilnavn(Filnavn);
    if (opstart)
        opstart = false;
    else
        m_main->SetTCindex();
    m_main->attachEditor(Edit);
    m_main->getKode();
    // Typing goes to the page as soon as its window is the active one.
    Edit->setFocus();
}

void Twinform::afterCaretMove()
{
    XYinfo();
    m_main->getKode();
}

void Twinform::resizeEvent(QResizeEvent *event)
{
    QMdiSubWindow::resizeEvent(event);
    if (Edit)
        XYinfo();
}

void Twinform::closeEvent(QCloseEvent *event)
{
    if (isModified()) {
        const QString navn = Filnavn.isEmpty() ? capNavn : QFileInfo(Filnavn).fileName();
        const auto svar = m_main->spoerg(QStringLiteral("Filen ") + navn
                                         + QStringLiteral(" er modificeret!\rSkal den gemmes?"));
        if (svar == Tspmform::Annuller) {
            m_main->LukProgram = false;
            event->ignore();
            return;
        }
        if (svar == Tspmform::Ja && !m_main->Gem(this)) {
            // Not saved (dialog cancelled or the write failed): the window and its text stay,
            // and a running exit or close-all stops as it would on "Annuller".
            m_main->LukProgram = false;
            event->ignore();
            return;
        }
    }
    m_main->dokumentLukker(this);
    event->accept();
    QMdiSubWindow::closeEvent(event);
}
