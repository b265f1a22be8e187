#pragma once
// TJsPanel, `JsPanel`: the JavaScript button box beside the object structure of a JavaScript
// document. Four categories of buttons, each button one object structure; a category opens
// and closes on its heading.

#include <QList>
#include <QString>
#include <QWidget>

class QButtonGroup;
class QToolButton;

namespace analysis {

struct JsKnap {
    QString tekst;   // the caption
    QString navn;    // the structure loaded, also kept as the last chosen object
};
struct JsKategori {
    QString tekst;
    QList<JsKnap> knapper;
};
const QList<JsKategori> &jsKategorier();

} // namespace analysis

class TJsPanel : public QWidget {
    Q_OBJECT
public:
    explicit TJsPanel(QWidget *parent = nullptr);

    static constexpr int kKategorier = 4;
    bool kategoriLukket(int i) const;
    // Opens or closes category i (0 to 3) without telling anyone.
    void setKategoriLukket(int i, bool lukket);
    // Marks the button of structure navn and opens its category; false when none has it.
    bool vaelgObjekt(const QString &navn);
    // Opens or closes all four categories (their states are reported).
    void aabnAlle(bool aaben);

    QWidget *KnapBoks = nullptr;
    QToolButton *JsUdfoldKnap = nullptr;
    QToolButton *JsSammenfoldKnap = nullptr;

signals:
    // A button was pressed: load the structure navn.
    void objektValgt(const QString &navn);
    // Category i was opened or closed by the user.
    void kategoriSkiftet(int i, bool lukket);
    // A click on the box beside the buttons.
    void boksKlikket();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *m_overskrift[kKategorier] = {};
    QWidget *m_indhold[kKategorier] = {};
    QButtonGroup *m_gruppe = nullptr;
};
