#pragma once
// The fields of a box's CSS that the column design window and the container window share:
// name, margin, padding, border, shadow and colours, with their reset buttons.

#include <QObject>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QToolButton;
class QWidget;
class TFarvefelt;

namespace generators {
struct BoksValg;
}

class TBoksFelter : public QObject {
    Q_OBJECT
public:
    // marginFiltreret: margin and padding are cleaned as typed (never empty) instead of only
    // refusing other characters than digits.
    TBoksFelter(QWidget *owner, const generators::BoksValg &defaults, bool marginFiltreret);

    QLineEdit *designNavnEdit, *marginEdit, *paddingEdit;
    QLineEdit *designRbreddeEdit, *designRrEdit, *designSvandretEdit, *designSlodretedit;
    QToolButton *designReset0, *designReset1, *designReset2, *designReset3;
    QComboBox *stilBox;
    TFarvefelt *designRfarve, *designSfarve, *Bg, *Tekst;
    QCheckBox *desigStyleCheck;

    QGroupBox *rammeGruppe();    // "Ramme": width, radius, style, colour
    QGroupBox *skyggeGruppe();   // "Skygge"
    QWidget *farveRaekker();     // background and text colour
    QWidget *afstandRaekker();   // margin and padding

    void hent(generators::BoksValg &v) const;
    // As if typed: the filters, palette buttons and copying run.
    void saet(const generators::BoksValg &v);
};
