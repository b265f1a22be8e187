// The code book: the page control under the tabs whose pages write code into the document.

#include "shell/mainform.h"

#include <QTabWidget>

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
    for (const char *side : {"Musik og film", "Skema", "Lister", "Links", "Specialtegn", "Design"}) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("bogside_") + QString::fromUtf8(side));
        bog->addTab(page, QString::fromUtf8(side));
    }
    bog->setFixedHeight(kBogLille);
    // The first page is a single row of buttons; the others need room for their fields.
    connect(bog, &QTabWidget::currentChanged, this, [this](int index) {
        bog->setFixedHeight(index == 0 ? kBogLille : kBogStor);
    });
}

void Tmainform::kodebogLille()
{
    bog->setCurrentIndex(0);
    bog->setFixedHeight(kBogLille);
}
