// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/analysis_view.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QSpinBox>

#include "analysis/lnb_conversion.h"
#include "app/carrier_table.h"
#include "app/sweep_plot_widget.h"
#include "platform/text_codec.h"

namespace mirelta {
namespace {

QString Title() {
    return QCoreApplication::translate("Mirelta", "Spectrum analysis");
}

QString PointAtPlot() {
    return QCoreApplication::translate("Mirelta",
                                       "Point at the plot for a frequency and its level");
}

QString CarrierCount(std::size_t count) {
    if (count == 0) {
        return QCoreApplication::translate("Mirelta", "no carrier found");
    }
    return count == 1 ? QCoreApplication::translate("Mirelta", "1 carrier")
                      : QCoreApplication::translate("Mirelta", "%1 carriers").arg(count);
}

}  // namespace

AnalysisView::AnalysisView(const Document& document, Settings& settings,
                           std::function<void()> onLoChanged, QWidget* parent)
    : QDialog(parent),
      document_(document),
      settings_(settings),
      onLoChanged_(std::move(onLoChanged)) {
    setWindowTitle(Title());
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(960, 740);

    heading_ = new QLabel(this);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    lo_ = new QSpinBox(this);
    lo_->setRange(0, Settings::kHighestLoMHz);
    lo_->setSpecialValueText(QCoreApplication::translate("Mirelta", "not known"));
    lo_->setToolTip(QCoreApplication::translate("Mirelta",
                                                "Ku band: 9000 to 12000 MHz (RF = LO + IF); "
                                                "C band: 3000 to 5750 MHz (RF = LO - IF)"));
    // Only a finished entry: the digits on the way to 9750 are no LO.
    lo_->setKeyboardTracking(false);
    lo_->setValue(settings_.lnbLoMHz().value_or(0));
    auto* loLabel = new QLabel(QCoreApplication::translate("Mirelta", "LNB &LO (MHz):"), this);
    loLabel->setBuddy(lo_);

    plot_ = new SweepPlotWidget(this);
    plot_->onReading = [this](const std::optional<SweepReading>& reading) { showReading(reading); };
    reading_ = new QLabel(PointAtPlot(), this);
    summary_ = new QLabel(this);
    summary_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_ = new CarrierTable(this);

    auto* top = new QHBoxLayout;
    top->addWidget(heading_, 1);
    top->addWidget(loLabel);
    top->addWidget(lo_);
    auto* readings = new QHBoxLayout;
    readings->addWidget(reading_, 1);
    readings->addWidget(summary_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(plot_, 3);
    layout->addLayout(readings);
    layout->addWidget(table_, 1);

    connect(lo_, &QSpinBox::valueChanged, this, [this](int value) {
        settings_.setLnbLoMHz(value == 0 ? std::nullopt : std::optional<int>(value));
        refresh();
        onLoChanged_();
    });
    connect(&document_, &Document::opened, this, [this] { refresh(); });
    connect(&document_, &Document::selectionChanged, this, [this](ScreenKind kind) {
        if (kind == ScreenKind::Spectrum) {
            refresh();
        }
    });
    refresh();
}

std::optional<double> AnalysisView::lo() const {
    return lo_->value() == 0 ? std::nullopt : std::optional<double>(lo_->value());
}

void AnalysisView::refresh() {
    const RecordLists& lists = document_.lists();
    analysis::SpectrumAnalysis shown;
    QString summary;
    if (!document_.fileLoaded()) {
        heading_->setText(QCoreApplication::translate("Mirelta", "No file open"));
        setWindowTitle(Title());
    } else if (lists.spectrumCount == 0) {
        heading_->setText(
            QCoreApplication::translate("Mirelta", "This file holds no spectrum snapshot"));
        setWindowTitle(Title());
    } else {
        shown = analysis::AnalyseSpectrum(lists, lists.selectedSpectrum,
                                          {.detection = {}, .loMHz = lo()});
        const QString label = DecodeLocalText(shown.label);
        heading_->setText(QCoreApplication::translate("Mirelta", "Spectrum %1 of %2: %3")
                              .arg(shown.index + 1)
                              .arg(lists.spectrumCount)
                              .arg(label));
        setWindowTitle(Title() + QStringLiteral(" - ") + label);
        summary = shown.floor ? QCoreApplication::translate("Mirelta", "Noise floor %1 dBuV, ")
                                    .arg(*shown.floor, 0, 'f', 1)
                              : QCoreApplication::translate("Mirelta", "No noise floor, ");
        summary += CarrierCount(shown.carriers.size());
        if (lo() && !analysis::RfOf(0, *lo())) {
            summary +=
                QCoreApplication::translate("Mirelta", "; no RF: the LO is neither Ku nor C band");
        }
    }
    summary_->setText(summary);
    table_->showCarriers(shown);
    plot_->setAnalysis(std::move(shown), lo());
}

void AnalysisView::showReading(const std::optional<SweepReading>& reading) {
    if (!reading) {
        reading_->setText(PointAtPlot());
        return;
    }
    QString text = QStringLiteral("%1 MHz  ").arg(reading->pointMHz, 0, 'f', 0);
    text += reading->level == 0 ? QCoreApplication::translate("Mirelta", "no level")
                                : QStringLiteral("%1 dBuV").arg(reading->level);
    if (lo()) {
        if (const std::optional<double> rf = analysis::RfOf(reading->pointMHz, *lo())) {
            text += QStringLiteral("  (RF %1 MHz)").arg(*rf, 0, 'f', 0);
        }
    }
    reading_->setText(text);
}

}  // namespace mirelta
