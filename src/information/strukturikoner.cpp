#include "information/strukturikoner.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace information {

namespace {

enum class Form { Bog, AabenBog, Cirkel, Firkant, Rude, Mappe, Prik };

QIcon tegn(Form form, QColor farve, QChar bogstav = {})
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(farve.darker(160), 1));
    p.setBrush(farve);
    switch (form) {
    case Form::Bog:
        p.drawRect(QRectF(3.5, 1.5, 10, 13));
        p.setBrush(farve.darker(140));
        p.drawRect(QRectF(3.5, 1.5, 2, 13));
        break;
    case Form::AabenBog: {
        QPainterPath v, h;
        v.moveTo(8, 4); v.lineTo(1.5, 2.5); v.lineTo(1.5, 13); v.lineTo(8, 14.5); v.closeSubpath();
        h.moveTo(8, 4); h.lineTo(14.5, 2.5); h.lineTo(14.5, 13); h.lineTo(8, 14.5); h.closeSubpath();
        p.drawPath(v);
        p.drawPath(h);
        break;
    }
    case Form::Cirkel: p.drawEllipse(QRectF(1.5, 1.5, 13, 13)); break;
    case Form::Firkant: p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2, 2); break;
    case Form::Rude: {
        QPainterPath d;
        d.moveTo(8, 1); d.lineTo(15, 8); d.lineTo(8, 15); d.lineTo(1, 8); d.closeSubpath();
        p.drawPath(d);
        break;
    }
    case Form::Mappe:
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        p.drawRect(QRectF(1.5, 2.5, 6, 2));
        break;
    case Form::Prik: p.drawEllipse(QRectF(4.5, 4.5, 7, 7)); break;
    }
    if (!bogstav.isNull()) {
        QFont f = p.font();
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QString(bogstav));
    }
    p.end();
    return QIcon(pm);
}

} // namespace

QList<QIcon> strukturIkoner()
{
    return {tegn(Form::Bog, QColor(0x3c, 0xa0, 0x3c)),        // 0 Grøn bog
            tegn(Form::Bog, QColor(0xc8, 0x32, 0x32)),        // 1 Rød bog
            tegn(Form::Cirkel, QColor(0xe0, 0x8c, 0x1e), u'E'),   // 2 Eksempel
            tegn(Form::Cirkel, QColor(0x28, 0x64, 0xc8), u'i'),   // 3 Information
            tegn(Form::Firkant, QColor(0x8c, 0x5a, 0x28)),    // 4 Objekt
            tegn(Form::Rude, QColor(0x8c, 0x3c, 0xb4)),       // 5 Metode
            tegn(Form::Mappe, QColor(0xdc, 0xb4, 0x3c)),      // 6 Kategori
            tegn(Form::AabenBog, QColor(0xc8, 0x32, 0x32)),   // 7 Rød bog åben
            tegn(Form::Firkant, QColor(0x28, 0x96, 0x96), u'e'),  // 8 Egenskab
            tegn(Form::Prik, QColor(0x80, 0x80, 0x80))};      // 9 Andet
}

QList<QIcon> objektIkoner()
{
    return {tegn(Form::Firkant, QColor(0x8c, 0x5a, 0x28)),    // 0 Objekt
            tegn(Form::Firkant, QColor(0x28, 0x96, 0x96), u'e'),  // 1 Egenskab
            tegn(Form::Rude, QColor(0x8c, 0x3c, 0xb4)),       // 2 Metode
            tegn(Form::Prik, QColor(0x80, 0x80, 0x80)),       // 3 Andet
            tegn(Form::Firkant, QColor(0xdc, 0xb4, 0x3c), u'E'),  // 4 Enum
            tegn(Form::Firkant, QColor(0x3c, 0x3c, 0x8c), u'K'),  // 5 Konstant
            tegn(Form::Mappe, QColor(0x6e, 0x96, 0x3c)),      // 6 Keys
            tegn(Form::Cirkel, QColor(0x6e, 0x96, 0x3c), u'k'),   // 7 Key
            tegn(Form::Firkant, QColor(0xa0, 0xa0, 0xa0), u'T'),  // 8 Tekst
            tegn(Form::Prik, QColor(0x50, 0x50, 0x50))};      // 9 Andet
}

QStringList strukturIkonNavne()
{
    return {QStringLiteral("Grøn bog"), QStringLiteral("Rød bog"), QStringLiteral("Eksempel"),
            QStringLiteral("Information"), QStringLiteral("Objekt"), QStringLiteral("Metode"),
            QStringLiteral("Kategori"), QStringLiteral("Rød bog åben"), QStringLiteral("Egenskab"),
            QStringLiteral("Andet")};
}

QStringList objektIkonNavne()
{
    return {QStringLiteral("Objekt"), QStringLiteral("Egenskab"), QStringLiteral("Metode"), QStringLiteral("Andet"),
            QStringLiteral("Enum"), QStringLiteral("Konstant"), QStringLiteral("Keys"), QStringLiteral("Key"),
            QStringLiteral("Tekst"), QStringLiteral("Andet")};
}

} // namespace information
