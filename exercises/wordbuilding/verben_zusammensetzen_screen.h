#pragma once
// The child clicks the scattered letters of a verb in their order.

#include "ui/exercise_frame.h"

namespace tamurik {

class ZusammensetzenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit ZusammensetzenScreen(AppContext& context);
};

} // namespace tamurik
