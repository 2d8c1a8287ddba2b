// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QThread>
#include <memory>
#include <optional>

#include "analysis/satellite_identification.h"
#include "app/settings.h"
#include "screens/document.h"

namespace mirelta {

// Which satellite the open file's transponders belong to, in the free band under the verdict
// band: "Satellite: likely Hotbird 13.0E (9 of 10)", on amber with the warning as its tool-tip
// when the meter was told another one. The lists are read once, on a thread of their own, when
// the first file is opened; without lists, or without a measured transponder, there is no line.
class SatelliteLine : public QLabel {
  public:
    SatelliteLine(QWidget* parent, const Document& document, const Settings& settings);
    ~SatelliteLine() override;
    SatelliteLine(const SatelliteLine&) = delete;
    SatelliteLine& operator=(const SatelliteLine&) = delete;

    // The open file's, through the LO the analysis window was given; none until the lists are
    // read, and none without lists.
    std::optional<analysis::Identification> identify() const;
    // Identifies the open file again: when it opens, when the lists arrive, when the LO changes.
    void follow();

  private:
    void readLists();
    void showIn(UiLanguage language);

    const Document& document_;
    const Settings& settings_;
    std::unique_ptr<QThread> reader_;
    std::optional<analysis::SatelliteTables> tables_;
    std::optional<analysis::Identification> shown_;
    UiLanguage language_ = UiLanguage::English;
};

}  // namespace mirelta
