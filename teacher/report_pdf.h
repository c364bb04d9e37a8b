#pragma once
// One child's report on A4, two pages: the period, the text for parents, the exercises
// practised and the weekly chart; then the phenomena worst first, the missed verbs in their
// part colours and the card box. And the coloured worksheet built from the child's own errors,
// with its solutions on a second page.

#include "core/clock.h"
#include "learning/child_report.h"
#include "learning/worksheet.h"
#include "teacher/paper.h"
#include "ui/word_drawing.h"

namespace tamurik {

void DrawReport(Sheet& sheet, const ChildReport& report, const WordColors& colors);

void DrawWorksheet(Sheet& sheet, const Text& childName, const Date& today,
                   const Worksheet& worksheet, const WorksheetBlocks& blocks,
                   const WordColors& colors);

// The trend as the table shows it: "↑ besser".
Text TrendText(Trend trend);

} // namespace tamurik
