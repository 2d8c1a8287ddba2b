// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/job_details_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/message_box.h"

namespace mirelta {
namespace {

QString FileName(const std::filesystem::path& file) {
    return QString::fromStdString(file.filename().string());
}

QDoubleSpinBox* DegreesBox(double limit, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(-limit, limit);
    box->setDecimals(5);
    box->setSuffix(QStringLiteral("°"));
    return box;
}

QPlainTextEdit* TextBox(int lines, QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setTabChangesFocus(true);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 12);
    return box;
}

}  // namespace

JobDetailsDialog::JobDetailsDialog(const std::filesystem::path& jobFile, QWidget* parent)
    : QDialog(parent),
      jobFile_(jobFile),
      customer_(new QLineEdit(this)),
      siteAddress_(TextBox(3, this)),
      installer_(new QLineEdit(this)),
      jobDate_(new QLineEdit(this)),
      dishSize_(new QLineEdit(this)),
      lnbModel_(new QLineEdit(this)),
      gpsKnown_(new QCheckBox(QCoreApplication::translate("Mirelta", "&Known"), this)),
      latitude_(DegreesBox(90, this)),
      longitude_(DegreesBox(180, this)),
      notes_(TextBox(4, this)) {
    setWindowTitle(
        QCoreApplication::translate("Mirelta", "Job Details - %1").arg(FileName(jobFile)));
    jobDate_->setPlaceholderText(QStringLiteral("yyyy-mm-dd"));
    dishSize_->setPlaceholderText(QStringLiteral("80 cm"));
    latitude_->setToolTip(QCoreApplication::translate("Mirelta", "North positive"));
    longitude_->setToolTip(QCoreApplication::translate("Mirelta", "East positive"));
    auto* gps = new QHBoxLayout;
    gps->addWidget(gpsKnown_);
    gps->addWidget(latitude_);
    gps->addWidget(longitude_);
    connect(gpsKnown_, &QCheckBox::toggled, latitude_, &QWidget::setEnabled);
    connect(gpsKnown_, &QCheckBox::toggled, longitude_, &QWidget::setEnabled);

    auto* form = new QFormLayout(this);
    form->addRow(QCoreApplication::translate("Mirelta", "&Customer:"), customer_);
    form->addRow(QCoreApplication::translate("Mirelta", "Site &address:"), siteAddress_);
    form->addRow(QCoreApplication::translate("Mirelta", "&Installer:"), installer_);
    form->addRow(QCoreApplication::translate("Mirelta", "Job &date:"), jobDate_);
    form->addRow(QCoreApplication::translate("Mirelta", "Dish si&ze:"), dishSize_);
    form->addRow(QCoreApplication::translate("Mirelta", "&LNB model:"), lnbModel_);
    form->addRow(QCoreApplication::translate("Mirelta", "&GPS position:"), gps);
    form->addRow(QCoreApplication::translate("Mirelta", "&Notes:"), notes_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { save(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setMinimumWidth(520);
    load();
}

void JobDetailsDialog::load() {
    const JobReadResult read = ReadJobFile(jobFile_);
    if (!read.failure.isEmpty()) {
        // The unreadable file stays as it is unless the user chooses to save over it.
        replacesUnreadable_ = true;
        ShowMessageBox(this, QMessageBox::Warning,
                       QCoreApplication::translate("Mirelta",
                                                   "%1 cannot be read: %2\n\nIt is left as it is "
                                                   "unless you save new details over it.")
                           .arg(FileName(jobFile_), read.failure));
    }
    const JobDetails job = read.details.value_or(JobDetails{});
    customer_->setText(job.customer);
    siteAddress_->setPlainText(job.siteAddress);
    installer_->setText(job.installer);
    jobDate_->setText(job.jobDate.isEmpty() && !read.details
                          ? QDate::currentDate().toString(Qt::ISODate)
                          : job.jobDate);
    dishSize_->setText(job.dishSize);
    lnbModel_->setText(job.lnbModel);
    gpsKnown_->setChecked(job.gps.has_value());
    latitude_->setEnabled(job.gps.has_value());
    longitude_->setEnabled(job.gps.has_value());
    latitude_->setValue(job.gps ? job.gps->latitude : 0);
    longitude_->setValue(job.gps ? job.gps->longitude : 0);
    notes_->setPlainText(job.notes);
}

JobDetails JobDetailsDialog::entered() const {
    JobDetails job;
    job.customer = customer_->text().trimmed();
    job.siteAddress = siteAddress_->toPlainText().trimmed();
    job.installer = installer_->text().trimmed();
    job.jobDate = jobDate_->text().trimmed();
    job.dishSize = dishSize_->text().trimmed();
    job.lnbModel = lnbModel_->text().trimmed();
    if (gpsKnown_->isChecked()) {
        job.gps = GpsPosition{latitude_->value(), longitude_->value()};
    }
    job.notes = notes_->toPlainText().trimmed();
    return job;
}

void JobDetailsDialog::save() {
    if (replacesUnreadable_ &&
        ShowMessageBox(
            this, QMessageBox::Warning,
            QCoreApplication::translate("Mirelta", "Replace the unreadable %1 with these details?")
                .arg(FileName(jobFile_)),
            {}, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    const SaveResult saved = WriteJobFile(jobFile_, entered());
    if (!saved.ok()) {
        ShowMessageBox(
            this, QMessageBox::Critical,
            QCoreApplication::translate("Mirelta",
                                        "The job details could not be saved to %1:\n%2\n\n"
                                        "Nothing typed is lost: choose Save again once "
                                        "the folder can be written, or Cancel.")
                .arg(QString::fromStdString(jobFile_.string()),
                     QString::fromStdString(saved.reason())));
        return;
    }
    accept();
}

}  // namespace mirelta
