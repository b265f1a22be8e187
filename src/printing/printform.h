#pragma once
// Tprintform, "Udskriv dokument": margins in centimetres and the number of copies.

#include "printing/udskrift.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;

class Tprintform : public QDialog {
    Q_OBJECT
public:
    explicit Tprintform(QWidget *parent = nullptr);

    // The margins and copies the fields hold; nothing (after a message) when a field is
    // empty or not a number.
    struct Valg {
        printing::Margener margener;
        int kopier = 1;
    };
    std::optional<Valg> laesValg();

    void Button1Click();   // "Standard"

    QString optfil;
    bool opstart = true;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr;
    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
};
