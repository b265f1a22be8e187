#include "testsupport/widgets.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTimer>
#include <QtTest>

#include <dirent.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

EnterSvar::EnterSvar()
    : m_timer(new QTimer)
{
    m_timer->setInterval(20);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        titler << modal->windowTitle();
        QWidget *fokus = modal->focusWidget() ? modal->focusWidget() : modal;
        QTest::keyClick(fokus, Qt::Key_Return);
    });
    m_timer->start();
}

EnterSvar::~EnterSvar()
{
    delete m_timer;
}

namespace {
// CAP_DAC_OVERRIDE and CAP_DAC_READ_SEARCH: what lets root list a folder of mode 000.
constexpr quint32 kLaeseCaps = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool saetLaeseCaps(bool til)
{
    __user_cap_header_struct hdr{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &hdr, data) != 0)
        return false;
    const quint32 foer = data[0].effective;
    if (til)
        data[0].effective |= data[0].permitted & kLaeseCaps;
    else
        data[0].effective &= ~kLaeseCaps;
    if (data[0].effective == foer)
        return false;
    return ::syscall(SYS_capset, &hdr, data) == 0;
}
}

UlaeseligMappe::UlaeseligMappe(const QString &folder)
    : m_folder(folder)
{
    ::chmod(QFile::encodeName(folder).constData(), 0);
    m_capsSaenket = saetLaeseCaps(false);
}

UlaeseligMappe::~UlaeseligMappe()
{
    if (m_capsSaenket)
        saetLaeseCaps(true);
    ::chmod(QFile::encodeName(m_folder).constData(), 0755);
}

bool UlaeseligMappe::ok() const
{
    DIR *d = ::opendir(QFile::encodeName(m_folder).constData());
    if (d)
        ::closedir(d);
    return !d;
}
