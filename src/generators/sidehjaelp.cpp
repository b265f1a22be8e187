#include "generators/sidehjaelp.h"

#include "codewriting/dokumentvaert.h"
#include "core/inputfilters.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QToolButton>

namespace generators {

QLineEdit *talFelt(const char *name, const QString &text, int width)
{
    auto *e = navngiv(new QLineEdit(text), name);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
    e->setFixedWidth(width);
    return e;
}

QToolButton *nulKnap(const char *name, const QString &hint)
{
    auto *b = navngiv(new QToolButton, name);
    b->setText(QStringLiteral("<"));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    return b;
}

QToolButton *infoKnap(TDokumentVaert *m, const char *name, const QString &hint, const QString &structure,
                      const QString &title)
{
    auto *b = navngiv(new QToolButton, name);
    b->setIcon(QIcon::fromTheme(QStringLiteral("help-about")));
    b->setText(QStringLiteral("?"));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    // The title is read at the click: some buttons change their page with a choice.
    b->setProperty("infoTitel", title);
    QObject::connect(b, &QToolButton::clicked, b, [m, b, structure] {
        m->HelpInfo(structure, b->property("infoTitel").toString());
    });
    return b;
}

QToolButton *actionKnap(const char *name, QAction *action)
{
    auto *b = navngiv(new QToolButton, name);
    b->setDefaultAction(action);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

QAction *dokumentAction(TDokumentVaert *m, const char *name, const QString &caption, const QString &hint,
                        const QKeySequence &shortcut)
{
    auto *a = new QAction(caption, m->vaertsvindue());
    a->setObjectName(QString::fromLatin1(name));
    a->setToolTip(hint.isEmpty() ? caption : hint);
    a->setStatusTip(hint);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    m->dokumentKommando(a);
    return a;
}

void lukMedEscape(QWidget *vindue)
{
    auto *luk = new QShortcut(QKeySequence(Qt::Key_Escape), vindue);
    luk->setContext(Qt::WindowShortcut);
    QObject::connect(luk, &QShortcut::activated, vindue, &QWidget::close);
}

void filtrerTal(QLineEdit *edit)
{
    edit->setValidator(nullptr);   // the filter cleans pasted text instead of refusing it
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString &text) {
        const QString filtered = core::GetPosTal(text);
        if (filtered != text)
            edit->setText(filtered);
        edit->setCursorPosition(int(edit->text().size()));
    });
}


QComboBox *liste(const char *name, const QStringList &items, int index)
{
    auto *c = navngiv(new QComboBox, name);
    c->addItems(items);
    c->setCurrentIndex(index);
    return c;
}

QCheckBox *afkrydsning(const char *name, const QString &caption, bool checked, const QString &hint)
{
    auto *c = navngiv(new QCheckBox(caption), name);
    c->setChecked(checked);
    c->setToolTip(hint);
    return c;
}

QWidget *feltRaekke(const QString &before, QWidget *field, const QString &after, QWidget *extra)
{
    auto *w = new QWidget;
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(3);
    if (!before.isEmpty())
        l->addWidget(new QLabel(before));
    l->addWidget(field);
    if (extra)
        l->addWidget(extra);
    if (!after.isEmpty())
        l->addWidget(new QLabel(after));
    l->addStretch(1);
    return w;
}

QGroupBox *radioGruppe(const char *name, const QString &title, const QStringList &items, int columns,
                       QButtonGroup *&group)
{
    auto *box = navngiv(new QGroupBox(title), name);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(0);
    group = new QButtonGroup(box);
    group->setObjectName(QString::fromLatin1(name) + QStringLiteral("Knapper"));
    const int perColumn = int((items.size() + columns - 1) / columns);
    for (int i = 0; i < items.size(); ++i) {
        auto *r = new QRadioButton(items[i]);
        group->addButton(r, i);
        grid->addWidget(r, i % perColumn, i / perColumn);
    }
    group->button(0)->setChecked(true);
    return box;
}

} // namespace generators
