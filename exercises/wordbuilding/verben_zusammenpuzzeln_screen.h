#pragma once
// Three verbs are assembled from their coloured parts.

#include "ui/exercise_frame.h"

namespace tamurik {

class ZusammenpuzzelnScreen : public ExerciseFrame {
    Q_OBJECT
public:
    explicit ZusammenpuzzelnScreen(AppContext& context);
};

} // namespace tamurik
