#include "ui/dialogs.h"

#include "ui/geometry.h"
#include "ui/text_qt.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tamurik {

namespace {

QMessageBox::Icon ToQtIcon(DialogIcon icon) {
    switch (icon) {
    case DialogIcon::Question:
        return QMessageBox::Question;
    case DialogIcon::Exclamation:
        return QMessageBox::Warning;
    case DialogIcon::Information:
        return QMessageBox::Information;
    case DialogIcon::Stop:
        return QMessageBox::Critical;
    case DialogIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QWidget* DialogParent() {
    QWidget* parent = QApplication::activeWindow();
    return parent && parent->isVisible() ? parent : nullptr;
}

} // namespace

DialogAnswer QtDialogs::Message(const Text& text, const Text& title, DialogButtons buttons,
                                DialogIcon icon) {
    QMessageBox box(DialogParent());
    box.setTextFormat(Qt::PlainText);
    box.setText(ToDisplay(text));
    box.setWindowTitle(ToQ(title));
    box.setIcon(ToQtIcon(icon));
    box.setFont(UiFont(11));
    if (buttons == DialogButtons::Ok) {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return DialogAnswer::Ok;
    }
    QPushButton* yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? DialogAnswer::Yes : DialogAnswer::No;
}

Text QtDialogs::Input(const Text& prompt, const Text& title, const Text& defaultText) {
    // QInputDialog offers no way to keep its prompt plain text, so the box is put together here.
    QDialog dialog(DialogParent());
    dialog.setWindowTitle(ToQ(title));
    dialog.setFont(UiFont(11));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label = new QLabel(ToDisplay(prompt), &dialog);
    label->setTextFormat(Qt::PlainText);
    auto* edit = new QLineEdit(ToQ(defaultText), &dialog);
    edit->selectAll();
    label->setBuddy(edit);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    dialog.setMinimumWidth(Px(5000));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return FromQ(edit->text());
}

} // namespace tamurik
