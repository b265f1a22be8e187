#include "shell/egenskabsform.h"

#include "core/optionfile.h"
#include "core/programfolder.h"
#include "core/textfile.h"
#include "platform/filregistrering.h"
#include "platform/infobox.h"
#include "platform/vinduesplads.h"
#include "shell/editfontform.h"
#include "shell/mainform.h"
#include "shell/visualstyles.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace shell {

QList<RegType> hentRegTyper(const QString &path)
{
    QStringList lines;
    if (!QFileInfo::exists(path) || !core::readLines(path, lines).ok) {
        QList<RegType> std;
        for (const char *e : {".html", ".htm", ".css", ".js", ".asp", ".txt"})
            std.append({QString::fromLatin1(e), false});
        return std;
    }
    QList<RegType> typer;
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        const QString ext = lines[i].trimmed();
        if (ext.isEmpty() || std::any_of(typer.cbegin(), typer.cend(), [&](const RegType &t) { return t.ext == ext; }))
            continue;
        typer.append({ext, lines[i + 1].trimmed() == QStringLiteral("Ja")});
    }
    return typer;
}

bool gemRegTyper(const QString &path, const QList<RegType> &typer, QString *error)
{
    core::OptionWriter w;
    for (const RegType &t : typer)
        w.add(t.ext).add(t.registreret ? "Ja" : "Nej");
    return w.write(path, error);
}

} // namespace shell

Tegenskabsform::Tegenskabsform(Tmainform *main, Teditfontform *fontform)
    : QDialog(main), m_main(main), m_fontform(fontform)
{
    setObjectName(QStringLiteral("Tegenskabsform"));
    setWindowTitle(QStringLiteral("Egenskaber"));
    setModal(true);
    optfil = core::ProgramFolder::optDir() + QStringLiteral("egenskaber.txt");
    filtyperFil = core::ProgramFolder::optDir() + QStringLiteral("filtyper.txt");

    auto linje = [](const char *name, bool readOnly) {
        auto *e = new QLineEdit;
        e->setObjectName(QString::fromLatin1(name));
        e->setReadOnly(readOnly);
        return e;
    };
    auto knap = [](const char *name, const QString &text) {
        auto *b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    auto check = [this](const char *name, const QString &text) {
        auto *c = new QCheckBox(text);
        c->setObjectName(QString::fromLatin1(name));
        connect(c, &QCheckBox::toggled, this, &Tegenskabsform::aendret);
        return c;
    };

    navnEdit = linje("navnEdit", true);
    navnEdit->setText(QStringLiteral("Courier New"));
    dimEdit = linje("dimEdit", true);
    dimEdit->setText(QStringLiteral("10"));
    connect(navnEdit, &QLineEdit::textChanged, this, &Tegenskabsform::aendret);
    connect(dimEdit, &QLineEdit::textChanged, this, &Tegenskabsform::aendret);
    bestemFontKnap = knap("bestemFontKnap", QStringLiteral("Bestem font"));
    connect(bestemFontKnap, &QPushButton::clicked, this, &Tegenskabsform::bestemFontKnapClick);
    autoCheck = check("autoCheck", QStringLiteral("Sammenfold/Udfold automatisk"));
    ftpCheck = check("ftpCheck", QStringLiteral("Vis ftp-knapper"));
    designBox = new QComboBox;
    designBox->setObjectName(QStringLiteral("designBox"));
    designBox->setMaxVisibleItems(11);
    designBox->addItems(shell::visualStyleNames());
    connect(designBox, &QComboBox::currentIndexChanged, this, &Tegenskabsform::aendret);
    testKnap = knap("testKnap", QStringLiteral("Test og gem"));
    connect(testKnap, &QPushButton::clicked, this, &Tegenskabsform::testKnapClick);

    typeBox = new QTreeWidget;
    typeBox->setObjectName(QStringLiteral("typeBox"));
    typeBox->setHeaderLabels({QStringLiteral("Type"), QStringLiteral("Reg")});
    typeBox->setRootIsDecorated(false);
    typeBox->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(typeBox, &QTreeWidget::itemClicked, this, &Tegenskabsform::typeBoxClick);
    connect(typeBox, &QTreeWidget::currentItemChanged, this, &Tegenskabsform::typeBoxClick);
    insertEdit = linje("insertEdit", false);
    registerEdit = linje("registerEdit", true);
    fjernEdit = linje("fjernEdit", true);
    connect(insertEdit, &QLineEdit::textChanged, this, &Tegenskabsform::opdaterActions);
    connect(insertEdit, &QLineEdit::returnPressed, this, [this] {
        if (Ainsert->isEnabled())
            AinsertExecute();
    });
    auto action = [this](const char *name, const QString &text, void (Tegenskabsform::*slot)()) {
        auto *a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    Ainsert = action("Ainsert", QStringLiteral("Indfør"), &Tegenskabsform::AinsertExecute);
    Adelete = action("Adelete", QStringLiteral("Slet valgte"), &Tegenskabsform::AdeleteExecute);
    Aregistrer = action("Aregistrer", QStringLiteral("Registrer"), &Tegenskabsform::AregistrerExecute);
    Afjern = action("Afjern", QStringLiteral("Fjern"), &Tegenskabsform::AfjernExecute);
    auto actionKnap = [&](QAction *a, const char *name) {
        QPushButton *b = knap(name, a->text());
        connect(b, &QPushButton::clicked, a, &QAction::trigger);
        connect(a, &QAction::enabledChanged, b, &QPushButton::setEnabled);
        return b;
    };
    insertKnap = actionKnap(Ainsert, "insertKnap");
    deleteKnap = actionKnap(Adelete, "deleteKnap");
    registrerKnap = actionKnap(Aregistrer, "registrerKnap");
    fjernKnap = actionKnap(Afjern, "fjernKnap");
    autoSenesteFMCheck = check("autoSenesteFMCheck", QStringLiteral("Indfør automatisk i seneste filer og mapper"));

    gemKnap = knap("gemKnap", QStringLiteral("Gem"));
    gemKnap->setToolTip(QStringLiteral("Luk og gem"));
    lukKnap = knap("lukKnap", QStringLiteral("Luk"));
    lukKnap->setToolTip(QStringLiteral("Luk boksen uden at gemme eventuelle ændringer"));
    connect(gemKnap, &QPushButton::clicked, this, &Tegenskabsform::gemKnapClick);
    connect(lukKnap, &QPushButton::clicked, this, &Tegenskabsform::lukKnapClick);
    infoKnap = new QToolButton;
    infoKnap->setObjectName(QStringLiteral("infoKnap"));
    infoKnap->setText(QStringLiteral("?"));
    connect(infoKnap, &QToolButton::clicked, this,
            [this] { m_main->HelpInfo(QStringLiteral("Programmet.txt"), QStringLiteral("Egenskaber")); });

    // Left column
    auto *font = new QGroupBox(QStringLiteral("Editor font"));
    auto *fl = new QGridLayout(font);
    fl->addWidget(new QLabel(QStringLiteral("Navn")), 0, 0);
    fl->addWidget(navnEdit, 0, 1);
    fl->addWidget(new QLabel(QStringLiteral("Størrelse")), 1, 0);
    fl->addWidget(dimEdit, 1, 1);
    fl->addWidget(bestemFontKnap, 2, 1);
    fuldfoerCheck = check("fuldfoerCheck", QStringLiteral("Fuldfør koder mens der skrives"));
    fl->addWidget(fuldfoerCheck, 3, 0, 1, 2);
    auto *info = new QGroupBox(QStringLiteral("Informationsstrukturen"));
    (new QVBoxLayout(info))->addWidget(autoCheck);
    auto *ftp = new QGroupBox(QStringLiteral("Ftp funktioner"));
    (new QVBoxLayout(ftp))->addWidget(ftpCheck);
    auto *design = new QGroupBox(QStringLiteral("Programdesign"));
    auto *dl = new QVBoxLayout(design);
    dl->addWidget(designBox);
    dl->addWidget(testKnap);
    auto *venstre = new QVBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(font), static_cast<QWidget *>(info), static_cast<QWidget *>(ftp),
                       static_cast<QWidget *>(design)})
        venstre->addWidget(w);
    venstre->addStretch();

    // Right column
    auto *typerBoks = new QGroupBox(QStringLiteral("Filtyper"));
    auto *tl = new QGridLayout(typerBoks);
    tl->addWidget(typeBox, 0, 0, 1, 3);
    tl->addWidget(new QLabel(QStringLiteral("Filtype")), 1, 0);
    tl->addWidget(insertEdit, 1, 1);
    tl->addWidget(insertKnap, 1, 2);
    tl->addWidget(deleteKnap, 2, 2);
    tl->addWidget(registerEdit, 3, 1);
    tl->addWidget(registrerKnap, 3, 2);
    tl->addWidget(fjernEdit, 4, 1);
    tl->addWidget(fjernKnap, 4, 2);
    auto *seneste = new QGroupBox(QStringLiteral("Seneste filer og mapper"));
    (new QVBoxLayout(seneste))->addWidget(autoSenesteFMCheck);
    auto *hoejre = new QVBoxLayout;
    hoejre->addWidget(typerBoks, 1);
    hoejre->addWidget(seneste);

    auto *top = new QHBoxLayout;
    top->addLayout(venstre);
    top->addLayout(hoejre, 1);
    auto *bund = new QHBoxLayout;
    bund->addWidget(infoKnap);
    bund->addStretch();
    bund->addWidget(gemKnap);
    bund->addWidget(lukKnap);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bund);

    for (const shell::RegType &t : shell::hentRegTyper(filtyperFil))
        typeBox->addTopLevelItem(new QTreeWidgetItem({t.ext, t.registreret ? QStringLiteral("Ja") : QStringLiteral("Nej")}));
    aFontNavn = m_fontform->fontNavn;
    aFontDim = m_fontform->fontDim;
    navnEdit->setText(aFontNavn);
    dimEdit->setText(QString::number(aFontDim));

    platform::hentPlads(this, optfil);
    opdaterActions();
}

QList<shell::RegType> Tegenskabsform::typer() const
{
    QList<shell::RegType> list;
    for (int i = 0; i < typeBox->topLevelItemCount(); ++i)
        list.append({typeBox->topLevelItem(i)->text(0), typeBox->topLevelItem(i)->text(1) == QStringLiteral("Ja")});
    return list;
}

int Tegenskabsform::vis()
{
    ftpCheck->setChecked(m_main->visFtpFunktioner);
    fuldfoerCheck->setChecked(m_fontform->fuldfoerelse);
    autoSenesteFMCheck->setChecked(m_main->autoSenesteFM);
    const int i = designBox->findText(m_main->designName, Qt::MatchFixedString);
    designBox->setCurrentIndex(qMax(i, 0));
    return exec();
}

void Tegenskabsform::showEvent(QShowEvent *event)
{
    {
        const QSignalBlocker b(autoCheck);
        autoCheck->setChecked(autoUdfold);
    }
    gemKnap->setEnabled(false);
    QDialog::showEvent(event);
}

void Tegenskabsform::done(int result)
{
    // Leaving without "Gem" puts back the font as last stored.
    if (result == QDialog::Rejected) {
        m_fontform->fontNavn = aFontNavn;
        m_fontform->fontDim = aFontDim;
        navnEdit->setText(aFontNavn);
        dimEdit->setText(QString::number(aFontDim));
    }
    platform::gemPlads(this, optfil);
    QDialog::done(result);
}

void Tegenskabsform::aendret()
{
    gemKnap->setEnabled(true);
}

void Tegenskabsform::bestemFontKnapClick()
{
    if (m_fontform->exec() != QDialog::Accepted)
        return;
    navnEdit->setText(m_fontform->fontNavn);
    dimEdit->setText(QString::number(m_fontform->fontDim));
}

void Tegenskabsform::lukKnapClick()
{
    reject();
}

void Tegenskabsform::gemKnapClick()
{
    aFontNavn = navnEdit->text();
    aFontDim = dimEdit->text().toInt();
    m_fontform->fontNavn = aFontNavn;
    m_fontform->fontDim = aFontDim;
    m_fontform->fuldfoerelse = fuldfoerCheck->isChecked();
    m_fontform->gemOpt();
    m_main->setFuldfoerelse(m_fontform->fuldfoerelse);
    autoUdfold = autoCheck->isChecked();
    emit autoUdfoldAendret(autoUdfold);
    m_main->skiftEditorFont();
    m_main->visFtpFunktioner = ftpCheck->isChecked();
    m_main->visFtpKnapper();
    m_main->autoSenesteFM = autoSenesteFMCheck->isChecked();
    testKnapClick();
    accept();
}

void Tegenskabsform::testKnapClick()
{
    const QString s = designBox->currentText();
    if (s.compare(m_main->designName, Qt::CaseInsensitive) == 0)
        return;
    m_main->lukAlleDokumenter();
    if (!m_main->dokumenter().isEmpty()) {
        platform::infoBox(this, QStringLiteral("Luk alle dokumenter og prøv igen!"));
        return;
    }
    m_main->designName = s;
    shell::applyVisualStyle(s);
}

void Tegenskabsform::opdaterActions()
{
    Ainsert->setEnabled(!insertEdit->text().isEmpty());
    Adelete->setEnabled(typeBox->topLevelItemCount() > 6);
    Aregistrer->setEnabled(!registerEdit->text().isEmpty());
    Afjern->setEnabled(!fjernEdit->text().isEmpty());
}

void Tegenskabsform::typeBoxClick()
{
    registerEdit->clear();
    fjernEdit->clear();
    if (QTreeWidgetItem *it = typeBox->currentItem()) {
        if (it->text(1) == QStringLiteral("Ja"))
            fjernEdit->setText(it->text(0));
        else
            registerEdit->setText(it->text(0));
    }
    opdaterActions();
}

void Tegenskabsform::gemTyper()
{
    QString error;
    if (!shell::gemRegTyper(filtyperFil, typer(), &error))
        platform::errorBox(this, QStringLiteral("Listen over filtyper kunne ikke gemmes i %1.\r%2").arg(filtyperFil, error));
}

void Tegenskabsform::AinsertExecute()
{
    const QString ext = insertEdit->text();
    if (!typeBox->findItems(ext, Qt::MatchExactly | Qt::MatchCaseSensitive, 0).isEmpty()) {
        platform::infoBox(this, QStringLiteral("Filtypen er allerede indført."));
    } else {
        typeBox->addTopLevelItem(new QTreeWidgetItem({ext, QStringLiteral("Nej")}));
        gemTyper();
    }
    insertEdit->clear();
    opdaterActions();
}

void Tegenskabsform::AdeleteExecute()
{
    QTreeWidgetItem *it = typeBox->currentItem();
    if (it && typeBox->indexOfTopLevelItem(it) >= 6) {
        if (it->text(1) != QStringLiteral("Nej"))
            platform::infoBox(this, QStringLiteral("Filtypen skal fjernes fra registreringen først."));
        else
            delete it;
    }
    gemTyper();
    registerEdit->clear();
    fjernEdit->clear();
    opdaterActions();
}

void Tegenskabsform::AregistrerExecute()
{
    const QString ext = registerEdit->text();
    const QString fejl = platform::registrerFiltype(ext, QStringLiteral("Åbnes med Tavlevirke"),
                                                    QCoreApplication::applicationFilePath());
    if (!fejl.isEmpty()) {
        // The list shows what the desktop really knows.
        platform::errorBox(this, QStringLiteral("Filtypen %1 blev ikke registreret.\r%2").arg(ext, fejl));
        return;
    }
    for (QTreeWidgetItem *it : typeBox->findItems(ext, Qt::MatchExactly | Qt::MatchCaseSensitive, 0))
        it->setText(1, QStringLiteral("Ja"));
    registerEdit->clear();
    gemTyper();
    opdaterActions();
    platform::infoBox(this, QStringLiteral("Filtypen er registreret!"));
}

void Tegenskabsform::AfjernExecute()
{
    const QString ext = fjernEdit->text();
    const QString fejl = platform::fjernFiltype(ext);
    if (!fejl.isEmpty()) {
        platform::errorBox(this, QStringLiteral("Filtypen %1 blev ikke fjernet fra registreringen.\r%2").arg(ext, fejl));
        return;
    }
    for (QTreeWidgetItem *it : typeBox->findItems(ext, Qt::MatchExactly | Qt::MatchCaseSensitive, 0))
        it->setText(1, QStringLiteral("Nej"));
    fjernEdit->clear();
    gemTyper();
    opdaterActions();
    platform::infoBox(this, QStringLiteral("Filtypen er fjernet fra registreringen!"));
}
