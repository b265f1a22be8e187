#include "platform/infobox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

namespace {
std::function<void(const QString &)> &handler()
{
    static std::function<void(const QString &)> h;
    return h;
}

bool stayOnTopWindowShown(const QWidget *except)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != except && w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return true;
    return false;
}

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    if (handler()) {
        handler()(text);
        return;
    }
    QWidget *owner = messageOwner(parent);
    QMessageBox box(icon, QStringLiteral("Tavlevirke"), displayText(text), QMessageBox::Ok, owner);
    placeAboveOwner(&box, owner);
    box.exec();
}
}

void setInfoBoxHandler(std::function<void(const QString &)> h)
{
    handler() = std::move(h);
}

QString displayText(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

QWidget *messageOwner(QWidget *parent)
{
    if (parent)
        return parent->window();
    return QApplication::activeWindow();
}

void placeAboveOwner(QWidget *message, QWidget *owner)
{
    const bool onTop = (owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
                       || stayOnTopWindowShown(message);
    if (message->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        message->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

void showAboveOpener(QWidget *dialog, QWidget *opener)
{
    QWidget *owner = opener ? opener->window() : nullptr;
    if (owner && owner != dialog && dialog->parentWidget() != owner) {
        // setParent() takes the flags anew and forgets the place; both are kept. A dialog
        // never placed yet is left for Qt to centre over its new owner.
        const bool placed = dialog->testAttribute(Qt::WA_Moved);
        const QPoint place = dialog->pos();
        dialog->setParent(owner, dialog->windowFlags());
        if (placed)
            dialog->move(place);
    }
    placeAboveOwner(dialog, owner);
}

void infoBox(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::Information, text);
}

void errorBox(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::Critical, text);
}

}
