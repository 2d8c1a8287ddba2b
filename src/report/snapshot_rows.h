// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

#include "assess/assessment.h"
#include "assess/snapshot_values.h"
#include "report/report_captions.h"
#include "screens/headless_driver.h"

namespace mirelta {

// One snapshot as the report shows it: the values as its screen shows them, its assessment and
// its replica picture. Values a kind does not have are "-".
struct SnapshotRow {
    ScreenKind kind = ScreenKind::Find;
    int index = 0;
    QString label;
    QString frequency;
    QString polarisation;
    QString symbolRate;
    QString mode;
    QString power;
    QString cn;
    QString mer;
    QString ber;
    QString requiredCn;
    QString cnMargin;
    QString merMargin;
    QString margin;  // the one the verdict follows
    QString leftEdge;
    QString rightEdge;
    QString span;
    Verdict verdict = Verdict::NotRated;
    QString verdictLine;
    QImage picture;
};

using ReportProgress = std::function<void(int done, int total)>;

// Shows every listed snapshot, in list order, Find first.
std::vector<SnapshotRow> CollectSnapshots(HeadlessDriver& camera, const Thresholds& thresholds,
                                          ReportLanguage language, const ReportProgress& progress);

// The verdict words of the report's language.
Wording WordingOf(ReportLanguage language);

}  // namespace mirelta
