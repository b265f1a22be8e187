#include "search/finddialog.h"

#include "codewriting/dokumentvaert.h"
#include "editor/editor.h"
#include "search/dokumentsoegning.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfindDialog::TfindDialog(TDokumentVaert *vaert, bool erstat, QWidget *parent)
    : QDialog(parent, Qt::Tool), m_vaert(vaert), m_erstat(erstat)
{
    setObjectName(erstat ? QStringLiteral("ReplaceDialog") : QStringLiteral("FindDialog"));
    setWindowTitle(erstat ? QStringLiteral("Erstat") : QStringLiteral("Find"));
    setModal(false);

    findEdit = new QLineEdit;
    findEdit->setObjectName(QStringLiteral("findEdit"));
    findEdit->setMinimumWidth(240);
    heleOrdCheck = new QCheckBox(QStringLiteral("Kun hele ord"));
    heleOrdCheck->setObjectName(QStringLiteral("heleOrdCheck"));
    forskelCheck = new QCheckBox(QStringLiteral("Forskel på store og små bogstaver"));
    forskelCheck->setObjectName(QStringLiteral("forskelCheck"));
    findKnap = new QPushButton(QStringLiteral("Find næste"));
    findKnap->setObjectName(QStringLiteral("findKnap"));
    findKnap->setDefault(true);
    annullerKnap = new QPushButton(QStringLiteral("Annuller"));
    annullerKnap->setObjectName(QStringLiteral("annullerKnap"));
    annullerKnap->setAutoDefault(false);
    connect(findKnap, &QPushButton::clicked, this, [this] { findNaeste(); });
    connect(annullerKnap, &QPushButton::clicked, this, &QDialog::close);
    connect(findEdit, &QLineEdit::textChanged, this, &TfindDialog::opdater);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Søg efter:")), 0, 0);
    grid->addWidget(findEdit, 0, 1);
    auto *knapper = new QVBoxLayout;
    knapper->addWidget(findKnap);
    if (erstat) {
        erstatEdit = new QLineEdit;
        erstatEdit->setObjectName(QStringLiteral("erstatEdit"));
        grid->addWidget(new QLabel(QStringLiteral("Erstat med:")), 1, 0);
        grid->addWidget(erstatEdit, 1, 1);
        erstatKnap = new QPushButton(QStringLiteral("Erstat"));
        erstatKnap->setObjectName(QStringLiteral("erstatKnap"));
        erstatKnap->setAutoDefault(false);
        erstatAlleKnap = new QPushButton(QStringLiteral("Erstat alle"));
        erstatAlleKnap->setObjectName(QStringLiteral("erstatAlleKnap"));
        erstatAlleKnap->setAutoDefault(false);
        connect(erstatKnap, &QPushButton::clicked, this, [this] { this->erstat(); });
        connect(erstatAlleKnap, &QPushButton::clicked, this, [this] { erstatAlle(); });
        knapper->addWidget(erstatKnap);
        knapper->addWidget(erstatAlleKnap);
    }
    knapper->addWidget(annullerKnap);
    knapper->addStretch();

    auto *valgLayout = new QHBoxLayout;
    auto *checks = new QVBoxLayout;
    checks->addWidget(heleOrdCheck);
    checks->addWidget(forskelCheck);
    valgLayout->addLayout(checks);
    opRadio = new QRadioButton(QStringLiteral("Op"));
    opRadio->setObjectName(QStringLiteral("opRadio"));
    nedRadio = new QRadioButton(QStringLiteral("Ned"));
    nedRadio->setObjectName(QStringLiteral("nedRadio"));
    nedRadio->setChecked(true);
    if (!erstat) {
        auto *retning = new QGroupBox(QStringLiteral("Retning"));
        auto *rl = new QHBoxLayout(retning);
        rl->addWidget(opRadio);
        rl->addWidget(nedRadio);
        valgLayout->addWidget(retning);
    }
    grid->addLayout(valgLayout, 2, 0, 1, 2);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(knapper);
    opdater();
}

void TfindDialog::vis()
{
    if (TEditor *edit = m_vaert->aktivEditor()) {
        const QString sel = edit->SelText();
        if (!sel.isEmpty() && !sel.contains(u'\n'))
            findEdit->setText(sel);
    }
    show();
    raise();
    activateWindow();
    findEdit->setFocus();
    findEdit->selectAll();
}

search::SoegeValg TfindDialog::valg() const
{
    return {heleOrdCheck->isChecked(), forskelCheck->isChecked()};
}

void TfindDialog::opdater()
{
    const bool harTekst = !findEdit->text().isEmpty();
    findKnap->setEnabled(harTekst);
    if (erstatKnap) {
        erstatKnap->setEnabled(harTekst);
        erstatAlleKnap->setEnabled(harTekst);
    }
}

qsizetype TfindDialog::findNaeste()
{
    TEditor *edit = m_vaert->aktivEditor();
    if (!edit)
        return -1;
    const bool nedad = m_erstat || nedRadio->isChecked();
    const qsizetype hit = search::findNaeste(edit, findEdit->text(), valg(), nedad);
    m_vaert->winInfo();
    ingenFlere(hit, nedad);
    return hit;
}

qsizetype TfindDialog::erstat()
{
    TEditor *edit = m_vaert->aktivEditor();
    if (!edit || !erstatEdit)
        return -1;
    const qsizetype hit = search::erstatEn(edit, findEdit->text(), erstatEdit->text(), valg());
    m_vaert->winInfo();
    ingenFlere(hit, true);
    return hit;
}

int TfindDialog::erstatAlle()
{
    TEditor *edit = m_vaert->aktivEditor();
    if (!edit || !erstatEdit)
        return 0;
    const int n = search::erstatAlle(edit, findEdit->text(), erstatEdit->text(), valg());
    m_vaert->winInfo();
    return n;
}

void TfindDialog::ingenFlere(qsizetype hit, bool nedad)
{
    // A search that finds nothing leaves the selection as it was; without a word the user
    // would not know the end was reached.
    if (hit >= 0) {
        if (m_sagtIngenFlere)
            m_vaert->visInfo(QString());
        m_sagtIngenFlere = false;
        return;
    }
    m_sagtIngenFlere = true;
    m_vaert->visInfo((nedad ? QStringLiteral("Ikke flere forekomster af \"%1\" frem til slutningen af dokumentet.")
                            : QStringLiteral("Ikke flere forekomster af \"%1\" før markøren."))
                         .arg(findEdit->text()));
}
