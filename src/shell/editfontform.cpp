#include "shell/editfontform.h"

#include "core/optionfile.h"
#include "core/programfolder.h"
#include "generators/fontsizebox.h"
#include "platform/infobox.h"
#include "platform/vinduesplads.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace shell {

EditFont EditFont::hent(const QString &path)
{
    core::OptionReader r(path, 6);
    EditFont f;
    f.top = r.integer(0);
    f.left = r.integer(1);
    f.hoejde = r.integer(2);
    f.bredde = r.integer(3);
    f.navn = r.text(4).trimmed();
    f.dim = r.integer(5, 1, 400);
    if (!r.ok() || f.navn.isEmpty())
        return {};
    if (r.hasInteger(6))
        f.fuldfoerelse = r.integer(6) != 0;
    f.harPosition = true;
    return f;
}

bool EditFont::gem(const QString &path, QString *error) const
{
    return core::OptionWriter().add(top).add(left).add(hoejde).add(bredde).add(navn).add(dim).add(fuldfoerelse).write(path, error);
}

} // namespace shell

Teditfontform::Teditfontform(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Teditfontform"));
    setWindowTitle(QStringLiteral("Editor font"));
    setModal(true);
    optFilnavn = core::ProgramFolder::optDir() + QStringLiteral("editfont.txt");

    fontnames = new QListWidget;
    fontnames->setObjectName(QStringLiteral("fontnames"));
    fontnames->setToolTip(QStringLiteral("Vælg font"));
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    fontnames->addItems(families);
    FontSize = new QListWidget;
    FontSize->setObjectName(QStringLiteral("FontSize"));
    FontSize->setToolTip(QStringLiteral("Vælg font-størrelse"));
    FontSize->setMaximumWidth(90);
    Memo = new QPlainTextEdit;
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    Memo->setPlainText(QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<title></title>\n</head>\n<body>\n\n</body>\n</html>"));
    connect(fontnames, &QListWidget::itemClicked, this, [this](QListWidgetItem *it) { fontnamesClick(it->text()); });
    connect(fontnames, &QListWidget::currentTextChanged, this, [this](const QString &t) {
        if (!t.isEmpty() && t != fontNavn)
            fontnamesClick(t);
    });
    connect(FontSize, &QListWidget::currentTextChanged, this, [this](const QString &t) {
        bool ok = false;
        const int s = t.toInt(&ok);
        if (ok)
            FontSizeChange(s);
    });

    okKnap = new QPushButton(QStringLiteral("Ok"));
    okKnap->setObjectName(QStringLiteral("okKnap"));
    gendanKnap = new QPushButton(QStringLiteral("Gendan"));
    gendanKnap->setObjectName(QStringLiteral("gendanKnap"));
    gendanKnap->setAutoDefault(false);
    annullerKnap = new QPushButton(QStringLiteral("Annuller"));
    annullerKnap->setObjectName(QStringLiteral("annullerKnap"));
    annullerKnap->setAutoDefault(false);
    connect(okKnap, &QPushButton::clicked, this, &QDialog::accept);
    connect(gendanKnap, &QPushButton::clicked, this, &Teditfontform::gendanKnapClick);
    connect(annullerKnap, &QPushButton::clicked, this, &QDialog::reject);

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Vælg font")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Vælg font-størrelse")), 0, 1);
    grid->addWidget(fontnames, 1, 0);
    grid->addWidget(FontSize, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Eksempel")), 2, 0);
    grid->addWidget(Memo, 3, 0, 1, 2);
    auto *knapper = new QHBoxLayout;
    knapper->addStretch();
    knapper->addWidget(okKnap);
    knapper->addWidget(gendanKnap);
    knapper->addWidget(annullerKnap);
    grid->addLayout(knapper, 4, 0, 1, 2);

    const shell::EditFont f = shell::EditFont::hent(optFilnavn);
    fontNavn = f.navn;
    fontDim = f.dim;
    fuldfoerelse = f.fuldfoerelse;
    if (f.harPosition) {
        platform::placerVindue(this, f.left, f.top, qMax(f.bredde, 200), qMax(f.hoejde, 200));
    } else {
        resize(460, 420);
    }
}

QFont Teditfontform::font() const
{
    // A font the system lacks (the default "Courier New" on many) would be replaced by the
    // system's default face, often a serif one; the text takes the system's fixed-pitch font
    // instead, in the editor and in the example alike. The chosen name is kept.
    if (!QFontDatabase::hasFamily(fontNavn)) {
        QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        if (!QFontInfo(f).fixedPitch()) {
            // A platform that names no fixed font of its own: the first installed one.
            for (const QString &familie : QFontDatabase::families())
                if (QFontDatabase::isFixedPitch(familie) && !QFontDatabase::isPrivateFamily(familie)) {
                    f = QFont(familie);
                    break;
                }
        }
        f.setPointSize(fontDim);
        return f;
    }
    QFont f(fontNavn, fontDim);
    f.setStyleHint(QFont::Monospace);
    return f;
}

bool Teditfontform::gemOpt()
{
    shell::EditFont f;
    f.top = pos().y();
    f.left = pos().x();
    f.hoejde = height();
    f.bredde = width();
    f.navn = fontNavn;
    f.dim = fontDim;
    f.fuldfoerelse = fuldfoerelse;
    QString error;
    if (!f.gem(optFilnavn, &error)) {
        platform::errorBox(this, QStringLiteral("Editorens font kunne ikke gemmes i %1.\r%2").arg(optFilnavn, error));
        return false;
    }
    return true;
}

void Teditfontform::showEvent(QShowEvent *event)
{
    const QList<QListWidgetItem *> hits = fontnames->findItems(fontNavn, Qt::MatchFixedString);
    if (!hits.isEmpty()) {
        QSignalBlocker b(fontnames);
        fontnames->setCurrentItem(hits.first());
        fontnames->scrollToItem(hits.first());
    }
    fyldStoerrelser();
    visEksempel();
    QDialog::showEvent(event);
}

void Teditfontform::fyldStoerrelser()
{
    // The sizes of the face the text is shown in (the fallback when the chosen one is missing).
    const QString familie = font().family();
    const QStringList sizes = TFontSizeComboBox::storrelser(QFontDatabase::isScalable(familie),
                                                           QFontDatabase::pointSizes(familie));
    QSignalBlocker b(FontSize);
    FontSize->clear();
    FontSize->addItems(sizes);
    QList<QListWidgetItem *> hit = FontSize->findItems(QString::number(fontDim), Qt::MatchExactly);
    if (hit.isEmpty() && FontSize->count() > 0) {
        fontDim = FontSize->item(0)->text().toInt();
        hit = {FontSize->item(0)};
    }
    if (!hit.isEmpty())
        FontSize->setCurrentItem(hit.first());
    OldFontSizname = QString::number(fontDim);
}

void Teditfontform::visEksempel()
{
    Memo->setFont(font());
    OldFontname = fontNavn;
}

void Teditfontform::fontnamesClick(const QString &name)
{
    fontNavn = name;
    fyldStoerrelser();
    visEksempel();
}

void Teditfontform::FontSizeChange(int size)
{
    fontDim = size;
    visEksempel();
}

void Teditfontform::gendanKnapClick()
{
    fontNavn = QStringLiteral("Courier New");
    fontDim = 10;
    const QList<QListWidgetItem *> hits = fontnames->findItems(fontNavn, Qt::MatchFixedString);
    QSignalBlocker b(fontnames);
    fontnames->setCurrentItem(hits.isEmpty() ? nullptr : hits.first());
    fyldStoerrelser();
    visEksempel();
}
