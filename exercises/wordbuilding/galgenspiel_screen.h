#pragma once
// Hangman on verbs, with the best list BESTHANG.LST.

#include "ui/exercise_frame.h"

namespace tamurik {

class GalgenspielScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit GalgenspielScreen(AppContext& context);
};

} // namespace tamurik
