#include "generators/fontsizebox.h"

#include <QFontDatabase>
#include <QSignalBlocker>
#include <algorithm>

TFontSizeComboBox::TFontSizeComboBox(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("FontSize"));
}

QStringList TFontSizeComboBox::storrelser(bool skalerbar, const QList<int> &punkter)
{
    if (skalerbar)
        return {QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
                QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
                QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("26"),
                QStringLiteral("28"), QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("72")};
    QList<int> sorted = punkter;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    QStringList result;
    for (int p : sorted)
        result << QString::number(p);
    return result;
}

void TFontSizeComboBox::setFontName(const QString &name)
{
    m_fontName = name;
    const QString previous = currentText();
    {
        const QSignalBlocker block(this);
        clear();
        addItems(storrelser(QFontDatabase::isSmoothlyScalable(name), QFontDatabase::pointSizes(name)));
        setCurrentIndex(findText(previous));
    }
    emit klik();
}
