#include "platform/vinduesplads.h"

#include "core/optionfile.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {
// What the window manager adds around the inside of a window. Known once the window has been
// shown; before that a title bar's worth is assumed so the frame cannot end below the screen.
QSize rammeTillaeg(const QWidget *window)
{
    if (window->isVisible()) {
        const QSize ekstra = window->frameGeometry().size() - window->size();
        if (ekstra.isValid())
            return ekstra;
    }
    return window->isWindow() ? QSize(0, 30) : QSize(0, 0);
}

// `nyStoerrelse` false: the window keeps the size it has or will take at its first show, and is
// resized only when that does not fit on the screen.
void placer(QWidget *window, const QRect &indre, bool nyStoerrelse)
{
    const QSize ramme = rammeTillaeg(window);
    const QRect ydre = paaSkaermen(QRect(indre.topLeft(), indre.size() + ramme));
    if (nyStoerrelse || ydre.size() - ramme != indre.size())
        window->resize(ydre.size() - ramme);
    window->move(ydre.topLeft());
}
}

QRect paaSkaermen(const QRect &frame)
{
    QScreen *skaerm = nullptr;
    qint64 bedst = 0;
    for (QScreen *s : QGuiApplication::screens()) {
        const QRect faelles = s->availableGeometry().intersected(frame);
        const qint64 areal = qint64(faelles.width()) * faelles.height();
        if (!faelles.isEmpty() && areal > bedst) {
            bedst = areal;
            skaerm = s;
        }
    }
    if (!skaerm)
        skaerm = QGuiApplication::primaryScreen();
    if (!skaerm)
        return frame;
    const QRect omraade = skaerm->availableGeometry();
    QRect r(frame.topLeft(), frame.size().boundedTo(omraade.size()));
    r.moveLeft(qBound(omraade.left(), r.left(), omraade.right() - r.width() + 1));
    r.moveTop(qBound(omraade.top(), r.top(), omraade.bottom() - r.height() + 1));
    return r;
}

void placerVindue(QWidget *window, int left, int top, int width, int height)
{
    placer(window, QRect(left, top, width, height), true);
}

void flytVindue(QWidget *window, int left, int top)
{
    // A window not sized yet takes its size hint when it is first shown.
    const QSize stoerrelse = window->testAttribute(Qt::WA_Resized) || window->isVisible()
                                 ? window->size() : window->sizeHint().expandedTo(window->minimumSize());
    placer(window, QRect(QPoint(left, top), stoerrelse), false);
}

void placerIndre(QWidget *window, const QRect &indre)
{
    // The frame's share above the inside is assumed to be the whole extra height (a title bar).
    const QSize ramme = rammeTillaeg(window);
    const int venstre = ramme.width() / 2;
    const QRect ydre = paaSkaermen(indre.adjusted(-venstre, -ramme.height(), ramme.width() - venstre, 0));
    window->setGeometry(ydre.adjusted(venstre, ramme.height(), venstre - ramme.width(), 0));
}

bool hentPlads(QWidget *window, const QString &optfil)
{
    core::OptionReader r(optfil, 2);
    const int top = r.integer(0), left = r.integer(1);
    if (!r.ok())
        return false;
    flytVindue(window, left, top);
    return true;
}

bool gemPlads(const QWidget *window, const QString &optfil, QString *error)
{
    return core::OptionWriter().add(window->y()).add(window->x()).write(optfil, error);
}

} // namespace platform
