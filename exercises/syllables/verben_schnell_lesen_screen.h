#pragma once
// Flash reading: a verb is flashed for a moment and picked from a list of fifteen.

#include "ui/exercise_frame.h"

namespace tamurik {

class SchnellLesenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit SchnellLesenScreen(AppContext& context);
};

} // namespace tamurik
