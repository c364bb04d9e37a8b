#pragma once
// A read-only view of a long document (the manual). Assistive technology reads it as a document
// with its whole text, which a screen reader can read out and walk through.

#include <QTextBrowser>

namespace tamurik {

class DocumentView : public QTextBrowser {
    Q_OBJECT
public:
    DocumentView(QWidget* parent, const QString& objectName, const QString& accessibleName);
};

// Makes assistive technology see a DocumentView as a document with a text interface.
void InstallDocumentAccessibility();

} // namespace tamurik
