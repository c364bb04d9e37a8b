#include "core/points.h"

#include <cmath>

namespace tamurik {

Text PointsWord(long long points) {
    return points == 1 ? U"Punkt" : U"Punkte";
}

long long RewardGames(double points, double cost) {
    const double c = std::nearbyint(cost);
    if (c <= 0)
        return 0;
    return static_cast<long long>(std::trunc(std::nearbyint(points) / c));
}

Text RewardInfoText(long long points, long long cost) {
    return U"Für" + StrForm(cost) + U" Punkte gibt es ein Belohnungsspiel," + CR +
           U"das du dir im Startbereich abholen kannst." + CR + U"Deine Punkte reichen, um" +
           StrForm(RewardGames(static_cast<double>(points), static_cast<double>(cost))) +
           U" mal zu spielen." + CR;
}

Text RewardTooFewText(long long cost) {
    return U"Du hast noch nicht genügend Punkte." + Text(1, CR) + U"Du benötigst" + StrForm(cost) +
           U" Punkte für das Spiel." + CR;
}

Text RewardQuestionText(long long cost) {
    return U"Möchtest du jetzt 'Devadodad' spielen?" + Text(1, CR) + U"Das Spiel kostet dich" +
           StrForm(cost) + U" Punkte Abzug." + CR;
}

bool GateOpens(TextView entry, TextView shownPoints) {
    return !entry.empty() && NumericValue(entry) == NumericValue(shownPoints);
}

} // namespace tamurik
