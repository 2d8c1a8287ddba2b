// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/satellite_line.h"

#include <QPalette>

#include "report/satellite_summary.h"

namespace mirelta {
namespace {

// Under the verdict band, above the record lists' frame.
const QRect kLine(4, 508, 712, 20);

ReportLanguage WordsOf(UiLanguage language) {
    return language == UiLanguage::French ? ReportLanguage::French : ReportLanguage::English;
}

}  // namespace

SatelliteLine::SatelliteLine(QWidget* parent, const Document& document, const Settings& settings)
    : QLabel(parent), document_(document), settings_(settings) {
    setObjectName(QStringLiteral("satelliteLine"));
    setGeometry(kLine);
    setIndent(7);  // in line with the verdict band's text
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::Window, MismatchColour());
    setPalette(colours);
    hide();
    connect(&document_, &Document::opened, this, [this] {
        if (!reader_) {
            readLists();
        }
        follow();
    });
    connect(&document_, &Document::painted, this, [this] {
        if (shown_ && document_.Language() != language_) {
            showIn(document_.Language());
        }
    });
}

SatelliteLine::~SatelliteLine() {
    if (reader_) {
        reader_->wait();
    }
}

void SatelliteLine::readLists() {
    auto read = std::make_shared<analysis::SatelliteTables>();
    const std::string folder = settings_.satelliteListsFolder().toStdString();
    reader_.reset(
        QThread::create([read, folder] { *read = analysis::ReadSatelliteTables(folder); }));
    connect(reader_.get(), &QThread::finished, this, [this, read] {
        // A missing or empty folder shows no line; mirelta-cli identify tells why.
        if (!read->positions.empty()) {
            tables_ = std::move(*read);
        }
        follow();
    });
    reader_->start();
}

std::optional<analysis::Identification> SatelliteLine::identify() const {
    if (!tables_ || !document_.fileLoaded()) {
        return std::nullopt;
    }
    const std::optional<int> lo = settings_.lnbLoMHz();
    return analysis::IdentifySatellite(
        document_.lists(), *tables_,
        {.detection = {}, .loMHz = lo ? std::optional<double>(*lo) : std::nullopt});
}

void SatelliteLine::follow() {
    shown_ = identify();
    if (!shown_ || shown_->measured == 0) {
        shown_.reset();
        hide();
        return;
    }
    showIn(document_.Language());
    show();
}

void SatelliteLine::showIn(UiLanguage language) {
    language_ = language;
    setText(SatelliteSummary(*shown_, WordsOf(language)));
    setToolTip(SatelliteWarning(*shown_, WordsOf(language)));
    setAutoFillBackground(shown_->mismatch);
}

}  // namespace mirelta
