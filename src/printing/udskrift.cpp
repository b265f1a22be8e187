#include "printing/udskrift.h"

#include "core/filskriver.h"
#include "editor/editor.h"
#include "printing/sideramme.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace printing {

QString udskriv(TEditor *edit, QPrinter *printer, const Margener &m, int copies)
{
    if (!edit || !printer || copies <= 0)
        return {};
    printer->setDocName(QString());
    printer->setCopyCount(1);
    Printerdata p;
    p.dpiX = p.dpiY = printer->resolution();
    const QRectF paper = printer->paperRect(QPrinter::DevicePixel);
    const QRectF page = printer->pageRect(QPrinter::DevicePixel);
    p.offsetX = qRound(page.left() - paper.left());
    p.offsetY = qRound(page.top() - paper.top());
    p.bredde = qRound(page.width());
    p.hoejde = qRound(page.height());
    const QRect area = sideramme(m.venstre, m.hoejre, m.top, m.bund, p);
    if (area.width() <= 0 || area.height() <= 0)
        return QStringLiteral("Margenerne er for store til siden; der er ikke plads til teksten.");

    const bool fil = !printer->outputFileName().isEmpty();
    const QString fejl = QStringLiteral("Dokumentet kunne ikke udskrives.\rPrinteren kunne ikke startes.");
    if (fil) {
        // One file: every copy in it, each starting on a new page.
        QPainter painter;
        if (!painter.begin(printer))
            return fejl;
        for (int i = 0; i < copies; ++i) {
            if (i > 0)
                printer->newPage();
            if (!edit->print(printer, painter, area)) {
                painter.end();
                return fejl;
            }
        }
        painter.end();
        return {};
    }
    for (int i = 0; i < copies; ++i) {
        QPainter painter;
        if (!painter.begin(printer))
            return fejl;
        const bool ok = edit->print(printer, painter, area);
        painter.end();
        if (!ok)
            return fejl;
        QCoreApplication::processEvents();
    }
    return {};
}

QString udskrivPdf(TEditor *edit, const QString &path, const Margener &m, int copies)
{
    if (!edit || copies <= 0)
        return {};
    QTemporaryDir mappe;
    if (!mappe.isValid())
        return QStringLiteral("PDF-filen kunne ikke laves.\r") + mappe.errorString();
    const QString side = mappe.filePath(QStringLiteral("side.pdf"));
    {
        const std::unique_ptr<QPrinter> printer = TEditor::lavPrinter();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(side);
        printer->setPageSize(QPageSize(QPageSize::A4));
        const QString fejl = udskriv(edit, printer.get(), m, copies);
        if (!fejl.isEmpty())
            return fejl;
    }
    QFile f(side);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("PDF-filen kunne ikke laves.\r") + f.errorString();
    const core::ReadResult r = core::writeFileAtomic(path, f.readAll());
    if (!r.ok)
        return QStringLiteral("PDF-filen %1 kunne ikke gemmes.\r%2").arg(path, r.error);
    return {};
}

} // namespace printing
