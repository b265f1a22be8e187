// The code book: the page control under the tabs whose pages write code into the document.

#include "shell/mainform.h"

#include "generators/designside.h"
#include "generators/generatorvinduer.h"
#include "generators/kodebogsider.h"
#include "generators/musikside.h"
#include "generators/specialtegnside.h"
#include "shell/spmform.h"

#include <QTabWidget>
#include <QToolButton>

namespace {
const int kBogLille = 64;
const int kBogStor = 136;
}

void Tmainform::lavKodebog()
{
    bog = new QTabWidget;
    bog->setObjectName(QStringLiteral("bog"));
    bog->setDocumentMode(true);
    bog->addTab(lavForside(), QStringLiteral("Koder"));
    auto *vinduer = new TGeneratorVinduer(this);
    AcssBoks->setEnabled(true);
    AcssBoks->setToolTip(QStringLiteral("Vis CSS egenskaber og værdier"));
    AcssBoks->setStatusTip(AcssBoks->toolTip());
    connect(AcssBoks, &QAction::triggered, vinduer, &TGeneratorVinduer::visCssBoks);
    auto *sider = new TGeneratorSider(this);
    auto *specialtegn = new TSpecialtegnSide(this);
    bog->addTab((new TMusikside(this))->side4, QStringLiteral("Musik og film"));
    bog->addTab(sider->side1, QStringLiteral("Skema"));
    bog->addTab(sider->side2, QStringLiteral("Lister"));
    bog->addTab(sider->side3, QStringLiteral("Links"));
    bog->addTab(specialtegn->side5, QStringLiteral("Specialtegn"));

    // The "Koder" page's buttons for the text box and the special characters.
    // A tool button drops the dots of its action's text unless the short text has them.
    vinduer->Atekstboks->setIconText(vinduer->Atekstboks->text());
    ToolButton51->setDefaultAction(vinduer->Atekstboks);
    ToolButton52->setMenu(specialtegn->PUspecialtegn);
    connect(ToolButton52, &QToolButton::clicked, specialtegn,
            [specialtegn] { specialtegn->skrivEntitet(QStringLiteral("&nbsp;")); });
    bog->addTab((new TDesignSide(this))->side6, QStringLiteral("Design"));
    bog->setFixedHeight(kBogLille);
    // The first page is a single row of buttons; the others need room for their fields.
    connect(bog, &QTabWidget::currentChanged, this, [this](int index) {
        bog->setFixedHeight(index == 0 ? kBogLille : kBogStor);
    });
}

bool Tmainform::spoergJa(const QString &question, QWidget *owner)
{
    return Tspmform::ask(question, owner) == Tspmform::Ja;
}

bool Tmainform::spoergJaNejForvalgt(const QString &question, QWidget *owner)
{
    Tspmform::Knapper knapper;
    knapper.standard = Tspmform::Nej;
    return Tspmform::ask(question, owner, knapper) == Tspmform::Ja;
}

void Tmainform::kodebogLille()
{
    bog->setCurrentIndex(0);
    bog->setFixedHeight(kBogLille);
}
