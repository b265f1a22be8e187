#include "analysis/jspanel.h"

#include "platform/vaerktoejsknap.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace analysis {

const QList<JsKategori> &jsKategorier()
{
    auto knap = [](const char *t) { return JsKnap{QString::fromLatin1(t), QString::fromLatin1(t)}; };
    static const QList<JsKategori> k{
        {QStringLiteral("Objekter"),
         {knap("String"), knap("Number"), knap("Math"), knap("Date"), knap("Array"), knap("Boolean"), knap("RegExp"),
          knap("Global")}},
        {QStringLiteral("Browser BOM"), {knap("Window"), knap("Navigator"), knap("Screen"), knap("History"), knap("Location")}},
        {QStringLiteral("HTML DOM"),
         {knap("Document"), knap("Element"), knap("Attr"), {QStringLiteral("Events"), QStringLiteral("Events objekter")}}},
        {QStringLiteral("Collections"),
         {{QStringLiteral("DOMTokenList"), QStringLiteral("classList")}, knap("HTMLCollection"), knap("NodeList"),
          knap("NamedNodeMap")}},
    };
    return k;
}

} // namespace analysis

TJsPanel::TJsPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("JsPanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    auto *knapper = new QHBoxLayout;
    knapper->setSpacing(0);
    JsUdfoldKnap = platform::vaerktoejsknap("JsUdfoldKnap", QStringLiteral("Udfold objektoversigten"), "expand-all");
    JsSammenfoldKnap = platform::vaerktoejsknap("JsSammenfoldKnap", QStringLiteral("Sammenfold objektoversigten"), "collapse-all");
    knapper->addWidget(JsUdfoldKnap);
    knapper->addWidget(JsSammenfoldKnap);
    knapper->addStretch(1);
    layout->addLayout(knapper);

    KnapBoks = new QWidget;
    KnapBoks->setObjectName(QStringLiteral("KnapBoks"));
    KnapBoks->installEventFilter(this);
    auto *boks = new QVBoxLayout(KnapBoks);
    boks->setContentsMargins(2, 2, 2, 2);
    boks->setSpacing(1);
    m_gruppe = new QButtonGroup(this);
    m_gruppe->setExclusive(true);
    const QList<analysis::JsKategori> &kategorier = analysis::jsKategorier();
    for (int i = 0; i < kKategorier; ++i) {
        auto *overskrift = new QToolButton;
        overskrift->setObjectName(QStringLiteral("knapKategori%1").arg(i + 1));
        overskrift->setText(kategorier[i].tekst);
        overskrift->setCheckable(true);
        overskrift->setChecked(true);
        overskrift->setArrowType(Qt::DownArrow);
        overskrift->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        overskrift->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        overskrift->setFocusPolicy(Qt::NoFocus);
        QFont f = overskrift->font();
        f.setBold(true);
        overskrift->setFont(f);
        boks->addWidget(overskrift);
        m_overskrift[i] = overskrift;

        auto *indhold = new QWidget;
        auto *l = new QVBoxLayout(indhold);
        l->setContentsMargins(8, 0, 0, 2);
        l->setSpacing(1);
        for (const analysis::JsKnap &k : kategorier[i].knapper) {
            auto *b = new QToolButton;
            b->setObjectName(QStringLiteral("jsKnap") + k.tekst);
            b->setText(k.tekst);
            b->setCheckable(true);
            b->setAutoRaise(true);
            b->setFocusPolicy(Qt::NoFocus);
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            b->setProperty("objektNavn", k.navn);
            m_gruppe->addButton(b);
            l->addWidget(b);
            connect(b, &QToolButton::clicked, this, [this, navn = k.navn] { emit objektValgt(navn); });
        }
        boks->addWidget(indhold);
        m_indhold[i] = indhold;
        connect(overskrift, &QToolButton::toggled, this, [this, i](bool aaben) {
            setKategoriLukket(i, !aaben);
            emit kategoriSkiftet(i, !aaben);
        });
    }
    boks->addStretch(1);

    auto *rul = new QScrollArea;
    rul->setWidget(KnapBoks);
    rul->setWidgetResizable(true);
    rul->setFrameShape(QFrame::NoFrame);
    rul->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // As wide as the widest button, with room for the vertical scroll bar.
    rul->setMinimumWidth(KnapBoks->sizeHint().width() + rul->verticalScrollBar()->sizeHint().width());
    layout->addWidget(rul, 1);

    connect(JsUdfoldKnap, &QToolButton::clicked, this, [this] { aabnAlle(true); });
    connect(JsSammenfoldKnap, &QToolButton::clicked, this, [this] { aabnAlle(false); });
}

bool TJsPanel::kategoriLukket(int i) const
{
    return i >= 0 && i < kKategorier && m_indhold[i]->isHidden();
}

void TJsPanel::setKategoriLukket(int i, bool lukket)
{
    if (i < 0 || i >= kKategorier)
        return;
    m_indhold[i]->setVisible(!lukket);
    m_overskrift[i]->setArrowType(lukket ? Qt::RightArrow : Qt::DownArrow);
    if (m_overskrift[i]->isChecked() == lukket) {
        const QSignalBlocker b(m_overskrift[i]);
        m_overskrift[i]->setChecked(!lukket);
    }
}

void TJsPanel::aabnAlle(bool aaben)
{
    // Through the headings, so each change is reported as the user's own would be.
    for (QToolButton *o : m_overskrift)
        o->setChecked(aaben);
}

bool TJsPanel::vaelgObjekt(const QString &navn)
{
    for (int i = 0; i < kKategorier; ++i)
        for (QAbstractButton *b : m_indhold[i]->findChildren<QAbstractButton *>())
            if (b->property("objektNavn").toString() == navn) {
                b->setChecked(true);
                setKategoriLukket(i, false);
                return true;
            }
    return false;
}

bool TJsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == KnapBoks && event->type() == QEvent::MouseButtonPress)
        emit boksKlikket();
    return QWidget::eventFilter(watched, event);
}
