// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/assessment_fields.h"

namespace mirelta::cli {

AssessmentColumns ColumnsOf(const Assessment& assessment) {
    AssessmentColumns columns;
    if (assessment.reference) {
        columns.requiredCn = assessment.reference->requiredCn;
    }
    columns.margin = assessment.cnMargin;
    columns.merMargin = assessment.merMargin;
    columns.verdict = VerdictText(assessment.verdict);
    return columns;
}

}  // namespace mirelta::cli
