// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/carrier_table.h"

#include <QCoreApplication>
#include <QHeaderView>

#include "platform/text_codec.h"

namespace mirelta {
namespace {

enum Column { Number, Centre, Rf, Bandwidth, SymbolRate, Peak, Cn, ChannelPower, Matches, Columns };

QString Fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString MatchList(const std::vector<std::string>& labels) {
    QStringList decoded;
    for (const std::string& label : labels) {
        decoded << DecodeLocalText(label);
    }
    return decoded.join(QStringLiteral(", "));
}

}  // namespace

CarrierTable::CarrierTable(QWidget* parent) : QTableWidget(0, Columns, parent) {
    setHorizontalHeaderLabels(
        {QStringLiteral("#"), QCoreApplication::translate("Mirelta", "Centre IF (MHz)"),
         QStringLiteral("RF (MHz)"), QCoreApplication::translate("Mirelta", "Bandwidth (MHz)"),
         QCoreApplication::translate("Mirelta", "Symbol rate (Msps)"),
         QCoreApplication::translate("Mirelta", "Peak (dBuV)"), QStringLiteral("C/N (dB)"),
         QCoreApplication::translate("Mirelta", "Channel power (dBuV)"),
         QCoreApplication::translate("Mirelta", "Matches")});
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAlternatingRowColors(true);
    setWordWrap(false);
}

void CarrierTable::showCarriers(const analysis::SpectrumAnalysis& analysis) {
    setRowCount(static_cast<int>(analysis.carriers.size()));
    bool anyRf = false;
    for (int row = 0; row < rowCount(); ++row) {
        const analysis::CarrierFinding& finding = analysis.carriers[static_cast<std::size_t>(row)];
        const analysis::Carrier& carrier = finding.carrier;
        anyRf = anyRf || finding.rfMHz.has_value();
        const QString cells[Columns] = {
            QString::number(row + 1),
            Fixed(carrier.centreMHz, 1),
            finding.rfMHz ? Fixed(*finding.rfMHz, 1) : QString(),
            Fixed(carrier.bandwidthMHz, 1),
            Fixed(carrier.symbolRateMsps, 2),
            Fixed(carrier.peak, 0),
            Fixed(carrier.cn, 1),
            Fixed(carrier.channelPower, 1),
            MatchList(finding.matches),
        };
        for (int column = 0; column < Columns; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == Matches) {
                item->setToolTip(cells[column]);
            } else {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            setItem(row, column, item);
        }
    }
    // Without an LO there is no RF to show.
    setColumnHidden(Rf, !anyRf);
}

}  // namespace mirelta
