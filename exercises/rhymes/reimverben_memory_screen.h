#pragma once
// A memory game on nine rhyme pairs.

#include "ui/exercise_frame.h"

namespace tamurik {

class MemoryScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit MemoryScreen(AppContext& context);
};

} // namespace tamurik
