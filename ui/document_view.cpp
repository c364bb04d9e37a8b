#include "ui/document_view.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <algorithm>

namespace tamurik {

DocumentView::DocumentView(QWidget* parent, const QString& objectName,
                           const QString& accessibleName)
    : QTextBrowser(parent) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setReadOnly(true);
    setOpenLinks(false);
}

namespace {

// Qt offers a text browser to assistive technology as static text; a manual is a document that
// a screen reader reads from the cursor on and walks line by line, so the view says so and hands
// out its text here.
class DocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DocumentAccessible(QTextBrowser* view)
        : QAccessibleWidget(view, QAccessible::Document) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    QString text(QAccessible::Text t) const override { return QAccessibleWidget::text(t); }
    QString text(int start, int end) const override {
        const QString all = plain();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(plain().size()); }

    int cursorPosition() const override { return view()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }
    int selectionCount() const override { return view()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int, int* start, int* end) const override {
        const QTextCursor cursor = view()->textCursor();
        *start = cursor.hasSelection() ? cursor.selectionStart() : 0;
        *end = cursor.hasSelection() ? cursor.selectionEnd() : 0;
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override {
        QTextCursor cursor = view()->textCursor();
        cursor.clearSelection();
        view()->setTextCursor(cursor);
    }
    void setSelection(int, int start, int end) override {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(clamped(start));
        cursor.setPosition(clamped(end), QTextCursor::KeepAnchor);
        view()->setTextCursor(cursor);
    }

    QRect characterRect(int offset) const override {
        QTextCursor cursor(view()->document());
        cursor.setPosition(clamped(offset));
        const QRect at = view()->cursorRect(cursor);
        const QChar character = view()->document()->characterAt(cursor.position());
        const int width = view()->fontMetrics().horizontalAdvance(character);
        return {view()->viewport()->mapToGlobal(at.topLeft()), QSize(width, at.height())};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return view()->cursorForPosition(view()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int end) override {
        setSelection(0, start, end);
        view()->ensureCursorVisible();
    }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QTextBrowser* view() const { return static_cast<QTextBrowser*>(widget()); }
    QString plain() const { return view()->document()->toPlainText(); }
    int clamped(int offset) const {
        return std::clamp(offset, 0, std::max(0, view()->document()->characterCount() - 1));
    }
};

QAccessibleInterface* DocumentFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tamurik::DocumentView") && object && object->isWidgetType())
        return new DocumentAccessible(static_cast<QTextBrowser*>(object));
    return nullptr;
}

} // namespace

void InstallDocumentAccessibility() {
    QAccessible::installFactory(DocumentFactory);
}

} // namespace tamurik
