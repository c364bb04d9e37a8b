#include "ui/dialogs.h"

#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace tamurik {

namespace {

const char* const kKeepClearProperty = "tamurikDialogKeepClear";

// The window a box belongs to: the active one, or else the screen that is shown (the
// program shows one at a time; without a window manager none may count as active).
QWidget* DialogParent() {
    QWidget* active = QApplication::activeWindow();
    if (active && active->isVisible())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !qobject_cast<QDialog*>(window))
            return window;
    }
    return nullptr;
}

// QMessageBox wraps its text anew once it is wider than about 500 pixels and never grows past
// 1000, so on a large screen with a large font the program's own line breaks stopped being the
// only ones. This box is made for the text: its label never wraps unless the screen is too
// narrow for the longest line.
class Box : public QDialog {
public:
    Box(QWidget* parent, const Text& title) : QDialog(parent) {
        setWindowTitle(ToQ(title));
        setFont(UiFont(12));
        layout_ = new QVBoxLayout(this);
        const int space = QFontMetrics(font()).height();
        layout_->setContentsMargins(space, space, space, space);
        layout_->setSpacing(space);
        layout_->setSizeConstraint(QLayout::SetFixedSize);
    }

    QLabel* AddText(const Text& text, QStyle::StandardPixmap icon, bool withIcon) {
        auto* row = new QHBoxLayout;
        row->setSpacing(QFontMetrics(font()).height());
        if (withIcon) {
            const int size = QFontMetrics(font()).height() * 2;
            auto* picture = new QLabel(this);
            // An icon theme may have no picture that large; the largest it has is drawn larger.
            QPixmap shown = style()->standardIcon(icon, nullptr, this).pixmap(size, size);
            if (!shown.isNull() && shown.width() < size)
                shown = shown.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            picture->setPixmap(shown);
            row->addWidget(picture, 0, Qt::AlignTop);
        }
        // A line break at the end of a text shows nothing; the box is no taller for it.
        QString shown = ToDisplay(text);
        while (shown.endsWith(QLatin1Char('\n')))
            shown.chop(1);
        auto* label = new QLabel(shown, this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(false);
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        row->addWidget(label, 1);
        layout_->addLayout(row);
        text_ = label;
        return label;
    }

    QDialogButtonBox* AddButtons() {
        auto* buttons = new QDialogButtonBox(this);
        layout_->addWidget(buttons);
        return buttons;
    }

    void AddWidget(QWidget* widget) { layout_->addWidget(widget); }

    // Sized for the text, narrowed to the screen only when a line is wider than it, and placed
    // beside the area the window keeps clear.
    int Run() {
        QWidget* window = parentWidget();
        const QScreen* screen =
            window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
        adjustSize();
        if (width() > area.width() && text_ != nullptr) {
            // Only a line wider than the screen is broken, at the screen's edge.
            text_->setWordWrap(true);
            text_->setFixedWidth(std::max(1, area.width() - (width() - text_->width())));
            adjustSize();
        }
        QRect keepClear;
        QRect windowRect = area;
        if (window) {
            windowRect = window->frameGeometry();
            const QRect inWindow = DialogKeepClear(window);
            if (!inWindow.isEmpty())
                keepClear = QRect(window->mapToGlobal(inWindow.topLeft()), inWindow.size());
        }
        move(PlaceDialog(size(), area, windowRect, keepClear));
        return exec();
    }

protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        // A screen reader reads a box out when it appears, as it does a message box.
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }

private:
    QVBoxLayout* layout_ = nullptr;
    QLabel* text_ = nullptr;
};

QStyle::StandardPixmap StandardIcon(DialogIcon icon) {
    switch (icon) {
    case DialogIcon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case DialogIcon::Exclamation:
        return QStyle::SP_MessageBoxWarning;
    case DialogIcon::Stop:
        return QStyle::SP_MessageBoxCritical;
    case DialogIcon::Information:
    case DialogIcon::None:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

int Overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : both.width() * both.height();
}

QPoint KeptOnScreen(QPoint at, const QSize& box, const QRect& screen) {
    at.setX(std::clamp(at.x(), screen.left(),
                       std::max(screen.left(), screen.right() + 1 - box.width())));
    at.setY(std::clamp(at.y(), screen.top(),
                       std::max(screen.top(), screen.bottom() + 1 - box.height())));
    return at;
}

} // namespace

void SetDialogKeepClear(QWidget* window, const QRect& area) {
    window->setProperty(kKeepClearProperty, area);
}

QRect DialogKeepClear(const QWidget* window) {
    return window->property(kKeepClearProperty).toRect();
}

QPoint PlaceDialog(const QSize& box, const QRect& screen, const QRect& window,
                   const QRect& keepClear) {
    const QPoint centred(window.center().x() - box.width() / 2,
                         window.center().y() - box.height() / 2);
    if (keepClear.isEmpty())
        return KeptOnScreen(centred, box, screen);
    const int gap = Px(120);
    const QPoint middle = keepClear.center();
    const std::array<QPoint, 4> beside{
        QPoint(keepClear.right() + 1 + gap, middle.y() - box.height() / 2),
        QPoint(middle.x() - box.width() / 2, keepClear.bottom() + 1 + gap),
        QPoint(keepClear.left() - gap - box.width(), middle.y() - box.height() / 2),
        QPoint(middle.x() - box.width() / 2, keepClear.top() - gap - box.height())};
    QPoint best;
    int leastCovered = -1;
    for (const QPoint& wanted : beside) {
        const QPoint at = KeptOnScreen(wanted, box, screen);
        const int covered = Overlap(QRect(at, box), keepClear);
        if (leastCovered < 0 || covered < leastCovered) {
            best = at;
            leastCovered = covered;
        }
    }
    return best;
}

DialogAnswer QtDialogs::Message(const Text& text, const Text& title, DialogButtons buttons,
                                DialogIcon icon) {
    Box box(DialogParent(), title);
    box.AddText(text, StandardIcon(icon), icon != DialogIcon::None);
    QDialogButtonBox* row = box.AddButtons();
    if (buttons == DialogButtons::Ok) {
        QPushButton* ok = row->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
        box.Run();
        return DialogAnswer::Ok;
    }
    QPushButton* yes = row->addButton(QStringLiteral("Ja"), QDialogButtonBox::YesRole);
    QPushButton* no = row->addButton(QStringLiteral("Nein"), QDialogButtonBox::NoRole);
    yes->setAutoDefault(false);
    no->setDefault(true);
    no->setFocus();
    QObject::connect(yes, &QPushButton::clicked, &box, &QDialog::accept);
    QObject::connect(no, &QPushButton::clicked, &box, &QDialog::reject);
    // Escape and the window's close button answer No, as the default does.
    return box.Run() == QDialog::Accepted ? DialogAnswer::Yes : DialogAnswer::No;
}

Text QtDialogs::Input(const Text& prompt, const Text& title, const Text& defaultText) {
    // QInputDialog offers no way to keep its prompt plain text, so the box is put together here.
    Box box(DialogParent(), title);
    QLabel* label = box.AddText(prompt, QStyle::SP_MessageBoxQuestion, false);
    auto* edit = new QLineEdit(ToQ(defaultText), &box);
    edit->selectAll();
    edit->setMinimumWidth(Px(4500));
    label->setBuddy(edit);
    box.AddWidget(edit);
    QDialogButtonBox* row = box.AddButtons();
    QPushButton* ok = row->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    row->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    QObject::connect(row, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(row, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    edit->setFocus();
    if (box.Run() != QDialog::Accepted)
        return {};
    return FromQ(edit->text());
}

} // namespace tamurik
