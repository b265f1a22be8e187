#include "shell/visualstyles.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <cmath>

namespace shell {

namespace {

struct Look {
    const char *name;
    QRgb window;     // frames, tool bars, dialogs
    QRgb base;       // edit controls and lists
    QRgb text;
    QRgb button;
    QRgb highlight;
};

// Ten looks of our own; the system's plain look comes after them.
const Look kLooks[] = {
    {"Sky",      0xE8F1FA, 0xFFFFFF, 0x1B2733, 0xDCE9F6, 0x3270C8},
    {"Hav",      0xDDEFF0, 0xFCFFFF, 0x0F2C33, 0xCDE5E8, 0x137E8A},
    {"Skov",     0xE6F0E1, 0xFDFFFB, 0x1D2B17, 0xD6E6CE, 0x3F7D32},
    {"Sand",     0xF4EEDF, 0xFFFDF7, 0x332B1C, 0xEAE0C8, 0xB07A26},
    {"Lyng",     0xEFE6F2, 0xFFFCFF, 0x2B1D31, 0xE2D3E8, 0x8A4C9E},
    {"Rav",      0xF6EADA, 0xFFFBF4, 0x35240F, 0xEEDAC0, 0xC8671E},
    {"Skifer",   0xE3E6EA, 0xFAFBFC, 0x1F242A, 0xD3D8DE, 0x4E6A85},
    {"Frost",    0xF2F6F9, 0xFFFFFF, 0x22303A, 0xE6EDF2, 0x5B9BC4},
    {"Nat",      0x2B2F36, 0x1E2127, 0xE3E6EA, 0x373C44, 0x4C8FD6},
    {"Kontrast", 0x000000, 0x000000, 0xFFFFFF, 0x1A1A1A, 0xFFD400},
};

const char kSystemName[] = "System";

QString &systemStyleName()
{
    static QString name;
    return name;
}

double luminans(const QColor &c)
{
    auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

// Black or white, whichever reads better on `bg`. Judged by luminance: HSL lightness calls a
// saturated yellow dark and would put white text on it.
QColor kontrastTekst(const QColor &bg)
{
    const double l = luminans(bg);
    const double white = 1.05 / (l + 0.05);
    const double black = (l + 0.05) / 0.05;
    return white >= black ? QColor(Qt::white) : QColor(Qt::black);
}

QPalette paletteFor(const Look &l)
{
    QPalette p;
    const QColor window(l.window), base(l.base), text(l.text), button(l.button), hi(l.highlight);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Highlight, hi);
    p.setColor(QPalette::HighlightedText, kontrastTekst(hi));
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(text).lighter(text.lightness() > 128 ? 60 : 250));
    const QColor muted = window.lightness() > 128 ? window.darker(160) : window.lighter(220);
    p.setColor(QPalette::Disabled, QPalette::Text, muted);
    p.setColor(QPalette::Disabled, QPalette::WindowText, muted);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, muted);
    p.setColor(QPalette::Link, hi);
    return p;
}

} // namespace

QStringList visualStyleNames()
{
    QStringList names;
    for (const Look &l : kLooks)
        names << QString::fromLatin1(l.name);
    names << QString::fromLatin1(kSystemName);
    return names;
}

QString defaultVisualStyle() { return QStringLiteral("Sky"); }

QString findVisualStyle(const QString &name)
{
    for (const QString &n : visualStyleNames())
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return n;
    return {};
}

bool applyVisualStyle(const QString &name)
{
    const QString found = findVisualStyle(name);
    if (found.isEmpty() || !qApp)
        return false;
    if (systemStyleName().isEmpty())
        systemStyleName() = qApp->style()->name();

    if (found == QLatin1String(kSystemName)) {
        QApplication::setStyle(QStyleFactory::create(systemStyleName()));
        QApplication::setPalette(QApplication::style()->standardPalette());
        qApp->setStyleSheet(QString());
        return true;
    }
    for (const Look &l : kLooks) {
        if (found != QLatin1String(l.name))
            continue;
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(paletteFor(l));
        const QColor hi(l.highlight);
        // Styling one state of a tab hands every tab to the style sheet, so all of them get
        // a frame and room around the text; the chosen one stands out and is underlined.
        qApp->setStyleSheet(QStringLiteral(
            "QTabBar::tab { padding: 3px 10px; margin: 2px 1px 0 1px; border: 1px solid palette(mid);"
            " border-bottom: none; border-top-left-radius: 3px; border-top-right-radius: 3px;"
            " background: palette(button); color: palette(button-text); }"
            "QTabBar::tab:selected { margin-top: 0; background: palette(base); color: palette(text);"
            " border-color: palette(dark); border-bottom: 2px solid %1; }"
            "QTabBar::tab:!selected:hover { background: palette(light); }"
            "QToolBar { spacing: 2px; }").arg(hi.name()));
        return true;
    }
    return false;
}

} // namespace shell
