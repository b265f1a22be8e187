#include "printing/printform.h"

#include "core/inputfilters.h"
#include "core/programfolder.h"
#include "platform/infobox.h"
#include "platform/vinduesplads.h"
#include "printing/sideramme.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
void filtrer(QLineEdit *e, QString (*filter)(const QString &))
{
    QObject::connect(e, &QLineEdit::textChanged, e, [e, filter](const QString &t) {
        const QString clean = filter(t);
        if (clean != t) {
            e->setText(clean);
            e->setCursorPosition(int(clean.size()));
        }
    });
}
} // namespace

Tprintform::Tprintform(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tprintform"));
    setWindowTitle(QStringLiteral("Udskriv dokument"));
    setModal(true);
    optfil = core::ProgramFolder::optDir() + QStringLiteral("printoptions.txt");

    auto felt = [](const char *name, QString (*filter)(const QString &)) {
        auto *e = new QLineEdit;
        e->setObjectName(QString::fromLatin1(name));
        e->setMaximumWidth(70);
        filtrer(e, filter);
        return e;
    };
    Edit1 = felt("Edit1", printing::margenFilter);
    Edit2 = felt("Edit2", printing::margenFilter);
    Edit3 = felt("Edit3", printing::margenFilter);
    Edit4 = felt("Edit4", printing::margenFilter);
    Edit5 = felt("Edit5", printing::kopiFilter);

    auto knap = [](const char *name, const QString &text) {
        auto *b = new QPushButton(text);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    Button1 = knap("Button1", QStringLiteral("Standard"));
    Button2 = knap("Button2", QStringLiteral("Annuller"));
    Button3 = knap("Button3", QStringLiteral("Print"));
    Button3->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &Tprintform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &QDialog::accept);

    auto *margen = new QGroupBox(QStringLiteral("Margen i centimeter"));
    auto *ml = new QFormLayout(margen);
    ml->addRow(QStringLiteral("Venstre"), Edit1);
    ml->addRow(QStringLiteral("Højre"), Edit2);
    ml->addRow(QStringLiteral("Top"), Edit3);
    ml->addRow(QStringLiteral("Bund"), Edit4);
    auto *aktion = new QGroupBox(QStringLiteral("Aktion"));
    auto *al = new QFormLayout(aktion);
    al->addRow(QStringLiteral("Kopiantal"), Edit5);

    auto *top = new QHBoxLayout;
    top->addWidget(margen);
    top->addWidget(aktion);
    auto *bund = new QHBoxLayout;
    bund->addWidget(Button1);
    bund->addStretch();
    bund->addWidget(Button2);
    bund->addWidget(Button3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bund);
    Button1Click();
}

void Tprintform::Button1Click()
{
    Edit1->setText(QStringLiteral("2,5"));
    Edit2->setText(QStringLiteral("1"));
    Edit3->setText(QStringLiteral("2"));
    Edit4->setText(QStringLiteral("1,5"));
    Edit5->setText(QStringLiteral("1"));
}

std::optional<Tprintform::Valg> Tprintform::laesValg()
{
    const QList<QLineEdit *> felter = {Edit1, Edit2, Edit3, Edit4, Edit5};
    for (QLineEdit *e : felter)
        if (e->text().isEmpty()) {
            platform::infoBox(this, QStringLiteral("Der mangler en værdi, prøv igen!"));
            return std::nullopt;
        }
    Valg v;
    double *maal[] = {&v.margener.venstre, &v.margener.hoejre, &v.margener.top, &v.margener.bund};
    for (int i = 0; i < 4; ++i) {
        const auto tal = printing::laesMargen(felter[i]->text());
        if (!tal) {
            platform::errorBox(this, QStringLiteral("\"%1\" er ikke et gyldigt tal.").arg(felter[i]->text()));
            return std::nullopt;
        }
        *maal[i] = *tal;
    }
    const auto kopier = core::laesAntal(Edit5->text());
    if (!kopier) {
        platform::errorBox(this, core::ugyldigtAntalTekst(Edit5->text()));
        return std::nullopt;
    }
    v.kopier = *kopier;
    return v;
}

void Tprintform::showEvent(QShowEvent *event)
{
    if (opstart) {
        opstart = false;
        platform::hentPlads(this, optfil);
    }
    QDialog::showEvent(event);
}

void Tprintform::done(int result)
{
    platform::gemPlads(this, optfil);
    QDialog::done(result);
}
