#pragma once
// TVisningsrude, "Forhåndsvisning": the active HTML document as the browser shows it,
// beside the text. It follows typing (a short while after the last key, keeping the place
// scrolled to), switches with the active document, scrolls to the element at the caret,
// and a click on an element puts the caret at its tag. The engine is loaded when the pane
// is first shown; the page's requests to the network are blocked unless the user allows
// them for that page. The page reads local files from its own folder and below, or from
// the site's root folder above it when the user picks one ("rodBox"); never from elsewhere.

#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QVBoxLayout;
class TEditor;

namespace visning {
class TForhaandsvisning;
}

class TVisningsrude : public QWidget {
    Q_OBJECT
public:
    explicit TVisningsrude(QWidget *parent = nullptr);
    ~TVisningsrude() override;

    // Follows edit, the active document (filnavn: its file, empty when it has none).
    void folg(TEditor *edit, const QString &filnavn);
    TEditor *editor() const { return m_edit; }
    // Shows the document's present text now.
    void opdaterNu();
    // The engine, once loaded; nullptr before or when it could not be (fejl() says why).
    visning::TForhaandsvisning *motor() const { return m_motor; }
    QString fejl() const { return m_fejl; }
    // The offset in the text of the element the preview was last scrolled to, or -1.
    qsizetype rulletTil() const { return m_rulletTil; }

    // The wait after the last key before the preview follows.
    static constexpr int kForsinkelse = 50;
    // The largest page the engine takes as text, in UTF-8 bytes.
    static constexpr qsizetype kMaksStoerrelse = 1400 * 1024;

signals:
    void vist(bool ok);            // a version of the page is loaded
    void rullet(qsizetype offset); // the preview scrolled to the element at offset

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool startMotor();
    void konsol(const QString &message);
    void rulTilCaret();
    void setInfo(const QString &text);
    QString sideMappe() const;
    QString rod() const;
    void fyldRodBox();
    void rodValgt(int index);

    QPointer<TEditor> m_edit;
    QString m_fil;
    visning::TForhaandsvisning *m_motor = nullptr;
    QString m_fejl;
    QVBoxLayout *m_layout = nullptr;
    QCheckBox *m_netCheck = nullptr;
    QComboBox *m_rodBox = nullptr;
    QStringList m_roedder;      // the site roots the user picked, this run
    QLabel *m_info = nullptr;
    QTimer m_tekstTimer, m_rulTimer;
    QSet<QString> m_netSider;   // the pages allowed the network, this run
    int m_rulY = 0;
    qsizetype m_rulletTil = -1;
    QList<QMetaObject::Connection> m_forbindelser;
};
