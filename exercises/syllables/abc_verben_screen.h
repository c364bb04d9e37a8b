#pragma once
// Alphabetical order: the child clicks the verb that stands at a given place in the ABC.

#include "ui/exercise_frame.h"

namespace tamurik {

class AbcVerbenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit AbcVerbenScreen(AppContext& context);
};

} // namespace tamurik
