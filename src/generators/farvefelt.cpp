#include "generators/farvefelt.h"

#include "codewriting/taginfo.h"
#include "core/inputfilters.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QToolButton>

namespace {
QIcon farveIkon(const QColor &c)
{
    QPixmap p(14, 14);
    p.fill(c);
    return QIcon(p);
}
}

TFarvefelt::TFarvefelt(const char *editName, const char *knapName, const QString &text, QWidget *parent)
    : QWidget(parent)
{
    auto *l = new QHBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(editName));
    edit->setFixedWidth(70);
    knap = new QToolButton;
    knap->setObjectName(QString::fromLatin1(knapName));
    knap->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(knap);
    m_valgtAction = menu->addAction(QStringLiteral("Valgt farve"));
    m_valgtAction->setToolTip(QStringLiteral("Sidst valgte farve"));
    connect(m_valgtAction, &QAction::triggered, this, [this] { vaelg(m_valgt); });
    menu->addSeparator();
    const std::pair<const char *, const char *> farver[] = {
        {"Sort", "#000000"}, {"Grå", "#808080"}, {"Kastanje", "#800000"}, {"Oliven", "#808000"},
        {"Grøn", "#008000"}, {"Turkis", "#008080"}, {"Mørk blå", "#000080"}, {"Mørk lilla", "#800080"},
        {"Hvid", "#FFFFFF"}, {"Sølv grå", "#C0C0C0"}, {"Rød", "#FF0000"}, {"Gul", "#FFFF00"},
        {"Lime", "#00FF00"}, {"Cyan", "#00FFFF"}, {"Blå", "#0000FF"}, {"Magenta", "#FF00FF"}};
    for (const auto &[navn, kode] : farver) {
        const QColor c(QString::fromLatin1(kode));
        QAction *a = menu->addAction(farveIkon(c), QString::fromUtf8(navn));
        a->setToolTip(QString::fromUtf8(navn));
        connect(a, &QAction::triggered, this, [this, c] { vaelg(c); });
    }
    knap->setMenu(menu);
    l->addWidget(edit);
    l->addWidget(knap);

    connect(edit, &QLineEdit::textChanged, this, [this](const QString &t) {
        const QString filtered = core::Get16Tal(t);
        if (filtered != t)
            edit->setText(filtered);   // comes back here with the clean text
        edit->setCursorPosition(int(edit->text().size()));
        QColor c;
        if (filtered == t && laesFarve(t, c)) {
            setValgt(c);
            emit farveAendret(c);
        }
    });
    edit->setText(text);
}

bool TFarvefelt::laesFarve(const QString &text, QColor &farve)
{
    if (text.size() != 7)
        return false;
    bool ok[3];
    const int r = text.mid(1, 2).toInt(&ok[0], 16), g = text.mid(3, 2).toInt(&ok[1], 16),
              b = text.mid(5, 2).toInt(&ok[2], 16);
    if (!ok[0] || !ok[1] || !ok[2])
        return false;
    farve = QColor(r, g, b);
    return true;
}

void TFarvefelt::setValgt(const QColor &farve)
{
    m_valgt = farve;
    m_valgtAction->setIcon(farveIkon(farve));
    knap->setIcon(farveIkon(farve));
}

void TFarvefelt::vaelg(const QColor &farve)
{
    setValgt(farve);
    edit->setText(Tinfotag::GetColor(farve));
    edit->setFocus();
}
