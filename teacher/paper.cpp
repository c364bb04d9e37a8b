#include "teacher/paper.h"

#include "teacher/saving.h"
#include "ui/text_qt.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

namespace tamurik {

namespace {

constexpr qreal kMarginMm = 18;
// Fine enough for print; the words are text in the file at every resolution.
constexpr int kPdfDotsPerInch = 300;

} // namespace

Sheet::Sheet(QPagedPaintDevice& device) : device_(device) {
    device_.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    painter_.begin(&device_);
    if (!painter_.isActive())
        return;
    painter_.setRenderHint(QPainter::Antialiasing);
    unitsPerMm_ = device_.logicalDpiX() / 25.4;
    // A printer may not print up to the paper's edge: the page is what it can print, and the
    // margins stay within it.
    const QRectF paper(0, 0, device_.width(), device_.height());
    page_ = paper.adjusted(mm(kMarginMm), mm(kMarginMm), -mm(kMarginMm), -mm(kMarginMm));
}

void Sheet::newPage() {
    device_.newPage();
}

bool Sheet::end() {
    return painter_.end();
}

std::optional<Text> SavePdf(const QString& path, const Text& title, const DrawPages& draw) {
    return SaveFile(path, [&](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfDotsPerInch);
        writer.setTitle(ToQ(title));
        writer.setCreator(QStringLiteral("Tamurik"));
        Sheet sheet(writer);
        if (!sheet.isActive())
            return false;
        draw(sheet);
        return sheet.end();
    });
}

PrintSetup SystemPrintDialog(QWidget* parent) {
    return [parent](QPrinter& printer) {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Drucken"));
        return dialog.exec() == QDialog::Accepted;
    };
}

std::optional<Text> Print(const PrintSetup& setup, const Text& title, const DrawPages& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ToQ(title));
    if (!setup(printer))
        return std::nullopt;
    Sheet sheet(printer);
    if (sheet.isActive()) {
        draw(sheet);
        if (sheet.end())
            return std::nullopt;
    }
    return Text(U"Das Drucken hat nicht geklappt. Bitte den Drucker prüfen.");
}

} // namespace tamurik
