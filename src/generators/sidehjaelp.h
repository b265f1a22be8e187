#pragma once
// Small building blocks shared by the code book pages and the generator windows.

#include <QKeySequence>
#include <QString>
#include <QStringList>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QToolButton;
class QWidget;
class TDokumentVaert;

namespace generators {

// A field that takes digits only.
QLineEdit *talFelt(const char *name, const QString &text = {}, int width = 44);
// The small "<" button that resets a field.
QToolButton *nulKnap(const char *name, const QString &hint);
// An information button that opens a page of an information structure.
QToolButton *infoKnap(TDokumentVaert *m, const char *name, const QString &hint, const QString &structure,
                      const QString &title);
// A button that runs an action (caption and hint from the action).
QToolButton *actionKnap(const char *name, QAction *action);
// A main window command that needs an open document.
QAction *dokumentAction(TDokumentVaert *m, const char *name, const QString &caption, const QString &hint,
                        const QKeySequence &shortcut = {});
// Escape closes a tool window, as it closes a dialog.
void lukMedEscape(QWidget *vindue);
// Keeps a field filtered by GetPosTal while it is typed in, caret at the end.
void filtrerTal(QLineEdit *edit);
// A drop-down list with the item at index chosen.
QComboBox *liste(const char *name, const QStringList &items, int index);
QCheckBox *afkrydsning(const char *name, const QString &caption, bool checked, const QString &hint = {});
// A row: label, field, unit and an optional button.
QWidget *feltRaekke(const QString &before, QWidget *field, const QString &after = {}, QWidget *extra = nullptr);
// A titled group of radio buttons in columns, the first chosen; group gets their ids from 0.
QGroupBox *radioGruppe(const char *name, const QString &title, const QStringList &items, int columns,
                       QButtonGroup *&group);
// Sets the name used by tests and style sheets.
template <class W> W *navngiv(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace generators
