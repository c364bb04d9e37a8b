#pragma once
// A label or picture the child can click: with the mouse, or with Space or Enter once it has
// the keyboard focus. It offers a press action to assistive technology, and its text is always
// plain text.

#include "core/text.h"

#include <QLabel>
#include <QPixmap>
#include <QPointF>
#include <QRect>

#include <vector>

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
    // Text faint on the colour behind it gets an outline (a reading aid, on unless the
    // additions' settings turn it off). Off for a label whose text is not meant to be read.
    void setOutlineFaintText(bool outline) { outlineFaint_ = outline; }
    // Whether the text is drawn with an outline now.
    bool hasTextOutline() const;

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
    void paintOutlinedText();

    QString icon_;
    QPixmap iconPixmap_; // the icon as last drawn, at the label's size
    bool clickable_ = true;
    bool pressed_ = false;
    bool outlineFaint_ = true;
};

// Labels set side by side as one word, each as wide as its text needs, the row centred across
// `area` and either centred in its height or standing at its top. With the part cues (three
// parts), the parts stand a small gap apart and the middle one is underlined, as a marked word
// is drawn.
void PlaceAsWord(const std::vector<ClickLabel*>& parts, const QRect& area, bool centreVertically,
                 bool partCues = false);

// A label of plain text placed in twips, in the program's font of this point size; it takes
// no clicks.
ClickLabel* MakeTextLabel(QWidget* parent, const QString& objectName, TextView text, QRect twips,
                          double points, bool bold);

// Makes assistive technology see clickable labels as buttons with a press action, the other
// labels as text and a document view as a document; and a ring shows the keyboard focus.
void InstallAccessibility();

// The colour a widget's content stands on: its own filled background or, when it fills none,
// that of the nearest parent that does.
QColor BackgroundBehind(const QWidget* widget);

} // namespace tamurik
