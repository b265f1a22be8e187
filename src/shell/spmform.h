#pragma once
// "Spørgemål": the one window every yes/no question of the program goes through.

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

class Tspmform : public QDialog {
    Q_OBJECT
public:
    enum Svar { Ja = 1, Nej = 2, Annuller = 3 };

    explicit Tspmform(QWidget *parent = nullptr);

    // Shows the question modally above `owner`'s window (the active window when null); "\r"
    // in the text is a line break. Every showing starts with "Ja" as the default button, so
    // Enter never discards anything. Esc and the frame's close button count as "Annuller".
    Svar spoerg(const QString &question, QWidget *owner = nullptr);

    // The shared window, made on first use.
    static Tspmform *instance();
    // Asks through the shared window (or the test handler when one is set), above `owner`.
    static Svar ask(const QString &question, QWidget *owner = nullptr);
    // Tests answer questions without showing the window; an empty function restores it.
    static void setTestHandler(std::function<Svar(const QString &)> handler);

    QLabel *tekst = nullptr;
    QLabel *Image1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QString optfil;

protected:
    void done(int result) override;
    void showEvent(QShowEvent *event) override;

private:
    void hentPosition();
    void gemPosition();

    QPoint m_pos;            // where the window shows; moved and answered windows keep it
    bool m_harPos = false;
};
