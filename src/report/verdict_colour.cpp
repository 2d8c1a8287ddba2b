// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/verdict_colour.h"

namespace mirelta {

QColor VerdictColour(Verdict verdict) {
    switch (verdict) {
        case Verdict::Pass:
            return {150, 220, 150};
        case Verdict::Marginal:
            return {255, 200, 90};
        case Verdict::Fail:
            return {240, 120, 120};
        case Verdict::NoLock:
            // Neutral: nothing was measured to judge.
            return {170, 190, 215};
        case Verdict::NotRated:
            break;
    }
    return {220, 220, 220};
}

}  // namespace mirelta
