#pragma once
// TEnkeltInstans: one running program per user and program folder.
//
// Two programs on the same settings would each write them at exit, the last one winning. So
// the first program listens on a local socket named after the user and the program folder; a
// second start on that folder hands its files to the first (which opens them and comes
// forward) and ends. A start on another program folder gets a socket of its own and runs.

#include <QObject>
#include <QStringList>

class QLocalServer;

namespace platform {

class TEnkeltInstans : public QObject {
    Q_OBJECT
public:
    // The socket for programdir.
    explicit TEnkeltInstans(const QString &programdir, QObject *parent = nullptr);
    ~TEnkeltInstans() override;

    enum class Udfald {
        Afleveret,   // a running program took the files: this one ends
        Lytter,      // none runs: this one listens and goes on
        SvarerIkke,  // one runs but did not take the files
        Fejl,        // no socket could be made: this one goes on alone
    };
    // Hands files (absolute paths) to a running program, or starts listening. fejl gets the
    // reason on SvarerIkke and Fejl.
    Udfald start(const QStringList &files, QString *fejl = nullptr);

    QString socketSti() const { return m_sti; }

signals:
    // Files handed over by a second start (possibly none: it only wants the window forward).
    void filerModtaget(const QStringList &files);

private:
    void nyForbindelse();

    QString m_sti;
    QLocalServer *m_server = nullptr;
};

} // namespace platform
