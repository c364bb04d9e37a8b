#pragma once
// A label or picture the child can click: with the mouse, or with Space or Enter once it has
// the keyboard focus. It offers a press action to assistive technology, and its text is always
// plain text.

#include "core/text.h"

#include <QLabel>
#include <QPixmap>
#include <QPointF>
#include <QRect>

namespace tamurik {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(QWidget* parent, const QString& objectName);

    void setPlainText(TextView text);
    // Shows an SVG picture from the resources (":/icons/galgenspiel"), drawn at the label's size.
    void setIcon(const QString& resource);
    void setColors(const QColor& foreground, const QColor& background);
    void setForeground(const QColor& foreground);
    void setBackground(const QColor& background);
    // A clickable label takes the keyboard focus and shows it.
    void setClickable(bool clickable);
    bool isClickable() const { return clickable_; }

public slots:
    void click();

signals:
    void clicked();
    // A mouse button went down at this position in twips.
    void pressedAt(QPointF twips, Qt::MouseButton button);
    // The mouse pointer is over the label.
    void hovered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void renderIcon();

    QString icon_;
    QPixmap iconPixmap_; // the icon as last drawn, at the label's size
    bool clickable_ = true;
    bool pressed_ = false;
};

// A label of plain text placed in twips, in the program's font of this point size; it takes
// no clicks.
ClickLabel* MakeTextLabel(QWidget* parent, const QString& objectName, TextView text, QRect twips,
                          double points, bool bold);

// Makes assistive technology see clickable labels as buttons with a press action.
void InstallAccessibility();

} // namespace tamurik
