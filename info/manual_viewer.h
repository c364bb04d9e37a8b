#pragma once
// The manual viewer: TAMURIK.RTF from the working folder, read-only.

#include "ui/screen.h"

class QTextBrowser;

namespace tamurik {

class ManualViewer : public Screen {
    Q_OBJECT
public:
    explicit ManualViewer(AppContext& context);

    // Loads the manual afresh each time the viewer is opened.
    void Activate() override;
    void CloseFromWindowManager() override { CloseManual(); }
    void CloseManual();

    QTextBrowser* view() const { return view_; }

private:
    QTextBrowser* view_ = nullptr;
};

} // namespace tamurik
