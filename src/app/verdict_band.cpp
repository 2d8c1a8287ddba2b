// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/verdict_band.h"

#include <QFontMetrics>
#include <QPalette>

#include "assess/snapshot_values.h"
#include "assess/verdict_line.h"
#include "report/verdict_colour.h"

namespace mirelta {
namespace {

const QRect kBand(4, 484, 712, 22);

}  // namespace

VerdictBand::VerdictBand(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("verdictBand"));
    setGeometry(kBand);
    // The band only reports; a click on it, the context menu's included, belongs to the window.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // A palette, not a style sheet: the band is recoloured on every pick, and a style sheet
    // re-polishes the widget each time.
    setAutoFillBackground(true);
    setIndent(7);  // where the text stood with the style sheet's padding
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    hide();
}

void VerdictBand::follow(const Document& document, const Thresholds& thresholds) {
    std::optional<SnapshotValues> values;
    const RecordLists& lists = document.lists();
    if (document.fileLoaded() && document.ScreenMode() == ScreenKind::Find && lists.findCount > 0) {
        values = ValuesOf(lists.find[lists.selectedFind], lists.selectedFind, thresholds);
    } else if (document.fileLoaded() && document.ScreenMode() == ScreenKind::Constellation &&
               lists.constellationCount > 0) {
        values = ValuesOf(lists.constellation[lists.selectedConstellation],
                          lists.selectedConstellation, thresholds);
    }
    if (!values) {
        clear();
        hide();
        return;
    }
    const Wording wording =
        document.Language() == UiLanguage::French ? Wording::French : Wording::English;
    const QString line = QString::fromStdString(VerdictLine(values->assessment, wording));
    if (line != text()) {
        setText(line);
        fitFont();
        QPalette colours = palette();
        colours.setColor(QPalette::Window, VerdictColour(values->assessment.verdict));
        setPalette(colours);
    }
    show();
}

void VerdictBand::fitFont() {
    // A long line (French words, a wide margin) is set smaller rather than cut off.
    constexpr double kSmallestPoints = 6.0;
    QFont fitted = parentWidget()->font();
    const int room = contentsRect().width() - 2 * indent();
    while (QFontMetrics(fitted).horizontalAdvance(text()) > room &&
           fitted.pointSizeF() > kSmallestPoints) {
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    }
    setFont(fitted);
}

}  // namespace mirelta
