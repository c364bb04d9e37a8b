#pragma once
// The meanings of rare verbs: the child matches a verb to its explanation.

#include "ui/exercise_frame.h"

namespace tamurik {

class VerbbedeutungScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit VerbbedeutungScreen(AppContext& context);
};

} // namespace tamurik
