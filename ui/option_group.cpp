#include "ui/option_group.h"

#include "ui/geometry.h"

#include <QHBoxLayout>
#include <QRadioButton>

namespace tamurik {

OptionGroup::OptionGroup(QWidget* parent, const QString& objectName, const QString& caption,
                         const QStringList& captions, const QStringList& objectNames, int checked)
    : QGroupBox(caption, parent) {
    setObjectName(objectName);
    setFont(UiFont(10, true));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(Px(90), Px(30), Px(90), Px(30));
    layout->setSpacing(Px(15));
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions[i], this);
        button->setFont(UiFont(10));
        if (i < objectNames.size())
            button->setObjectName(objectNames[i]);
        layout->addWidget(button);
        buttons_.append(button);
        connect(button, &QRadioButton::clicked, this, [this, i] { emit chosen(i); });
    }
    setCheckedQuietly(checked);
}

int OptionGroup::checked() const {
    for (int i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isChecked())
            return i;
    return -1;
}

void OptionGroup::choose(int position) {
    if (position < 0 || position >= buttons_.size())
        return;
    setCheckedQuietly(position);
    emit chosen(position);
}

void OptionGroup::setCheckedQuietly(int position) {
    if (position >= 0 && position < buttons_.size())
        buttons_[position]->setChecked(true);
}

QRadioButton* OptionGroup::button(int position) const {
    return position >= 0 && position < buttons_.size() ? buttons_[position] : nullptr;
}

QStringList VerbenwahlCaptions() {
    return {QStringLiteral("alle"), QStringLiteral("häufige"), QStringLiteral("seltene")};
}

QStringList StammvokalCaptions() {
    return {QStringLiteral("kurz"), QStringLiteral("lang"), QStringLiteral("alle")};
}

} // namespace tamurik
