#include "platform/infobox.h"

#include <QMessageBox>

namespace platform {

namespace {
std::function<void(const QString &)> &handler()
{
    static std::function<void(const QString &)> h;
    return h;
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

void infoBox(QWidget *parent, const QString &text)
{
    if (handler()) {
        handler()(text);
        return;
    }
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tavlevirke"), displayText(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

}
