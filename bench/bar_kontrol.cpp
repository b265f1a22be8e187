// The edit control alone, as a peer for opening a page: a QsciScintilla with its HTML
// colouring, the file read as UTF-8 and handed over whole. Nothing of the program around it.
//   bench_bar_kontrol FILE
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "bench_bar_kontrol: give a file\n");
        return 2;
    }
    QFile f(QString::fromLocal8Bit(argv[1]));
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_bar_kontrol: %s cannot be read\n", argv[1]);
        return 1;
    }
    QsciScintilla edit;
    edit.setUtf8(true);
    edit.setLexer(new QsciLexerHTML(&edit));
    edit.setMarginType(0, QsciScintilla::NumberMargin);
    edit.setMarginWidth(0, QStringLiteral("0000000"));
    edit.setText(QString::fromUtf8(f.readAll()));
    edit.resize(1000, 700);
    edit.show();
    return app.exec();
}
