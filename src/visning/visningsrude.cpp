#include "visning/visningsrude.h"

#include "core/programfolder.h"
#include "editor/editor.h"
#include "visning/forhaandsvisning.h"
#include "visning/kildekort.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

TVisningsrude::TVisningsrude(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Forhaandsvisning"));
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(2);
    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 0);
    m_netCheck = new QCheckBox(QStringLiteral("Tillad net for siden"));
    m_netCheck->setObjectName(QStringLiteral("tilladNetCheck"));
    m_netCheck->setToolTip(QStringLiteral("Lad siden hente fra nettet (ellers kun lokale filer)"));
    m_rodBox = new QComboBox;
    m_rodBox->setObjectName(QStringLiteral("rodBox"));
    m_rodBox->setToolTip(QStringLiteral("Siden kan læse filer i denne mappe og mapperne under den – vælg webstedets rodmappe, "
                                        "hvis siden henter filer fra mapper over sin egen"));
    m_rodBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_info = new QLabel;
    m_info->setObjectName(QStringLiteral("visningInfo"));
    bar->addWidget(m_netCheck);
    bar->addWidget(m_rodBox);
    bar->addStretch(1);
    bar->addWidget(m_info);
    m_layout->addLayout(bar);
    connect(m_netCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_netSider.insert(m_fil);
        else
            m_netSider.remove(m_fil);
        if (m_motor)
            m_motor->setTilladNet(on);
        opdaterNu();
    });
    connect(m_rodBox, &QComboBox::activated, this, &TVisningsrude::rodValgt);

    m_tekstTimer.setSingleShot(true);
    m_tekstTimer.setInterval(kForsinkelse);
    connect(&m_tekstTimer, &QTimer::timeout, this, &TVisningsrude::opdaterNu);
    m_rulTimer.setSingleShot(true);
    m_rulTimer.setInterval(60);
    connect(&m_rulTimer, &QTimer::timeout, this, &TVisningsrude::rulTilCaret);
}

TVisningsrude::~TVisningsrude()
{
    delete m_motor;
}

void TVisningsrude::setInfo(const QString &text)
{
    m_info->setText(text);
}

void TVisningsrude::folg(TEditor *edit, const QString &filnavn)
{
    if (edit == m_edit && filnavn == m_fil)
        return;
    for (const QMetaObject::Connection &c : std::as_const(m_forbindelser))
        disconnect(c);
    m_forbindelser.clear();
    const bool andet = edit != m_edit;
    m_edit = edit;
    m_fil = filnavn;
    if (andet)
        m_rulY = 0;
    {
        const QSignalBlocker b(m_netCheck);
        m_netCheck->setChecked(m_netSider.contains(m_fil));
    }
    if (m_motor)
        m_motor->setTilladNet(m_netCheck->isChecked());
    fyldRodBox();
    if (edit) {
        // Typing starts the wait anew; the preview follows once the keys rest.
        m_forbindelser << connect(edit, &TEditor::tekstAendret, this, [this] {
            if (isVisible())
                m_tekstTimer.start();
        });
        m_forbindelser << connect(edit, &TEditor::caretMoved, this, [this] {
            if (isVisible())
                m_rulTimer.start();
        });
    }
    if (isVisible())
        opdaterNu();
}

void TVisningsrude::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    opdaterNu();
}

bool TVisningsrude::startMotor()
{
    if (m_motor)
        return true;
    if (!m_fejl.isEmpty())
        return false;
    m_motor = visning::lavForhaandsvisning(this, &m_fejl);
    if (!m_motor) {
        auto *label = new QLabel(m_fejl);
        label->setWordWrap(true);
        m_layout->addWidget(label, 1);
        return false;
    }
    m_layout->addWidget(m_motor->widget(), 1);
    m_motor->setTilladNet(m_netCheck->isChecked());
    m_motor->konsol = [this](const QString &m) { konsol(m); };
    m_motor->vist = [this](bool ok) { emit vist(ok); };
    m_motor->svarerIkke = [this] {
        setInfo(QStringLiteral("Siden svarer ikke – forhåndsvisningen genstartes ved næste ændring"));
    };
    return true;
}

void TVisningsrude::opdaterNu()
{
    m_tekstTimer.stop();
    if (!isVisible() || !startMotor())
        return;
    if (!m_edit || m_edit->sprog() != u"HTML") {
        setInfo(QStringLiteral("Forhåndsvisningen viser html dokumenter."));
        m_motor->vis(QString(), QUrl(QStringLiteral("about:blank")));
        return;
    }
    if (m_edit->byteLength() > kMaksStoerrelse) {
        setInfo(QStringLiteral("Siden er for stor til forhåndsvisning."));
        return;
    }
    // A page that reaches above its folder shows without those files until the site's root
    // is picked; say so rather than leave the user guessing.
    const QString tekst = m_edit->text();
    const bool op = rod() == sideMappe() && sideMappe() != u"/"
        && (tekst.contains(QLatin1String("=\"../")) || tekst.contains(QLatin1String("='../"))
            || tekst.contains(QLatin1String("url(../")) || tekst.contains(QLatin1String("url(\"../")));
    setInfo(op ? QStringLiteral("Siden henter filer over sin mappe – vælg webstedets rod") : QString());
    const QUrl base = QUrl::fromLocalFile(sideMappe() + u'/');
    m_motor->setRod(rod());
    m_motor->vis(visning::markerKilde(tekst), base, visning::sideScript(m_rulY));
}

QString TVisningsrude::sideMappe() const
{
    const QString mappe = m_fil.isEmpty() ? core::ProgramFolder::documentsDir() : QFileInfo(m_fil).absolutePath();
    return QDir::cleanPath(QDir(mappe).absolutePath());
}

namespace {
bool iMappe(const QString &mappe, const QString &rod)
{
    return mappe == rod || mappe.startsWith(rod == u"/" ? rod : rod + u'/');
}
} // namespace

// The deepest root the user picked that holds the page's folder, else the folder itself.
QString TVisningsrude::rod() const
{
    const QString mappe = sideMappe();
    QString valgt = mappe;
    for (const QString &r : m_roedder)
        if (iMappe(mappe, r) && (valgt == mappe || r.size() > valgt.size()))
            valgt = r;
    return valgt;
}

// The page's folder and the folders above it, up to the home folder when it lies there;
// never the whole disk.
void TVisningsrude::fyldRodBox()
{
    const QSignalBlocker b(m_rodBox);
    m_rodBox->clear();
    const QString hjem = QDir::cleanPath(QDir::homePath());
    const bool underHjem = iMappe(sideMappe(), hjem);
    QDir d(sideMappe());
    for (int i = 0; i < 8; ++i) {
        const QString sti = d.absolutePath();
        if (sti == u"/" && i > 0)
            break;
        QString vist = QDir::toNativeSeparators(sti);
        if (underHjem)
            vist = u'~' + vist.mid(hjem.size());
        m_rodBox->addItem(QStringLiteral("Rod: %1").arg(vist), sti);
        if ((underHjem && sti == hjem) || !d.cdUp())
            break;
    }
    m_rodBox->setCurrentIndex(std::max(0, m_rodBox->findData(rod())));
}

void TVisningsrude::rodValgt(int index)
{
    const QString valgt = m_rodBox->itemData(index).toString();
    const QString mappe = sideMappe();
    m_roedder.erase(std::remove_if(m_roedder.begin(), m_roedder.end(),
                                   [&](const QString &r) { return iMappe(mappe, r); }),
                    m_roedder.end());
    if (!valgt.isEmpty() && valgt != mappe)
        m_roedder << valgt;
    opdaterNu();
}

void TVisningsrude::konsol(const QString &message)
{
    const qsizetype klik = visning::klikOffset(message);
    if (klik >= 0 && m_edit) {
        m_edit->setCaretPos(std::min(klik, m_edit->length()));
        m_edit->scrollToCaret();
        m_edit->setFocus();
        return;
    }
    const int y = visning::rulPosition(message);
    if (y >= 0)
        m_rulY = y;
}

void TVisningsrude::rulTilCaret()
{
    if (!m_motor || !m_edit)
        return;
    const qsizetype pos = m_edit->caretPos();
    m_motor->koerScript(QStringLiteral("window.tvRul ? tvRul(%1) : -1").arg(pos), [this, pos](const QVariant &y) {
        if (y.toInt() >= 0) {
            m_rulY = y.toInt();
            m_rulletTil = pos;
            emit rullet(pos);
        }
    });
}
