#pragma once
// Teditfontform, "Editor font": the font of every document's edit control, kept in
// "editfont.txt" (top, left, height, width, font name, size, and completion as you type:
// 1 on, 0 off; a file without that line has it on).

#include <QDialog>

class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace shell {
struct EditFont {
    bool harPosition = false;
    int top = 0, left = 0, hoejde = 0, bredde = 0;
    QString navn = QStringLiteral("Courier New");
    int dim = 10;
    bool fuldfoerelse = true;
    // Missing or damaged file: the defaults, no position.
    static EditFont hent(const QString &path);
    bool gem(const QString &path, QString *error = nullptr) const;
};
}

class Teditfontform : public QDialog {
    Q_OBJECT
public:
    explicit Teditfontform(QWidget *parent = nullptr);

    QFont font() const;
    // Writes "editfont.txt"; false (after a message) when it could not be written.
    bool gemOpt();

    void fontnamesClick(const QString &name);
    void FontSizeChange(int size);
    void gendanKnapClick();

    QString fontNavn;
    int fontDim = 10;
    bool fuldfoerelse = true;   // completion as you type
    QString OldFontname, OldFontSizname;
    QString optFilnavn;

    QListWidget *fontnames = nullptr;
    QListWidget *FontSize = nullptr;
    QPlainTextEdit *Memo = nullptr;
    QPushButton *okKnap = nullptr;
    QPushButton *gendanKnap = nullptr;
    QPushButton *annullerKnap = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fyldStoerrelser();
    void visEksempel();
};
