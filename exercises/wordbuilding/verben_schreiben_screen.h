#pragma once
// Timed copying of verbs in several views, with the best list BESTTEXT.LST.

#include "ui/exercise_frame.h"

namespace tamurik {

class VerbenSchreibenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit VerbenSchreibenScreen(AppContext& context);
};

} // namespace tamurik
