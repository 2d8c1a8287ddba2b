// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_prompts.h"

#include <QFileDialog>

#include "app/message_box.h"

namespace mirelta {

QStringList DialogFilters(const std::string& filter) {
    const QStringList fields = QString::fromStdString(filter).split('|');
    QStringList entries;
    for (qsizetype k = 0; k + 1 < fields.size(); k += 2) {
        if (!fields[k].isEmpty()) {
            entries << fields[k];
        }
    }
    return entries;
}

void QtPrompts::messageBox(const std::string& text, const std::string& detail) {
    // A detail is the reason something failed; a message without one only informs.
    ShowMessageBox(owner_, detail.empty() ? QMessageBox::Information : QMessageBox::Warning,
                   QString::fromStdString(text), QString::fromStdString(detail));
}

bool QtPrompts::question(const std::string& text) {
    return ShowMessageBox(owner_, QMessageBox::Warning, QString::fromStdString(text), {},
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtPrompts::openFileName(const std::string& filter) {
    QFileDialog dialog(owner_, QStringLiteral("Open"), settings_.openFolder());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(DialogFilters(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.selectedFiles().first();
    settings_.rememberOpenedIn(path);
    return path.toStdString();
}

std::optional<std::string> QtPrompts::saveFileName(const std::string& defaultExtension,
                                                   const std::string& defaultName,
                                                   const std::string& filter) {
    QFileDialog dialog(owner_, QStringLiteral("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters = DialogFilters(filter);
    dialog.setNameFilters(filters);
    const QString extension = QString::fromStdString(defaultExtension).remove('.');
    dialog.setDefaultSuffix(extension);
    // The suffix follows the chosen type, so "zop" with the PNG entry becomes zop.png.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, extension](const QString& selected) {
                         const qsizetype star = selected.indexOf("*.");
                         dialog.setDefaultSuffix(
                             star < 0
                                 ? extension
                                 : selected.mid(star + 2).section(')', 0, 0).section(' ', 0, 0));
                     });
    if (const QString folder = settings_.saveFolder(); !folder.isEmpty()) {
        dialog.setDirectory(folder);
    }
    dialog.selectFile(QString::fromStdString(defaultName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString path = dialog.selectedFiles().first();
    settings_.rememberSavedIn(path);
    return path.toStdString();
}

std::optional<std::string> QtPrompts::folderName(const std::string& title) {
    const QString folder = QFileDialog::getExistingDirectory(owner_, QString::fromStdString(title),
                                                             settings_.saveFolder());
    if (folder.isEmpty()) {
        return std::nullopt;
    }
    settings_.rememberSavedIn(folder + QStringLiteral("/."));
    return folder.toStdString();
}

}  // namespace mirelta
