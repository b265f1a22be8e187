#include "shell/newform.h"

#include "core/optionfile.h"
#include "core/programfolder.h"
#include "platform/vinduesplads.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QGroupBox *radioGroup(const QString &title, const char *name, const QStringList &items,
                      QButtonGroup **group, int columns, QWidget *owner)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(QString::fromLatin1(name));
    *group = new QButtonGroup(owner);
    (*group)->setObjectName(QString::fromLatin1(name) + QStringLiteral("Buttons"));
    auto *grid = new QGridLayout(box);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i]);
        (*group)->addButton(radio, i);
        grid->addWidget(radio, i % rows, i / rows);
    }
    (*group)->button(0)->setChecked(true);
    return box;
}
}

Tnewform::Tnewform(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Tnewform"));
    setWindowTitle(QStringLiteral("Nyt dokument"));
    optfil = core::ProgramFolder::optDir() + QStringLiteral("new.txt");

    QGroupBox *typeBox = radioGroup(QStringLiteral("Type"), "typeGroup",
                                    {QStringLiteral("Html"), QStringLiteral("Asp"), QStringLiteral("Stylesheet"),
                                     QStringLiteral("JavaScript")},
                                    &typeGroup, 2, this);
    htmlAspGruppe = new QGroupBox(QStringLiteral("Html/Asp"));
    htmlAspGruppe->setObjectName(QStringLiteral("htmlAspGruppe"));
    auto *htmlLayout = new QVBoxLayout(htmlAspGruppe);
    htmlLayout->addWidget(radioGroup(QStringLiteral("CSS"), "cssRadio",
                                     {QStringLiteral("Uden"), QStringLiteral("Med intern style definition"),
                                      QStringLiteral("Link til stylesheet")},
                                     &cssRadio, 1, this));
    htmlLayout->addWidget(radioGroup(QStringLiteral("Script"), "scriptRadio",
                                     {QStringLiteral("Uden"), QStringLiteral("Med intern script definition"),
                                      QStringLiteral("Link til JavaScript")},
                                     &scriptRadio, 1, this));

    auto *note = new QLabel(QStringLiteral("Design definitionerne hentes fra indstillingerne i kodebogens designside."));
    note->setWordWrap(true);
    designGruppe = new QGroupBox(QStringLiteral("Design CSS"));
    designGruppe->setObjectName(QStringLiteral("designGruppe"));
    auto *designLayout = new QVBoxLayout(designGruppe);
    css1 = new QCheckBox(QStringLiteral("Med spalte definition"));
    css2 = new QCheckBox(QStringLiteral("Med kolonne definitioner"));
    css3 = new QCheckBox(QStringLiteral("Med flex definitioner"));
    css4 = new QCheckBox(QStringLiteral("Med kontainer definition"));
    int n = 1;
    for (QCheckBox *c : {css1, css2, css3, css4}) {
        c->setObjectName(QStringLiteral("css%1").arg(n++));
        designLayout->addWidget(c);
    }

    udskrivKnap = new QPushButton(QStringLiteral("Udskriv"));
    udskrivKnap->setObjectName(QStringLiteral("udskrivKnap"));
    udskrivKnap->setDefault(true);
    annullerKnap = new QPushButton(QStringLiteral("Annuller"));
    annullerKnap->setObjectName(QStringLiteral("annullerKnap"));
    informationKnap = new QPushButton(QStringLiteral("Information"));
    informationKnap->setObjectName(QStringLiteral("informationKnap"));
    connect(udskrivKnap, &QPushButton::clicked, this, &QDialog::accept);
    connect(annullerKnap, &QPushButton::clicked, this, &QDialog::reject);
    connect(informationKnap, &QPushButton::clicked, this,
            [this] { emit information(QStringLiteral("Programmet.txt"), QStringLiteral("Nyt dokument")); });

    auto *left = new QVBoxLayout;
    left->addWidget(typeBox);
    left->addWidget(htmlAspGruppe);
    auto *right = new QVBoxLayout;
    right->addWidget(note);
    right->addWidget(designGruppe);
    right->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(informationKnap);
    buttons->addStretch();
    buttons->addWidget(udskrivKnap);
    buttons->addWidget(annullerKnap);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    connect(typeGroup, &QButtonGroup::idToggled, this, [this](int, bool on) { if (on) typeValgt(); });
    hentOptioner();
    typeValgt();
}

int Tnewform::type() const { return typeGroup->checkedId(); }
int Tnewform::css() const { return cssRadio->checkedId(); }
int Tnewform::script() const { return scriptRadio->checkedId(); }

bool Tnewform::designCss(int i) const
{
    const QCheckBox *boxes[] = {css1, css2, css3, css4};
    return i >= 1 && i <= 4 && boxes[i - 1]->isChecked();
}

void Tnewform::typeValgt()
{
    const int t = type();
    htmlAspGruppe->setEnabled(t == Html || t == Asp);
    designGruppe->setEnabled(t != JavaScript);
}

void Tnewform::hentOptioner()
{
    // top, left, height, width, the three groups' choices, the four boxes. A damaged file
    // leaves every default in place.
    core::OptionReader r(optfil, 11);
    if (!r.exists())
        return;
    const int top = r.integer(0), left = r.integer(1), height = r.integer(2), width = r.integer(3);
    const int t = r.integer(4, 0, 3), c = r.integer(5, 0, 2), s = r.integer(6, 0, 2);
    bool boxes[4];
    for (int i = 0; i < 4; ++i)
        boxes[i] = r.boolean(7 + i);
    if (!r.ok())
        return;
    platform::placerVindue(this, left, top, width, height);
    typeGroup->button(t)->setChecked(true);
    cssRadio->button(c)->setChecked(true);
    scriptRadio->button(s)->setChecked(true);
    int i = 0;
    for (QCheckBox *box : {css1, css2, css3, css4})
        box->setChecked(boxes[i++]);
}

void Tnewform::hideEvent(QHideEvent *event)
{
    core::OptionWriter w;
    w.add(y()).add(x()).add(height()).add(width()).add(type()).add(css()).add(script());
    for (QCheckBox *box : {css1, css2, css3, css4})
        w.add(box->isChecked());
    w.write(optfil);
    QDialog::hideEvent(event);
}
