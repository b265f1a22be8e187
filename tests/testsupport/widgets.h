#pragma once
// How the tests reach a window's parts and drive them as a user does: widgets, actions and
// menus by their objectName, and the answer a user gives a modal question with a plain Enter.

#include <QObject>
#include <QString>
#include <QStringList>

class QTimer;

// The child of root of type T with this objectName. A name that is not there stops the test
// program: the test and the window disagree, and nothing after it would mean anything.
template <class T>
T *navngivet(const QObject *root, const char *name)
{
    T *w = root->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("%s has no %s named \"%s\"", qPrintable(root->objectName()), T::staticMetaObject.className(), name);
    return w;
}

// Answers every modal window that opens while it lives with a plain Enter in the widget that
// has the keyboard, as a user who just presses Enter does. Records the windows' titles.
class EnterSvar {
public:
    EnterSvar();
    ~EnterSvar();
    QStringList titler;

private:
    QTimer *m_timer;
};

// Makes a folder unreadable while the object lives: mode 000 and, when the process runs as
// root, without the capabilities that let root read any folder (dropped in the calling thread,
// and so in the threads it starts meanwhile). ok() says whether the folder really cannot be
// listed now.
class UlaeseligMappe {
public:
    explicit UlaeseligMappe(const QString &folder);
    ~UlaeseligMappe();
    bool ok() const;

private:
    QString m_folder;
    bool m_capsSaenket = false;
};
