#include "shell/gendanform.h"

#include "shell/spmform.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

Tgendanform::Tgendanform(const QList<gendan::GendanPost> &poster, QWidget *parent)
    : QDialog(parent), m_poster(poster)
{
    setObjectName(QStringLiteral("gendanform"));
    setWindowTitle(QStringLiteral("Gendan dokumenter"));
    auto *lag = new QVBoxLayout(this);
    auto *forklaring = new QLabel(QStringLiteral(
        "Tavlevirke blev ikke lukket normalt sidst. Disse dokumenter havde ændringer, som ikke var gemt.\n"
        "\"Gendan\" åbner de afkrydsede som ændrede dokumenter; intet skrives i de oprindelige filer, før du gemmer."));
    forklaring->setWordWrap(true);
    lag->addWidget(forklaring);

    liste = new QTreeWidget;
    liste->setObjectName(QStringLiteral("gendanListe"));
    liste->setHeaderLabels({QStringLiteral("Fil"), QStringLiteral("Tidspunkt"), QStringLiteral("Størrelse")});
    liste->setRootIsDecorated(false);
    const QLocale dansk(QLocale::Danish, QLocale::Denmark);
    for (const gendan::GendanPost &p : poster) {
        auto *item = new QTreeWidgetItem(liste);
        item->setText(0, gendan::visningsnavn(p));
        item->setToolTip(0, p.filnavn.isEmpty() ? QStringLiteral("Ikke navngivet") : p.filnavn);
        item->setText(1, dansk.toString(p.tid.toLocalTime(), QStringLiteral("d. MMMM yyyy HH:mm:ss")));
        item->setText(2, dansk.formattedDataSize(p.tekst.size(), 1, QLocale::DataSizeTraditionalFormat));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setCheckState(0, Qt::Checked);
    }
    liste->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    liste->header()->setStretchLastSection(false);
    liste->resizeColumnToContents(1);
    liste->resizeColumnToContents(2);
    lag->addWidget(liste);

    auto *knapper = new QDialogButtonBox;
    auto *gendan = knapper->addButton(QStringLiteral("Gendan"), QDialogButtonBox::AcceptRole);
    auto *slet = knapper->addButton(QStringLiteral("Slet"), QDialogButtonBox::DestructiveRole);
    auto *senere = knapper->addButton(QStringLiteral("Senere"), QDialogButtonBox::RejectRole);
    gendan->setObjectName(QStringLiteral("gendanKnap"));
    slet->setObjectName(QStringLiteral("sletKnap"));
    senere->setObjectName(QStringLiteral("senereKnap"));
    gendan->setDefault(true);
    connect(gendan, &QPushButton::clicked, this, [this] { vaelg(Gendan); });
    connect(slet, &QPushButton::clicked, this, [this] { vaelg(Slet); });
    connect(senere, &QPushButton::clicked, this, [this] { vaelg(Senere); });
    lag->addWidget(knapper);
    resize(620, 320);
}

QList<gendan::GendanPost> Tgendanform::valgte() const
{
    QList<gendan::GendanPost> ud;
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        if (liste->topLevelItem(i)->checkState(0) == Qt::Checked)
            ud << m_poster[i];
    return ud;
}

void Tgendanform::vaelg(Valg v)
{
    // Deleting throws unsaved work away for good: only after a "Ja".
    Tspmform::Knapper knapper;
    knapper.standard = Tspmform::Nej;
    if (v == Slet && !valgte().isEmpty()
        && Tspmform::ask(QStringLiteral("Skal de afkrydsede gendannelseskopier slettes?\rÆndringerne i dem kan ikke hentes igen."),
                         this, knapper) != Tspmform::Ja)
        return;
    m_valg = v;
    if (v == Senere)
        reject();
    else
        accept();
}
