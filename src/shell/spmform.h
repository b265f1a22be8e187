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

    // The captions of the three buttons and the one Enter presses. A question whose "Ja"
    // throws something away names its buttons and makes the harmless one the default.
    struct Knapper {
        QString ja = QStringLiteral("Ja");
        QString nej = QStringLiteral("Nej");
        QString annuller = QStringLiteral("Annuller");
        Svar standard = Ja;
    };

    explicit Tspmform(QWidget *parent = nullptr);

    // Shows the question modally above `owner`'s window (the active window when null); "\r"
    // in the text is a line break. Every showing starts with the caller's default button ("Ja"
    // unless it names another), never the one pressed the last time. Esc and the frame's
    // close button count as "Annuller".
    Svar spoerg(const QString &question, QWidget *owner, const Knapper &knapper);
    Svar spoerg(const QString &question, QWidget *owner = nullptr) { return spoerg(question, owner, Knapper()); }

    // The shared window, made on first use.
    static Tspmform *instance();
    // Asks through the shared window (or the test handler when one is set), above `owner`.
    static Svar ask(const QString &question, QWidget *owner, const Knapper &knapper);
    static Svar ask(const QString &question, QWidget *owner = nullptr) { return ask(question, owner, Knapper()); }
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
    void visStandard();
    void gemPosition();

    QPoint m_pos;            // where the window shows; moved and answered windows keep it
    bool m_harPos = false;
    Svar m_standard = Ja;
};
