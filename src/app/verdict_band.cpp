// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/verdict_band.h"

#include "assess/verdict_line.h"

namespace mirelta {
namespace {

const QRect kBand(4, 484, 712, 22);

QString StyleOf(Verdict verdict) {
    const char* background = verdict == Verdict::Pass       ? "rgb(150,220,150)"
                             : verdict == Verdict::Marginal ? "rgb(255,200,90)"
                             : verdict == Verdict::Fail     ? "rgb(240,120,120)"
                                                            : "rgb(220,220,220)";
    return QStringLiteral("QLabel { color: black; background: %1; padding-left: 4px; }")
        .arg(QLatin1String(background));
}

}  // namespace

VerdictBand::VerdictBand(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("verdictBand"));
    setGeometry(kBand);
    // The band only reports; a click on it, the context menu's included, belongs to the window.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void VerdictBand::follow(MainWindowLogic& logic, const Thresholds& thresholds) {
    std::optional<Assessment> assessment;
    if (logic.fileLoaded() && logic.ScreenMode() == ShownScreen::Find &&
        logic.lists().findCount > 0) {
        assessment = Assess(logic.selectedFind(), thresholds);
    } else if (logic.fileLoaded() && logic.ScreenMode() == ShownScreen::Constellation &&
               logic.lists().constellationCount > 0) {
        assessment = Assess(logic.selectedConstellation(), thresholds);
    }
    if (!assessment) {
        clear();
        hide();
        return;
    }
    const QString line = QString::fromStdString(VerdictLine(*assessment));
    if (line != text()) {
        setText(line);
        setStyleSheet(StyleOf(assessment->verdict));
    }
    show();
}

}  // namespace mirelta
