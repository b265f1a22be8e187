// Runs the fuzz target once over each file of the folders (or files) given, without the
// fuzzing engine: the regular build compiles the target and the tests replay its seeds, so
// neither can fall out of step with the code.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int koert = 0;
    for (int i = 1; i < argc; ++i) {
        QStringList filer;
        const QFileInfo info(QString::fromLocal8Bit(argv[i]));
        if (info.isDir()) {
            for (const QString &f : QDir(info.filePath()).entryList(QDir::Files, QDir::Name))
                filer << info.filePath() + u'/' + f;
        } else {
            filer << info.filePath();
        }
        for (const QString &f : std::as_const(filer)) {
            QFile fil(f);
            if (!fil.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(f));
                return 1;
            }
            const QByteArray data = fil.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(data.constData()), size_t(data.size()));
            ++koert;
        }
    }
    std::printf("%d seeds run\n", koert);
    return koert > 0 ? 0 : 1;
}
