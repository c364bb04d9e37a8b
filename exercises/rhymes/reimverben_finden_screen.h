#pragma once
// The child finds the rhyme partner of a verb among nine verbs.

#include "ui/exercise_frame.h"

namespace tamurik {

class ReimverbenFindenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit ReimverbenFindenScreen(AppContext& context);
};

} // namespace tamurik
