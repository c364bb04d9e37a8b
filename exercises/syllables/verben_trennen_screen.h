#pragma once
// The child finds the syllable boundary of a verb laid out on letter tiles.

#include "ui/exercise_frame.h"

namespace tamurik {

class VerbenTrennenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit VerbenTrennenScreen(AppContext& context);
};

} // namespace tamurik
