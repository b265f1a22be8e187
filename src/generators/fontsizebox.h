#pragma once
// A drop-down list of the sizes a font offers.

#include <QComboBox>
#include <QList>

class TFontSizeComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TFontSizeComboBox(QWidget *parent = nullptr);

    QString FontName() const { return m_fontName; }
    // Refills the list for the font, keeps the previous size chosen when it is offered and
    // then reports `klik` once.
    void setFontName(const QString &name);

    // Scalable fonts get the usual sizes; a bitmap font only its own, ascending, once each.
    static QStringList storrelser(bool skalerbar, const QList<int> &punkter);

signals:
    void klik();

private:
    QString m_fontName;
};
