#include "info/manual_viewer.h"

#include "info/rtf_reader.h"
#include "ui/click_label.h"
#include "ui/document_view.h"
#include "ui/exercise_frame.h"
#include "ui/geometry.h"

#include <QTextBrowser>

namespace tamurik {

namespace {
constexpr const char* kManualFile = "TAMURIK.RTF";
}

ManualViewer::ManualViewer(AppContext& context)
    : Screen(context, QStringLiteral("Form13"), QStringLiteral("Tamurik: Anleitung")) {
    setClientTwips(9600, 8100);
    setBackgroundColor(QColor(192, 255, 255));
    view_ = new DocumentView(this, QStringLiteral("RichTextBox1"), QStringLiteral("Anleitung"));
    // The manual is always longer than the view. With the scroll bar there from the start, the
    // text is laid out once; a scroll bar appearing after the text came in would narrow the
    // view and have the whole manual laid out a second time.
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view_->setFont(UiFont(11));
    PlaceTwips(view_, 840, 120, 8640, 7860);
    auto* close = MakeIcon(this, QStringLiteral("Picture1"), QStringLiteral(":/icons/schliessen"),
                           QStringLiteral("Schließen"), QPoint(120, 120));
    connect(close, &ClickLabel::clicked, this, &ManualViewer::CloseManual);
}

void ManualViewer::Activate() {
    view_->clear();
    const std::optional<std::string> bytes = context().dir.ReadBytes(kManualFile);
    if (!bytes || !ReadRtf(*bytes, *view_->document())) {
        view_->clear();
        dialogs().Message(U"Datei wurde nicht gefunden ..." + Text(1, CR), U"TAMURIK.RTF",
                          DialogButtons::Ok, DialogIcon::None);
        return;
    }
    view_->moveCursor(QTextCursor::Start);
    view_->setFocus();
}

void ManualViewer::CloseManual() {
    view_->clear();
    hide();
    navigator().ShowMenu();
}

} // namespace tamurik
