#include "generators/fontform.h"

#include "codewriting/dokumentvaert.h"
#include "codewriting/taginfo.h"
#include "core/optionfile.h"
#include "core/programfolder.h"
#include "generators/farvefelt.h"
#include "generators/fontsizebox.h"
#include "generators/fontvalg.h"
#include "generators/sidehjaelp.h"
#include "platform/infobox.h"
#include "platform/vinduesplads.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

using namespace generators;

namespace {
const char *const kKoder[] = {"p", "div", "span", "pre", "blockquote", "fieldset"};

QCheckBox *check(const char *name, const QString &caption, const QString &hint = {})
{
    auto *c = navngiv(new QCheckBox(caption), name);
    c->setToolTip(hint);
    return c;
}
}

Tfontform::Tfontform(TDokumentVaert *mainform, QAction *AudskrivTekst)
    : QWidget(mainform->vaertsvindue(), Qt::Tool | Qt::WindowStaysOnTopHint), m(mainform)
{
    setObjectName(QStringLiteral("Tfontform"));
    setWindowTitle(QStringLiteral("Tekstboks"));
    generators::lukMedEscape(this);
    optFilnavn = core::ProgramFolder::optDir() + QStringLiteral("font.txt");

    Memo = navngiv(new QPlainTextEdit(QStringLiteral("Eksempel")), "Memo");
    Memo->setToolTip(QStringLiteral("Indfør teksten, der skal placeres i valgte html-kode"));
    kodeGroup = navngiv(new QGroupBox(QStringLiteral("Html kode")), "kodeGroup");
    kodeGroup->setToolTip(QStringLiteral("Vælg html-kode"));
    auto *kl = new QGridLayout(kodeGroup);
    koder = new QButtonGroup(kodeGroup);
    for (int i = 0; i < 6; ++i) {
        auto *r = new QRadioButton(QString::fromLatin1(kKoder[i]));
        koder->addButton(r, i);
        kl->addWidget(r, i % 3, i / 3);
    }
    koder->button(1)->setChecked(true);
    fontnames = navngiv(new QListWidget, "fontnames");
    fontnames->setToolTip(QStringLiteral("Vælg font"));
    fontnames->addItems(fontFamilier());
    // Wide enough for the longest name, within reason.
    int bredest = 0;
    for (int i = 0; i < fontnames->count(); ++i)
        bredest = qMax(bredest, fontnames->fontMetrics().horizontalAdvance(fontnames->item(i)->text()));
    fontnames->setMinimumWidth(qMin(bredest, 300) + fontnames->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                               + 4 * fontnames->frameWidth() + 8);
    fontnames->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FontSize = new TFontSizeComboBox;
    FontSize->setToolTip(QStringLiteral("Vælg font-størrelse"));
    farve = new TFarvefelt("farveEdit", "farveBoks", QStringLiteral("#000000"));
    farve->edit->setToolTip(QStringLiteral("font-color. Kan indføres manuelt eller vælges fra farveboksen."));
    farve->knap->setToolTip(QStringLiteral("Farveboks: font-color"));
    boldCheck = check("boldCheck", QStringLiteral("font-weight: bold"));
    kursivCheck = check("kursivCheck", QStringLiteral("font-style: italic"));
    styleCheck = check("styleCheck", QStringLiteral("Medtag style"), QStringLiteral("style=\" + valgte style-elementer"));
    styleCheck->setChecked(true);
    nameCheck = check("nameCheck", QStringLiteral("font-family"), QStringLiteral("Medtag fontnavn i stylekoden"));
    sizeCheck = check("sizeCheck", QStringLiteral("font-size"), QStringLiteral("Medtag font-størrelse i style-koden"));
    colorCheck = check("colorCheck", QStringLiteral("color"), QStringLiteral("Medtag font-farve i style-koden"));
    listeUdskrivKnap = actionKnap("listeUdskrivKnap", AudskrivTekst);
    lukKnap = navngiv(new QToolButton, "lukKnap");
    lukKnap->setText(QStringLiteral("Luk"));
    lukKnap->setToolTip(QStringLiteral("Luk Tekstboksen"));
    connect(lukKnap, &QToolButton::clicked, this, &QWidget::close);
    infoKnap = generators::infoKnap(m, "infoKnap", QStringLiteral("Information om Tekstboksen"),
                                    QStringLiteral("Programmet.txt"), QStringLiteral("Koder"));

    auto *right = new QWidget;
    auto *rl = new QVBoxLayout(right);
    rl->addWidget(new QLabel(QStringLiteral("Tekst")));
    rl->addWidget(Memo, 1);
    auto *row = new QHBoxLayout;
    row->addWidget(kodeGroup);
    auto *opts = new QGridLayout;
    opts->addWidget(FontSize, 0, 0);
    opts->addWidget(new QLabel(QStringLiteral("color")), 1, 0);
    opts->addWidget(farve, 1, 1);
    opts->addWidget(boldCheck, 2, 0);
    opts->addWidget(kursivCheck, 2, 1);
    opts->addWidget(styleCheck, 3, 0);
    opts->addWidget(nameCheck, 4, 0);
    opts->addWidget(sizeCheck, 4, 1);
    opts->addWidget(colorCheck, 5, 0);
    row->addLayout(opts);
    rl->addLayout(row);
    auto *knapper = new QHBoxLayout;
    knapper->addWidget(infoKnap);
    knapper->addStretch(1);
    knapper->addWidget(listeUdskrivKnap);
    knapper->addWidget(lukKnap);
    rl->addLayout(knapper);
    splitter = new QSplitter;
    splitter->addWidget(fontnames);
    splitter->addWidget(right);
    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(4, 4, 4, 4);
    main->addWidget(splitter);

    connect(fontnames, &QListWidget::itemClicked, this, &Tfontform::fontnamesClick);
    connect(FontSize, &QComboBox::textActivated, this, [this](const QString &t) {
        QFont f = m_font;
        f.setPointSize(t.toInt());
        setMemoFont(f);
    });
    connect(boldCheck, &QCheckBox::toggled, this, [this](bool on) { QFont f = m_font; f.setBold(on); setMemoFont(f); });
    connect(kursivCheck, &QCheckBox::toggled, this, [this](bool on) { QFont f = m_font; f.setItalic(on); setMemoFont(f); });
    connect(farve, &TFarvefelt::farveAendret, this, &Tfontform::setMemoFarve);

    hentOpt();
}

QString Tfontform::kode() const
{
    return QString::fromLatin1(kKoder[qBound(0, koder->checkedId(), 5)]);
}

void Tfontform::setMemoFont(const QFont &font)
{
    m_font = font;
    Memo->setFont(font);
}

void Tfontform::setMemoFarve(const QColor &farve)
{
    m_farve = farve;
    QPalette p = Memo->palette();
    p.setColor(QPalette::Text, farve);
    Memo->setPalette(p);
}

// Shows the font in the list and its sizes in the size box; a size the font does not offer
// gives way to the first offered one.
void Tfontform::vaelgFont(const QString &wanted)
{
    // A font that is not installed (the default one on many desktops) gives way to the
    // desktop's sans-serif, so a font is always chosen and its sizes offered.
    QStringList listed;
    for (int i = 0; i < fontnames->count(); ++i)
        listed << fontnames->item(i)->text();
    const QString name = listed.isEmpty() ? wanted : fontEllerStandard(wanted, listed);
    QFont f = m_font;
    f.setFamily(name);
    const QList<QListWidgetItem *> found = fontnames->findItems(name, Qt::MatchFixedString);
    if (!found.isEmpty())
        fontnames->setCurrentItem(found.first());
    FontSize->setFontName(name);
    int index = FontSize->findText(QString::number(f.pointSize()));
    if (index < 0 && FontSize->count() > 0) {
        index = 0;
        f.setPointSize(FontSize->itemText(0).toInt());
    }
    FontSize->setCurrentIndex(index);
    setMemoFont(f);
    OldFontname = name;
    OldFontSizname = FontSize->currentText();
}

void Tfontform::fontnamesClick()
{
    if (QListWidgetItem *item = fontnames->currentItem())
        vaelgFont(item->text());
}

void Tfontform::hentOpt()
{
    core::OptionReader r(optFilnavn, 15);
    struct {
        int top, left, height, width, size, kode, listWidth;
        QString font, farve;
        bool style, bold, kursiv, name, sizeOn, color;
    } o{};
    if (r.exists()) {
        o.top = r.integer(0);
        o.left = r.integer(1);
        o.height = r.integer(2, 50, 10000);
        o.width = r.integer(3, 50, 10000);
        o.font = r.text(4);
        o.size = r.integer(5, 1, 1000);
        o.kode = r.integer(6, 0, 5);
        o.style = r.boolean(7);
        o.farve = r.text(8);
        o.bold = r.boolean(9);
        o.kursiv = r.boolean(10);
        o.name = r.boolean(11);
        o.sizeOn = r.boolean(12);
        o.color = r.boolean(13);
        o.listWidth = r.integer(14, 0, 10000);
        if (!r.ok())
            platform::infoBox(m->vaertsvindue(), QStringLiteral("Tekstboksens indstillinger i %1 kunne ikke læses.\rStandardindstillingerne bruges.")
                                     .arg(optFilnavn));
    }
    QFont f = Memo->font();
    if (r.exists() && r.ok()) {
        platform::placerVindue(this, o.left, o.top, o.width, o.height);
        f.setFamily(o.font);
        f.setPointSize(o.size);
        f.setBold(o.bold);
        f.setItalic(o.kursiv);
        koder->button(o.kode)->setChecked(true);
        styleCheck->setChecked(o.style);
        farve->edit->setText(o.farve);
        nameCheck->setChecked(o.name);
        sizeCheck->setChecked(o.sizeOn);
        colorCheck->setChecked(o.color);
        splitter->setSizes({o.listWidth, qMax(0, o.width - o.listWidth)});
        boldCheck->setChecked(o.bold);
        kursivCheck->setChecked(o.kursiv);
    } else {
        f.setFamily(QStringLiteral("Verdana"));
        f.setPointSize(8);
        resize(560, 340);
        if (QScreen *s = QGuiApplication::primaryScreen())
            move(s->availableGeometry().center() - rect().center());
    }
    setMemoFarve(farve->valgtFarve().isValid() ? farve->valgtFarve() : QColor(Qt::black));
    m_font = f;
    vaelgFont(f.family());
}

void Tfontform::gemOpt()
{
    core::OptionWriter w;
    w.add(y()).add(x()).add(height()).add(width()).add(m_font.family()).add(m_font.pointSize())
        .add(koder->checkedId()).add(styleCheck->isChecked()).add(farve->edit->text())
        .add(boldCheck->isChecked()).add(kursivCheck->isChecked()).add(nameCheck->isChecked())
        .add(sizeCheck->isChecked()).add(colorCheck->isChecked()).add(splitter->sizes().value(0));
    QString error;
    if (!w.write(optFilnavn, &error))
        platform::errorBox(this, QStringLiteral("Tekstboksens indstillinger kunne ikke gemmes i %1.\r%2").arg(optFilnavn, error));
}

void Tfontform::closeEvent(QCloseEvent *event)
{
    gemOpt();
    event->accept();
}

void Tfontform::AudskrivTekstExecute()
{
    const QString text = Memo->toPlainText();
    const QStringList lines = text.isEmpty() ? QStringList() : text.split(u'\n');
    if (styleCheck->isChecked())
        m->tagKomponent()->InsFont(m_font, m_farve, lines, kode(), nameCheck->isChecked(), sizeCheck->isChecked(),
                           colorCheck->isChecked());
    else
        m->tagKomponent()->InsKode(lines, kode());
    m->winInfo();
}
