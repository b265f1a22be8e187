#pragma once
// A throw-away program folder for one test: sets TAVLEVIRKE_DIR, XDG_DATA_HOME and
// XDG_CONFIG_HOME to temporary folders so no test touches the real home.

#include <QString>
#include <QTemporaryDir>

class TestProgramFolder {
public:
    // seedFromData: copy the installed data/ tree in, as a first start would.
    explicit TestProgramFolder(bool seedFromData = false);
    ~TestProgramFolder();

    QString programDir() const;                  // with trailing "/"
    QString path(const QString &relative) const; // programDir() + relative
    // Writes a file (relative to the program folder) with exactly these bytes.
    void writeFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relative) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldDir, m_oldData, m_oldConfig;
};

// The folder of the test fixtures, with trailing "/".
QString fixturePath(const QString &relative = {});
