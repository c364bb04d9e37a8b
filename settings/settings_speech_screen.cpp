// The settings screen's group on reading aloud: the speaker icons on or off, the voice and the
// speed. They are kept in the additions' file (ZUSAETZE.INI), so TAMURIK.INI keeps its bytes.
#include "settings/settings_layout.h"
#include "settings/settings_screen.h"
#include "ui/geometry.h"
#include "ui/speaker.h"
#include "ui/text_qt.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>

namespace tamurik {

using namespace settings_layout;

namespace {

const QString kEngineVoice = QStringLiteral("Deutsche Stimme des Systems");
const Text kSample = U"Hallo! So lese ich dir vor: backen.";
const Text kLookingForVoices = U"Die Stimmen werden gesucht …";

} // namespace

void SettingsScreen::buildSpeechGroup() {
    auto* group = new QGroupBox(QStringLiteral("Vorlesen in den Übungen"), this);
    group->setObjectName(QStringLiteral("Vorlesen"));
    group->setFont(ScaledFont(ToQ(state().FontName), 10, true));
    // Under the reading aids, as wide as they are; the window grows with it.
    group->setGeometry(Px(kReadingAidsLeft), readingAids_->geometry().bottom() + 1 + Px(60),
                       Px(kReadingAidsWidth), Px(kSpeechGroupHeight));
    setFixedHeight(group->geometry().bottom() + 1 + Px(120));
    const QFont plain = ScaledFont(ToQ(state().FontName), 10);
    auto* grid = new QGridLayout(group);

    speechSwitch_ = new QCheckBox(QStringLiteral("Lautsprecher zeigen (F2, F3)"), group);
    speechSwitch_->setObjectName(QStringLiteral("VorlesenAn"));
    connect(speechSwitch_, &QCheckBox::toggled, this, &SettingsScreen::SwitchSpeech);
    grid->addWidget(speechSwitch_, 0, 0, 1, 3);

    grid->addWidget(new QLabel(QStringLiteral("Tempo:"), group), 1, 0);
    auto* speedRow = new QHBoxLayout;
    speeds_ = new QButtonGroup(this);
    const std::array<QString, kSpeechSpeeds> speedNames{
        QStringLiteral("langsam"), QStringLiteral("mittel"), QStringLiteral("zügig")};
    for (int speed = 0; speed < kSpeechSpeeds; ++speed) {
        auto* button = new QRadioButton(speedNames[speed], group);
        button->setObjectName(QStringLiteral("Tempo%1").arg(speed));
        speeds_->addButton(button, speed);
        speedRow->addWidget(button);
    }
    speedRow->addStretch();
    connect(speeds_, &QButtonGroup::idClicked, this, &SettingsScreen::ChooseSpeed);
    grid->addLayout(speedRow, 1, 1, 1, 2);

    auto* voiceLabel = new QLabel(QStringLiteral("Stimme:"), group);
    grid->addWidget(voiceLabel, 2, 0);
    voices_ = new QComboBox(group);
    voices_->setObjectName(QStringLiteral("Stimme"));
    voices_->setAccessibleName(QStringLiteral("Stimme"));
    voiceLabel->setBuddy(voices_);
    connect(voices_, &QComboBox::activated, this, &SettingsScreen::ChooseVoice);
    grid->addWidget(voices_, 2, 1);
    trySpeech_ = new QPushButton(QStringLiteral("Probe hören"), group);
    trySpeech_->setObjectName(QStringLiteral("Probehoeren"));
    connect(trySpeech_, &QPushButton::clicked, this, &SettingsScreen::TrySpeech);
    grid->addWidget(trySpeech_, 2, 2);

    speechHint_ = new QLabel(group);
    speechHint_->setObjectName(QStringLiteral("VorlesenHinweis"));
    speechHint_->setTextFormat(Qt::PlainText);
    grid->addWidget(speechHint_, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    for (QWidget* child : group->findChildren<QWidget*>())
        child->setFont(plain);

    connect(&context().speaker, &Speaker::statusChanged, this, &SettingsScreen::showSpeech);
}

void SettingsScreen::showSpeech() {
    const AdditionsSettings& additions = context().additions;
    const Speaker& speaker = context().speaker;
    const QSignalBlocker quietSwitch(speechSwitch_);
    speechSwitch_->setChecked(additions.speech);
    speeds_->button(std::clamp(additions.speechStyle.speed, 0, kSpeechSpeeds - 1))
        ->setChecked(true);

    // The engine's German voices, and the chosen one even while the engine is not ready (or
    // no longer has it), so that saving keeps it.
    const QSignalBlocker quietVoices(voices_);
    voices_->clear();
    voices_->addItem(kEngineVoice, QString());
    std::vector<Text> names = speaker.voices();
    const Text& chosen = additions.speechStyle.voice;
    if (!chosen.empty() && std::find(names.begin(), names.end(), chosen) == names.end())
        names.insert(names.begin(), chosen);
    for (const Text& name : names)
        voices_->addItem(ToQ(name), ToQ(name));
    voices_->setCurrentIndex(std::max(0, voices_->findData(ToQ(chosen))));

    const bool ready = speaker.status() == Speaker::Status::Ready;
    for (QWidget* control : std::initializer_list<QWidget*>{voices_, trySpeech_})
        control->setEnabled(additions.speech && ready);
    for (QAbstractButton* button : speeds_->buttons())
        button->setEnabled(additions.speech);
    Text hint;
    if (!additions.speech)
        hint = U"Die Übungen zeigen keine Lautsprecher.";
    else if (speaker.status() == Speaker::Status::Unavailable)
        hint = speaker.reason().empty() ? kNoVoiceReason : speaker.reason();
    else if (!ready)
        hint = kLookingForVoices;
    speechHint_->setText(ToQ(hint));
}

void SettingsScreen::SwitchSpeech(bool on) {
    context().additions.speech = on;
    if (on)
        context().speaker.Start();
    else
        context().speaker.Stop();
    showSpeech();
}

void SettingsScreen::ChooseVoice(int index) {
    if (index < 0 || index >= voices_->count())
        return;
    context().additions.speechStyle.voice = FromQ(voices_->itemData(index).toString());
    showSpeech();
}

void SettingsScreen::ChooseSpeed(int speed) {
    context().additions.speechStyle.speed = std::clamp(speed, 0, kSpeechSpeeds - 1);
    showSpeech();
}

void SettingsScreen::TrySpeech() {
    if (context().additions.speech)
        context().speaker.Say(kSample, context().additions.speechStyle, nullptr);
}

} // namespace tamurik
