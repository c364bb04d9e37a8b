#pragma once
// Present-tense forms: the child types the ich, du and er forms of a verb.

#include "ui/exercise_frame.h"

namespace tamurik {

class VerbformenScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit VerbformenScreen(AppContext& context);
};

} // namespace tamurik
