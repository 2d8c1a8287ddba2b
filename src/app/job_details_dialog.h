// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <filesystem>

#include "report/job_details.h"

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QPlainTextEdit;

namespace mirelta {

// "Job Details...": edits the job file beside the open meter file and saves it atomically. A
// failed save says why and keeps the dialog open with everything typed.
class JobDetailsDialog : public QDialog {
  public:
    JobDetailsDialog(const std::filesystem::path& jobFile, QWidget* parent);

  private:
    void load();
    JobDetails entered() const;
    void save();

    std::filesystem::path jobFile_;
    bool replacesUnreadable_ = false;
    QLineEdit* customer_;
    QPlainTextEdit* siteAddress_;
    QLineEdit* installer_;
    QLineEdit* jobDate_;
    QLineEdit* dishSize_;
    QLineEdit* lnbModel_;
    QCheckBox* gpsKnown_;
    QDoubleSpinBox* latitude_;
    QDoubleSpinBox* longitude_;
    QPlainTextEdit* notes_;
};

}  // namespace mirelta
