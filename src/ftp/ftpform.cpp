#include "ftp/ftpform.h"

#include "core/inputfilters.h"
#include "core/programfolder.h"
#include "platform/infobox.h"
#include "platform/papirkurv.h"
#include "platform/vinduesplads.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <functional>

TftpForm::TftpForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TftpForm"));
    setWindowTitle(QStringLiteral("FTP egenskaber"));
    setModal(true);
    optfil = core::ProgramFolder::optDir() + QStringLiteral("ftpegenskaber.txt");
    ftpDir = core::ProgramFolder::optDir() + QStringLiteral("ftpmappe/");

    auto felt = [](const char *name) {
        auto *e = new QLineEdit;
        e->setObjectName(QString::fromLatin1(name));
        e->setMinimumWidth(200);
        return e;
    };
    hostEdit = felt("hostEdit");
    portEdit = felt("portEdit");
    usernameEdit = felt("usernameEdit");
    passwordEdit = felt("passwordEdit");
    changedirEdit = felt("changedirEdit");
    connect(portEdit, &QLineEdit::textEdited, this, [this](const QString &t) {
        QString digits;
        for (const QChar c : t)
            if (c.isDigit() && c.unicode() < 0x80)
                digits += c;
        if (digits != t) {
            portEdit->setText(digits);
            portEdit->setCursorPosition(int(digits.size()));
        }
    });
    passwordCheck = new QCheckBox(QStringLiteral("Gem også password"));
    passwordCheck->setObjectName(QStringLiteral("passwordCheck"));
    // A trusted certificate belongs to the server it came from.
    connect(hostEdit, &QLineEdit::textEdited, this, [this] { setCertPin({}); });
    connect(portEdit, &QLineEdit::textEdited, this, [this] { setCertPin({}); });

    protokolGruppe = new QButtonGroup(this);
    auto *protokoller = new QHBoxLayout;
    const struct {
        ftp::Protokol p;
        const char *name, *text, *hint;
    } valg[] = {
        {ftp::Protokol::Ftp, "protokolFtp", "FTP", "Almindelig FTP uden kryptering"},
        {ftp::Protokol::Ftps, "protokolFtps", "FTPS", "FTP med kryptering (TLS)"},
        {ftp::Protokol::Sftp, "protokolSftp", "SFTP",
         "Filoverførsel over SSH. Har du en SSH-nøgle (~/.ssh/id_ed25519, id_ecdsa eller id_rsa), "
         "logger den ind, og passwordet er nøglens adgangskode; uden nøgle logger passwordet ind."},
    };
    for (const auto &v : valg) {
        auto *b = new QRadioButton(QString::fromUtf8(v.text));
        b->setObjectName(QString::fromLatin1(v.name));
        b->setToolTip(QString::fromUtf8(v.hint));
        protokolGruppe->addButton(b, int(v.p));
        protokoller->addWidget(b);
    }
    protokoller->addStretch();
    connect(protokolGruppe, &QButtonGroup::idClicked, this, &TftpForm::protokolValgt);
    certLabel = new QLabel;
    certLabel->setObjectName(QStringLiteral("certLabel"));
    certLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    glemCertKnap = new QPushButton(QStringLiteral("Glem"));
    glemCertKnap->setObjectName(QStringLiteral("glemCertKnap"));
    glemCertKnap->setToolTip(QStringLiteral("Stol ikke længere på serverens eget certifikat"));
    glemCertKnap->setAutoDefault(false);
    connect(glemCertKnap, &QPushButton::clicked, this, [this] { setCertPin({}); });
    auto *cert = new QHBoxLayout;
    cert->addWidget(certLabel, 1);
    cert->addWidget(glemCertKnap);
    m_certRaekke = new QWidget;
    m_certRaekke->setLayout(cert);
    cert->setContentsMargins(0, 0, 0, 0);

    auto knap = [](const char *name, const QString &text, const QString &hint = {}) {
        auto *b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(hint);
        b->setAutoDefault(false);
        return b;
    };
    anvendKnap = knap("anvendKnap", QStringLiteral("Anvend"));
    anvendKnap->setDefault(true);
    lukKnap = knap("lukKnap", QStringLiteral("Luk"));
    gemKnap = knap("gemKnap", QStringLiteral("Gem"), QStringLiteral("Gem aktuelle forbindelse"));
    nyKnap = knap("nyKnap", QStringLiteral("Ny"), QStringLiteral("Klargør til ny forbindelse"));
    sletKnap = knap("sletKnap", QStringLiteral("Slet"), QStringLiteral("Slet valgte forbindelse"));
    connect(anvendKnap, &QPushButton::clicked, this, &TftpForm::accept);
    connect(lukKnap, &QPushButton::clicked, this, &TftpForm::reject);
    connect(gemKnap, &QPushButton::clicked, this, &TftpForm::gemKnapClick);
    connect(nyKnap, &QPushButton::clicked, this, &TftpForm::nyKnapClick);
    connect(sletKnap, &QPushButton::clicked, this, &TftpForm::sletKnapClick);

    filListe = new QListWidget;
    filListe->setObjectName(QStringLiteral("filListe"));
    connect(filListe, &QListWidget::itemClicked, this, [this](QListWidgetItem *it) { listeKlik(it->text()); });
    connect(filListe, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *it) {
        listeKlik(it->text());
        accept();
    });
    filnavnEdit = felt("filnavnEdit");

    auto *form = m_form = new QFormLayout;
    form->addRow(QStringLiteral("Host"), hostEdit);
    form->addRow(QStringLiteral("Port"), portEdit);
    form->addRow(QStringLiteral("Brugernavn"), usernameEdit);
    form->addRow(QStringLiteral("Password"), passwordEdit);
    form->addRow(QStringLiteral("Mappe"), changedirEdit);
    form->addRow(QString(), passwordCheck);
    form->addRow(QStringLiteral("Protokol"), protokoller);
    form->addRow(QStringLiteral("Certifikat"), m_certRaekke);

    auto *gemte = new QGroupBox(QStringLiteral("Eksisterende forbindelser"));
    auto *gl = new QVBoxLayout(gemte);
    gl->addWidget(filListe);
    auto *gemSom = new QHBoxLayout;
    gemSom->addWidget(new QLabel(QStringLiteral("Gem som")));
    gemSom->addWidget(filnavnEdit);
    gl->addLayout(gemSom);
    auto *gk = new QHBoxLayout;
    gk->addWidget(gemKnap);
    gk->addWidget(nyKnap);
    gk->addWidget(sletKnap);
    gl->addLayout(gk);

    auto *top = new QHBoxLayout;
    top->addLayout(form);
    top->addWidget(gemte);
    auto *bund = new QHBoxLayout;
    bund->addStretch();
    bund->addWidget(anvendKnap);
    bund->addWidget(lukKnap);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bund);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Esc prepares a new connection instead of closing the window.
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &TftpForm::nyKnapClick);

    if (const auto e = ftp::hentEgenskaber(optfil)) {
        setForbindelse(e->f);
        platform::flytVindue(this, e->left, e->top);
    } else {
        setForbindelse({});
    }
    fyldListe();
}

ftp::Forbindelse TftpForm::forbindelse() const
{
    ftp::Forbindelse f;
    f.host = hostEdit->text().trimmed();
    f.port = portEdit->text();
    f.bruger = usernameEdit->text();
    f.password = passwordEdit->text();
    f.mappe = changedirEdit->text();
    f.gemPassword = passwordCheck->isChecked();
    f.protokol = ftp::Protokol(qMax(0, protokolGruppe->checkedId()));
    f.certPin = m_certPin;
    return f;
}

void TftpForm::setForbindelse(const ftp::Forbindelse &f)
{
    hostEdit->setText(f.host);
    portEdit->setText(f.port);
    usernameEdit->setText(f.bruger);
    passwordEdit->setText(f.password);
    changedirEdit->setText(f.mappe);
    passwordCheck->setChecked(f.gemPassword);
    protokolGruppe->button(int(f.protokol))->setChecked(true);
    setCertPin(f.certPin);
}

void TftpForm::setCertPin(const QString &pin)
{
    m_certPin = ftp::erGyldigPin(pin) ? pin : QString();
    // The whole key would stretch the window; its start tells keys apart, the hint has it all.
    certLabel->setText(QStringLiteral("Betroet nøgle: %1…").arg(m_certPin.left(24)));
    certLabel->setToolTip(m_certPin);
    visCert();
}

void TftpForm::protokolValgt(int id)
{
    // The usual port follows the protocol unless the user chose another one.
    const bool sftp = ftp::Protokol(id) == ftp::Protokol::Sftp;
    if (portEdit->text() == ftp::standardPort(sftp ? ftp::Protokol::Ftp : ftp::Protokol::Sftp))
        portEdit->setText(ftp::standardPort(ftp::Protokol(id)));
    visCert();
}

void TftpForm::visCert()
{
    m_form->setRowVisible(m_certRaekke, !m_certPin.isEmpty() && protokolGruppe->checkedId() == int(ftp::Protokol::Ftps));
}

bool TftpForm::stolPaa(const ftp::Tillid &t, ftp::Opgave &opgave)
{
    if (t.slags == ftp::Tillid::Vaertsnoegle) {
        if (const core::ReadResult r = ftp::gemKendtVaert(t.noegle); !r.ok) {
            platform::errorBox(this, QStringLiteral("Værtsnøglen kunne ikke gemmes i %1.\r%2").arg(ftp::knownHostsSti(), r.error));
            return false;
        }
        return true;
    }
    if (t.slags != ftp::Tillid::Certifikat || !ftp::erGyldigPin(t.noegle))
        return false;
    opgave.f.certPin = t.noegle;
    // The settings in force keep the key when they still name that server, and so does the
    // saved connection they were loaded from.
    const ftp::Forbindelse nu = forbindelse();
    auto sammeServer = [&](const ftp::Forbindelse &f) {
        return f.host == opgave.f.host && f.port.trimmed() == opgave.f.port.trimmed() && f.protokol == ftp::Protokol::Ftps;
    };
    if (!sammeServer(nu))
        return true;
    setCertPin(t.noegle);
    GemOpt();
    const QString name = filnavnEdit->text().trimmed();
    const QString path = forbindelsesFil(name);
    if (ftp::erGyldigtNavn(name) && QFileInfo(path).isFile()) {
        if (auto gemt = ftp::hentForbindelse(path); gemt && sammeServer(*gemt)) {
            gemt->certPin = t.noegle;
            QString error;
            if (!ftp::gemForbindelse(path, *gemt, &error))
                platform::errorBox(this, QStringLiteral("Forbindelsen kunne ikke gemmes i %1.\r%2").arg(path, error));
        }
    }
    return true;
}

bool TftpForm::GemOpt()
{
    ftp::Egenskaber e;
    e.top = pos().y();
    e.left = pos().x();
    e.f = forbindelse();
    QString error;
    if (!ftp::gemEgenskaber(optfil, e, &error)) {
        platform::errorBox(this, QStringLiteral("FTP-indstillingerne kunne ikke gemmes i %1.\r%2").arg(optfil, error));
        return false;
    }
    return true;
}

void TftpForm::fyldListe()
{
    filListe->clear();
    filListe->addItems(ftp::forbindelser(ftpDir));
}

QString TftpForm::forbindelsesFil(const QString &name) const
{
    return ftpDir + name + QStringLiteral(".txt");
}

void TftpForm::listeKlik(const QString &name)
{
    filnavnEdit->setText(name);
    const QString path = forbindelsesFil(name);
    if (!ftp::erGyldigtNavn(name) || !QFileInfo(path).isFile()) {
        platform::infoBox(this, QStringLiteral("Filen blev ikke fundet."));
        return;
    }
    const auto f = ftp::hentForbindelse(path);
    if (!f) {
        platform::errorBox(this, QStringLiteral("Forbindelsen %1 kan ikke læses.\rFilen %2 er ufuldstændig.").arg(name, path));
        return;
    }
    // A password from the secret store could hold what a file line cannot.
    if (const QString k = ftp::styretegnFejl(*f); !k.isEmpty()) {
        platform::errorBox(this, QStringLiteral("Forbindelsen %1 kan ikke bruges.\r%2").arg(name, k));
        return;
    }
    setForbindelse(*f);
}

void TftpForm::gemKnapClick()
{
    const QString name = filnavnEdit->text().trimmed();
    if (name.isEmpty()) {
        platform::infoBox(this, QStringLiteral("Der mangler et filnavn."));
        return;
    }
    if (!ftp::erGyldigtNavn(name)) {
        platform::infoBox(this, QStringLiteral("Navnet kan ikke bruges som filnavn:\r%1\rDet må ikke indeholde / eller \\ eller .. eller begynde med et punktum.").arg(name));
        return;
    }
    if (const QString k = ftp::kontrolFejl(forbindelse()); !k.isEmpty()) {
        platform::infoBox(this, k);
        return;
    }
    const QString path = forbindelsesFil(name);
    if (QFileInfo::exists(path)
        && !(spoergJa && spoergJa(QStringLiteral("Design: ") + name + QStringLiteral("\rFilen eksisterer allerede.\rSkal den overskrives?"))))
        return;
    QDir().mkpath(ftpDir);
    QString error;
    if (!ftp::gemForbindelse(path, forbindelse(), &error)) {
        platform::errorBox(this, QStringLiteral("Forbindelsen kunne ikke gemmes i %1.\r%2").arg(path, error));
        return;
    }
    fyldListe();
}

void TftpForm::nyKnapClick()
{
    const bool gem = passwordCheck->isChecked();
    ftp::Forbindelse f;
    f.protokol = ftp::Protokol(qMax(0, protokolGruppe->checkedId()));
    f.port = ftp::standardPort(f.protokol);
    setForbindelse(f);
    passwordCheck->setChecked(gem);
    filnavnEdit->clear();
}

void TftpForm::sletKnapClick()
{
    const QString name = filnavnEdit->text().trimmed();
    if (name.isEmpty()) {
        platform::infoBox(this, QStringLiteral("Der mangler et forbindelsesnavn."));
        return;
    }
    const QString path = forbindelsesFil(name);
    if (ftp::erGyldigtNavn(name) && QFileInfo(path).isFile()) {
        if (!(spoergJa && spoergJa(QStringLiteral("Skal forbindelsen: \r") + name + QStringLiteral("\rslettes til papirkurven?"))))
            return;
        if (QString grund; !platform::tilPapirkurv(path, &grund)) {
            platform::errorBox(this, QStringLiteral("Forbindelsen %1 kunne ikke flyttes til papirkurven.\r%2").arg(name, grund));
            return;
        }
        ftp::sletPassword(path);
        filnavnEdit->clear();
    } else {
        platform::infoBox(this, QStringLiteral("Filen blev ikke fundet."));
    }
    nyKnapClick();
    fyldListe();
}

void TftpForm::accept()
{
    // A connection that cannot work is refused here, not at the connect.
    if (const QString k = ftp::kontrolFejl(forbindelse()); !k.isEmpty()) {
        platform::infoBox(this, k);
        return;
    }
    QDialog::accept();
}

void TftpForm::reject()
{
    QDialog::reject();
}
