#pragma once
// A colour field: a text field for "#RRGGBB" paired with a palette button of sixteen colours
// and the last chosen one.

#include <QColor>
#include <QWidget>

class QLineEdit;
class QToolButton;

class TFarvefelt : public QWidget {
    Q_OBJECT
public:
    TFarvefelt(const char *editName, const char *knapName, const QString &text, QWidget *parent = nullptr);

    QLineEdit *edit;
    QToolButton *knap;
    QColor valgtFarve() const { return m_valgt; }

    // A text of exactly seven characters whose last six are hexadecimal red, green and blue.
    static bool laesFarve(const QString &text, QColor &farve);

signals:
    // A valid colour was typed or chosen.
    void farveAendret(const QColor &farve);

private:
    void vaelg(const QColor &farve);
    void setValgt(const QColor &farve);
    QColor m_valgt;
    QAction *m_valgtAction = nullptr;
};
