#include "generators/musikside.h"

#include "codewriting/dokumentvaert.h"
#include "codewriting/taginfo.h"
#include "generators/afspilningsliste.h"
#include "generators/sidehjaelp.h"
#include "platform/infobox.h"
#include "platform/navneikoner.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace generators;

namespace {
const QString kStandardNavn = QStringLiteral("Afspilningsliste");

QToolButton *tekstKnap(const char *name, const QString &caption, const QString &hint = {})
{
    auto *b = navngiv(new QToolButton, name);
    b->setText(caption);
    b->setToolTip(hint);
    return b;
}
}

TMusikside::TMusikside(TDokumentVaert *mainform) : QObject(mainform->vaertsvindue()), m(mainform)
{
    // Like a drive without a chosen folder: the root of the file system.
    mfMappe = QDir::rootPath();

    side4 = navngiv(new QWidget, "side4");
    auto *page = new QHBoxLayout(side4);
    page->setContentsMargins(2, 2, 2, 2);

    auto *info = new QVBoxLayout;
    infMusikOgFilm = infoKnap(m, "infMusikOgFilm", QStringLiteral("Information: Musik og film"),
                              QStringLiteral("Programmet.txt"), QStringLiteral("Musik og film"));
    infAudioVideoKoder = infoKnap(m, "infAudioVideoKoder", QStringLiteral("Information om audio-koden"),
                                  QStringLiteral("Information.txt"), QStringLiteral("audio"));
    info->addWidget(infMusikOgFilm);
    info->addWidget(infAudioVideoKoder);
    info->addStretch(1);
    page->addLayout(info);

    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    mfListenavnEdit = navngiv(new QLineEdit(kStandardNavn), "mfListenavnEdit");
    mfListenavnEdit->installEventFilter(this);
    grid->addWidget(new QLabel(QStringLiteral("Afspilningslistes navn")), 0, 0);
    grid->addWidget(mfListenavnEdit, 0, 1);
    mfMappeLabel = navngiv(new QLabel(QStringLiteral("Musikmappe")), "mfMappeLabel");
    mfMappeEdit = navngiv(new QLineEdit, "mfMappeEdit");
    mfMappeEdit->setReadOnly(true);
    mfMappeKnap = tekstKnap("mfMappeKnap", QStringLiteral("Vælg mappe"));
    grid->addWidget(mfMappeLabel, 1, 0);
    grid->addWidget(mfMappeEdit, 1, 1);
    grid->addWidget(mfMappeKnap, 1, 2);
    mfUrlLabel = navngiv(new QLabel, "mfUrlLabel");
    mfUrlKnap = tekstKnap("mfUrlKnap", QString());
    grid->addWidget(mfUrlLabel, 2, 0);
    grid->addWidget(mfUrlKnap, 2, 2);
    mfUdskrivSide = tekstKnap("mfUdskrivSide", QStringLiteral("Udskriv hjemmeside"),
                              QStringLiteral("Udskriv hjemmesiden med afspilningslisten"));
    mfClearKnap = tekstKnap("mfClearKnap", QStringLiteral("Opret ny liste"),
                            QStringLiteral("Slet listerne og klargør til ny afspilningsliste"));
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(mfUdskrivSide);
    knapper->addWidget(mfClearKnap);
    knapper->addStretch(1);
    grid->addLayout(knapper, 3, 1, 1, 2);
    page->addLayout(grid);

    mfTypeCheck = navngiv(new QGroupBox(QStringLiteral("Type")), "mfTypeCheck");
    auto *typer = new QVBoxLayout(mfTypeCheck);
    typer->setContentsMargins(4, 2, 4, 2);
    mfTyper = new QButtonGroup(mfTypeCheck);
    for (const QString &t : {QStringLiteral("Audio"), QStringLiteral("Video")}) {
        auto *r = new QRadioButton(t);
        mfTyper->addButton(r, int(mfTyper->buttons().size()));
        typer->addWidget(r);
    }
    mfTyper->button(0)->setChecked(true);
    page->addWidget(mfTypeCheck, 0, Qt::AlignTop);

    auto liste = [&](const char *name, const QString &label, const char *actionName, QAction *&action) {
        auto *col = new QVBoxLayout;
        col->setSpacing(1);
        col->addWidget(new QLabel(label));
        auto *l = navngiv(new QListWidget, name);
        l->setContextMenuPolicy(Qt::CustomContextMenu);
        action = new QAction(QStringLiteral("Fjern aktuelle musikstykke"), l);
        action->setObjectName(QString::fromLatin1(actionName));
        connect(l, &QListWidget::customContextMenuRequested, l, [l, action](const QPoint &pos) {
            QMenu menu;
            menu.addAction(action);
            menu.exec(l->viewport()->mapToGlobal(pos));
        });
        col->addWidget(l);
        page->addLayout(col, 1);
        return l;
    };
    mfUrlliste = liste("mfUrlliste", QStringLiteral("Urlliste"), "mFjernUrl", mFjernUrl);
    mfTitelliste = liste("mfTitelliste", QStringLiteral("Titelliste"), "mFjernTitel", mFjernTitel);

    mappeDia = navngiv(new QFileDialog(m->vaertsvindue()), "mappeDia");
    mappeDia->setFileMode(QFileDialog::Directory);
    mappeDia->setOption(QFileDialog::ShowDirsOnly);
    mfUrlDia = navngiv(new QFileDialog(m->vaertsvindue()), "mfUrlDia");
    mfUrlDia->setFileMode(QFileDialog::ExistingFiles);
    mfUrlDia->setNameFilter(QStringLiteral("Alle filer (*)"));
    for (QFileDialog *d : {mappeDia, mfUrlDia})
        platform::brugNavneIkoner(d);

    connect(mfTyper, &QButtonGroup::idClicked, this, &TMusikside::mfTypeCheckClick);
    connect(mfMappeKnap, &QToolButton::clicked, this, &TMusikside::mfMappeKnapClick);
    connect(mfUrlKnap, &QToolButton::clicked, this, &TMusikside::mfUrlKnapClick);
    connect(mfUdskrivSide, &QToolButton::clicked, this, &TMusikside::mfUdskrivSideClick);
    connect(mfClearKnap, &QToolButton::clicked, this, &TMusikside::mfClearKnapClick);
    connect(mFjernUrl, &QAction::triggered, this, &TMusikside::mFjernUrlClick);
    connect(mFjernTitel, &QAction::triggered, this, &TMusikside::mFjernTitelClick);
    mfTypeCheckClick();
    infAudioVideoKoder->setToolTip(QStringLiteral("Information om audio-koden"));
}

bool TMusikside::video() const
{
    return mfTyper->checkedId() == 1;
}

void TMusikside::mfTypeCheckClick()
{
    const bool v = video();
    auto tekst = [v](const char *audio, const char *video) { return QString::fromUtf8(v ? video : audio); };
    mfMappeLabel->setText(tekst("Musikmappe", "Filmmappe"));
    mfMappeKnap->setToolTip(tekst("Vælg grundmappe for alt musik der skal med i afspilningslisten",
                                  "Vælg grundmappe for alle film der skal med i afspilningslisten"));
    mfUrlLabel->setText(tekst("Opret musikliste", "Opret filmliste"));
    mfUrlKnap->setText(tekst("Vælg musik", "Vælg film"));
    mfUrlKnap->setToolTip(tekst("Vælg musik ud fra grundmappen", "Vælg film ud fra grundmappen"));
    infAudioVideoKoder->setToolTip(tekst("Information om Audio-koden", "Information om Video-koden"));
    mappeDia->setWindowTitle(tekst("Vælg musikmappe", "Vælg filmmappe"));
    mfUrlDia->setWindowTitle(tekst("Vælg musik til afspilningslisten", "Vælg film til afspilningslisten"));
    infAudioVideoKoder->setProperty("infoTitel", tekst("audio", "video"));
}

void TMusikside::mfMappeKnapClick()
{
    mappeDia->setDirectory(mfMappe.isEmpty() ? QDir::currentPath() : mfMappe);
    if (mappeDia->exec() == QDialog::Accepted && !mappeDia->selectedFiles().isEmpty())
        vaelgMappe(mappeDia->selectedFiles().first());
}

void TMusikside::vaelgMappe(const QString &mappe)
{
    mfMappe = mappe.endsWith(u'/') ? mappe : mappe + u'/';
    mfMappeEdit->setText(mfMappe);
    mfMappeEdit->setToolTip(mfMappe);
}

bool TMusikside::grundmappeOk()
{
    if (mfMappe.isEmpty()) {
        platform::infoBox(m->vaertsvindue(), QStringLiteral("Der mangler en grundurl.\rVælg mappe."));
        return false;
    }
    if (!QFileInfo(mfMappe).isDir()) {
        platform::infoBox(m->vaertsvindue(), QStringLiteral("Grundurlen blev ikke fundet!\rVælg mappe."));
        return false;
    }
    return true;
}

void TMusikside::mfUrlKnapClick()
{
    if (!grundmappeOk())
        return;
    mfUrlDia->setDirectory(mfMappe.isEmpty() ? QDir::currentPath() : mfMappe);
    if (mfUrlDia->exec() == QDialog::Accepted)
        tilfoejFiler(mfUrlDia->selectedFiles());
}

void TMusikside::tilfoejFiler(const QStringList &filer)
{
    for (const QString &fil : filer) {
        const QString adresse = relativAdresse(fil, mfMappe);
        if (adresse.isEmpty()) {
            platform::infoBox(m->vaertsvindue(), QStringLiteral("Fejl i oprettelsen af urlliste.\rDer er muligvist ikke valgt ud fra "
                                                "grundurlen..\rVælg igen!"));
            return;
        }
        mfUrlliste->addItem(adresse);
        mfTitelliste->addItem(titelAf(fil));
    }
}

void TMusikside::fjern(QListWidget *liste)
{
    const int row = liste->currentRow();
    if (row < 0) {
        platform::infoBox(m->vaertsvindue(), QStringLiteral("Der er ikke valgt et element i listen!"));
        return;
    }
    for (QListWidget *l : {mfUrlliste, mfTitelliste})
        delete l->takeItem(row);
}

void TMusikside::mFjernUrlClick() { fjern(mfUrlliste); }
void TMusikside::mFjernTitelClick() { fjern(mfTitelliste); }

void TMusikside::mfClearKnapClick()
{
    mfListenavnEdit->setText(kStandardNavn);
    mfEditClear = true;
    mfUrlliste->clear();
    mfTitelliste->clear();
}

bool TMusikside::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mfListenavnEdit && event->type() == QEvent::FocusIn && mfEditClear) {
        mfEditClear = false;
        mfListenavnEdit->clear();
    }
    return QObject::eventFilter(watched, event);
}

TEditor *TMusikside::mfUdskrivSideClick()
{
    if (mfUrlliste->count() == 0) {
        platform::infoBox(m->vaertsvindue(), QStringLiteral("Vælg filer til afspilning!"));
        return nullptr;
    }
    QStringList adresser, titler;
    for (int i = 0; i < mfUrlliste->count(); ++i) {
        adresser << mfUrlliste->item(i)->text();
        titler << (i < mfTitelliste->count() ? mfTitelliste->item(i)->text() : QString());
    }
    const QStringList lines = afspilningsside(video() ? Medietype::Video : Medietype::Audio, mfListenavnEdit->text(),
                                              mfMappe, adresser, titler);
    return m->nytDokument(QStringLiteral(".html"), lines.join(u'\n'));
}
