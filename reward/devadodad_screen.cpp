#include "reward/devadodad_screen.h"

#include "ui/geometry.h"

#include <QKeyEvent>
#include <QPushButton>

namespace tamurik {

DevadodadScreen::DevadodadScreen(AppContext& context)
    : Screen(context, QStringLiteral("fang"), QStringLiteral("Tamurik: Devadodad")) {
    setClientTwips(7800, 6000);
    setBackgroundColor(QColor(192, 192, 192));
    auto* end = new QPushButton(QStringLiteral("ENDE"), this);
    end->setObjectName(QStringLiteral("Befehl1"));
    end->setFont(UiFont(11, true));
    PlaceTwips(end, 6000, 5160, 1560, 600);
    auto* help = new QPushButton(QStringLiteral("HILFE"), this);
    help->setObjectName(QStringLiteral("Befehl2"));
    help->setFont(UiFont(11, true));
    PlaceTwips(help, 4320, 5160, 1560, 600);
    connect(end, &QPushButton::clicked, this, &DevadodadScreen::AskEnd);
    connect(help, &QPushButton::clicked, this, &DevadodadScreen::ShowHelp);
}

void DevadodadScreen::AskEnd() {
    if (dialogs().Message(U"Dieses Spiel jetzt beenden?" + Text(1, CR), U"Devadodad",
                          DialogButtons::YesNo, DialogIcon::Question) == DialogAnswer::Yes)
        CloseGame();
}

void DevadodadScreen::ShowHelp() {
    const Text text = U"Du musst die Buchstaben eines Wortes der" + Text(1, CR) +
                      U"Reihe nach fangen. Bei mehreren gleichen" + CR +
                      U"Buchstaben weißt du aber nicht, welcher" + CR +
                      U"der Buchstaben zuerst gefangen werden" + CR +
                      U"muss. Da hilft nur eine schnelle Reaktion!" + CR +
                      U"Steuern musst du mit den vier Pfeiltasten." + CR;
    dialogs().Message(text, U"Devadodad: Hilfe", DialogButtons::Ok, DialogIcon::None);
}

void DevadodadScreen::CloseGame() {
    hide();
    navigator().ShowMenu();
}

void DevadodadScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        AskEnd();
        return;
    }
    Screen::keyPressEvent(event);
}

} // namespace tamurik
