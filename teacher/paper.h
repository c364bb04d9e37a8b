#pragma once
// A4 pages to draw a report or a worksheet on, in millimetres, for a PDF file and for a printer
// alike; and the two ways out: a PDF file saved safely, or the system's print dialog.

#include "core/text.h"

#include <QPainter>
#include <QRectF>

#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace tamurik {

class Sheet {
public:
    // Starts painting on the device, which is set to A4 upright.
    explicit Sheet(QPagedPaintDevice& device);
    bool isActive() const { return painter_.isActive(); }
    QPainter& painter() { return painter_; }
    // Millimetres in the device's units.
    qreal mm(qreal millimetres) const { return millimetres * unitsPerMm_; }
    // The page within its margins, in the device's units.
    QRectF page() const { return page_; }
    void newPage();
    // Ends painting; false when the device failed.
    bool end();

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    qreal unitsPerMm_ = 1;
    QRectF page_;
};

using DrawPages = std::function<void(Sheet& sheet)>;

// Draws the pages into a PDF file; no value when it was saved, else the German message.
std::optional<Text> SavePdf(const QString& path, const Text& title, const DrawPages& draw);

// How the printer is chosen: the system's print dialog by default; false when the teacher
// cancelled.
using PrintSetup = std::function<bool(QPrinter& printer)>;
PrintSetup SystemPrintDialog(QWidget* parent);
// Draws the pages on the printer the setup chose; no value when printed (or cancelled), else
// the German message.
std::optional<Text> Print(const PrintSetup& setup, const Text& title, const DrawPages& draw);

} // namespace tamurik
