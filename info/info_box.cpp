#include "info/info_box.h"

#include "ui/click_label.h"
#include "ui/exercise_frame.h"
#include "ui/geometry.h"
#include "ui/palette.h"
#include "ui/shape.h"

#include <array>
#include <cmath>

namespace tamurik {

QString InfoText() {
    return QStringLiteral(
        "Tamurik ist ein Übungsprogramm rund um das Verb. Es hilft Kindern, die beim Lesen "
        "und Schreiben noch unsicher sind.\n\n"
        "Jedes Verb wird in drei Farben gezeigt: Anfang, Mitte und Schluss. So siehst du, wie "
        "das Wort gebaut ist.\n\n"
        "Du übst, ob ein Vokal kurz oder lang klingt, wo man ein Verb trennt, wie es bei ich, "
        "du und er heißt, welche Verben sich reimen und was seltene Verben bedeuten.\n\n"
        "Für richtige Antworten bekommst du Punkte. Mit genug Punkten kannst du im Startbereich "
        "das Belohnungsspiel Devadodad spielen.\n\n"
        "Viel Spaß beim Üben!");
}

InfoBox::InfoBox(AppContext& context)
    : Screen(context, QStringLiteral("TMKLABEL"), QStringLiteral("Programm-Info")) {
    setBackgroundColor(QColor(255, 255, 224));

    const std::array<const char*, 4> letters{"Ta", "mu", "ri", "k"};
    const std::array<QColor, 4> colors{PaletteColor(2), PaletteColor(4), PaletteColor(9),
                                       PaletteColor(5)};
    std::vector<ClickLabel*> title;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        auto* label =
            new ClickLabel(this, QStringLiteral("Bezeichnung%1").arg(static_cast<int>(i) + 2));
        label->setClickable(false);
        label->setFont(UiFont(32, true));
        label->setText(QLatin1String(letters[i]));
        label->setForeground(colors[i]);
        title.push_back(label);
    }
    PlaceAsWord(title, PxRect(0, 180, 6600, 900), false);

    auto* line = new Shape(this, QStringLiteral("Line1"));
    line->setFillColor(PaletteColor(9));
    line->setRadiusTwips(0);
    PlaceTwips(line, 600, 1200, 5400, 45);

    auto* text = new ClickLabel(this, QStringLiteral("Bezeichnung7"));
    text->setClickable(false);
    text->setWordWrap(true);
    text->setFont(UiFont(11));
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setText(InfoText());
    // As tall as the text needs in its font, so that none of it is cut off; the box grows
    // with it.
    const int textHeight = static_cast<int>(std::ceil(TwipsFromPx(text->heightForWidth(Px(5400)))));
    PlaceTwips(text, 600, 1440, 5400, textHeight);
    const int frameTop = 1440 + textHeight + 240;
    setClientTwips(6600, frameTop + 960);

    auto* frame = new Shape(this, QStringLiteral("Figur1"));
    frame->setBorderColor(PaletteColor(9));
    PlaceTwips(frame, 360, frameTop, 5880, 780);
    frame->lower();

    auto* okIcon = MakeIcon(this, QStringLiteral("Bild1"), QStringLiteral(":/icons/schliessen"),
                            QStringLiteral("Schließen"), QPoint(1800, frameTop + 120), 540);
    auto* okLabel = new ClickLabel(this, QStringLiteral("Bezeichnung1"));
    okLabel->setText(QStringLiteral("O k a y"));
    okLabel->setFont(UiFont(16, true));
    okLabel->setForeground(PaletteColor(2));
    okLabel->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    PlaceTwips(okLabel, 2520, frameTop + 120, 2400, 540);
    connect(okIcon, &ClickLabel::clicked, this, &InfoBox::CloseInfo);
    connect(okLabel, &ClickLabel::clicked, this, &InfoBox::CloseInfo);
}

void InfoBox::CloseInfo() {
    hide();
    navigator().ShowMenu();
}

} // namespace tamurik
