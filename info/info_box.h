#pragma once
// The program-info box: what Tamurik is for, in a few friendly sentences.

#include "ui/screen.h"

namespace tamurik {

class ClickLabel;

class InfoBox : public Screen {
    Q_OBJECT
public:
    explicit InfoBox(AppContext& context);
    void CloseFromWindowManager() override { CloseInfo(); }
    void CloseInfo();
};

// The information text of the box.
QString InfoText();

} // namespace tamurik
