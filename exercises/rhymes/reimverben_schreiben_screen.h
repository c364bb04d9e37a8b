#pragma once
// The child types the rhyme partner of a verb.

#include "ui/exercise_frame.h"

namespace tamurik {

class ReimverbenSchreibenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit ReimverbenSchreibenScreen(AppContext& context);
};

} // namespace tamurik
