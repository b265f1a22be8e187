#include "shell/spmform.h"

#include "core/optionfile.h"
#include "core/programfolder.h"
#include "platform/infobox.h"
#include "platform/vinduesplads.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QVBoxLayout>

namespace {
std::function<Tspmform::Svar(const QString &)> &testHandler()
{
    static std::function<Tspmform::Svar(const QString &)> h;
    return h;
}
}

Tspmform::Tspmform(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Tspmform"));
    setWindowTitle(QStringLiteral("Spørgemål"));
    setModal(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(48, 48));
    Image1->setAlignment(Qt::AlignTop);

    tekst = new QLabel(this);
    tekst->setObjectName(QStringLiteral("tekst"));
    tekst->setWordWrap(true);
    tekst->setFixedWidth(300);
    tekst->setMinimumHeight(tekst->fontMetrics().lineSpacing() * 4);
    tekst->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Button1 = new QPushButton(QStringLiteral("Ja"), this);
    Button2 = new QPushButton(QStringLiteral("Nej"), this);
    Button3 = new QPushButton(QStringLiteral("Annuller"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3->setObjectName(QStringLiteral("Button3"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { done(Ja); });
    connect(Button2, &QPushButton::clicked, this, [this] { done(Nej); });
    connect(Button3, &QPushButton::clicked, this, [this] { done(Annuller); });

    auto *top = new QHBoxLayout;
    top->addWidget(Image1);
    top->addWidget(tekst, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    optfil = core::ProgramFolder::optDir() + QStringLiteral("spm.txt");
    hentPosition();
}

void Tspmform::hentPosition()
{
    core::OptionReader r(optfil, 2);
    const int top = r.integer(0);
    const int left = r.integer(1);
    if (r.ok()) {
        m_pos = QPoint(left, top);
        m_harPos = true;
        platform::flytVindue(this, m_pos.x(), m_pos.y());
    }
}

void Tspmform::gemPosition()
{
    m_pos = pos();
    m_harPos = true;
    core::OptionWriter w;
    w.add(m_pos.y()).add(m_pos.x());
    w.write(optfil);
}

namespace {
// Each caption gets an access letter of its own ("&Ja", "&Nej", "&Annuller"): the first letter
// of one of its words that no earlier button took, else its first free letter. A caption that
// names its letter keeps it.
QStringList medAdgangsbogstaver(QStringList tekster)
{
    QSet<QChar> brugt;
    for (const QString &t : std::as_const(tekster))
        if (const qsizetype i = t.indexOf(u'&'); i >= 0 && i + 1 < t.size())
            brugt.insert(t[i + 1].toLower());
    for (QString &t : tekster) {
        if (t.contains(u'&'))
            continue;
        qsizetype valgt = -1;
        for (qsizetype i = 0; i < t.size() && valgt < 0; ++i)
            if ((i == 0 || t[i - 1].isSpace()) && t[i].isLetter() && !brugt.contains(t[i].toLower()))
                valgt = i;
        for (qsizetype i = 0; i < t.size() && valgt < 0; ++i)
            if (t[i].isLetter() && !brugt.contains(t[i].toLower()))
                valgt = i;
        if (valgt < 0)
            continue;
        brugt.insert(t[valgt].toLower());
        t.insert(valgt, u'&');
    }
    return tekster;
}
}

Tspmform::Svar Tspmform::spoerg(const QString &question, QWidget *owner, const Knapper &knapper)
{
    tekst->setText(platform::displayText(question));
    const QStringList tekster = medAdgangsbogstaver({knapper.ja, knapper.nej, knapper.annuller});
    Button1->setText(tekster[0]);
    Button2->setText(tekster[1]);
    Button3->setText(tekster[2]);
    m_standard = knapper.standard;
    owner = platform::messageOwner(owner);
    platform::placeAboveOwner(this, owner == this ? nullptr : owner);
    // A hidden window shown again may be placed by the window manager (one frame lower each
    // time on some); it shows where it was left instead.
    if (m_harPos)
        platform::flytVindue(this, m_pos.x(), m_pos.y());
    const int r = exec();
    return (r == Ja || r == Nej) ? Svar(r) : Annuller;
}

void Tspmform::done(int result)
{
    // Rejected (Esc or the frame's close button) is "Annuller".
    if (result != Ja && result != Nej)
        result = Annuller;
    gemPosition();
    QDialog::done(result);
}

void Tspmform::showEvent(QShowEvent *event)
{
    visStandard();
    QDialog::showEvent(event);
}

void Tspmform::visStandard()
{
    // The focus would stay on the button pressed the last time.
    QPushButton *standard = m_standard == Nej ? Button2 : m_standard == Annuller ? Button3 : Button1;
    for (QPushButton *b : {Button1, Button2, Button3})
        b->setDefault(b == standard);
    standard->setFocus(Qt::OtherFocusReason);
}

Tspmform *Tspmform::instance()
{
    static QPointer<Tspmform> form;
    if (!form)
        form = new Tspmform;
    return form;
}

void Tspmform::setTestHandler(std::function<Svar(const QString &)> handler)
{
    testHandler() = std::move(handler);
}

Tspmform::Svar Tspmform::ask(const QString &question, QWidget *owner, const Knapper &knapper)
{
    if (testHandler())
        return testHandler()(question);
    Tspmform *form = instance();
    // The shared window belongs to the window that asks, so the window manager keeps it above
    // that one (it is made again should that window ever go).
    QWidget *window = platform::messageOwner(owner);
    if (window != form && window != form->parentWidget())
        form->setParent(window, form->windowFlags());
    return form->spoerg(question, window, knapper);
}
