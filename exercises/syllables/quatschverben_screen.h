#pragma once
// Made-up and real verbs: the child types the verb with its syllable separator and judges
// the stem vowel and whether the verb is real, against the clock.

#include "ui/exercise_frame.h"

namespace tamurik {

class QuatschverbenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit QuatschverbenScreen(AppContext& context);
};

} // namespace tamurik
