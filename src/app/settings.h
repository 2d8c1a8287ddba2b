// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <memory>
#include <optional>

#include "assess/assessment.h"
#include "screens/screen_mode.h"

namespace mirelta {

// What the window remembers between runs, in the one store under the application id. Values read
// back are checked: a bad one gives its default and one warning in the log, and stays stored. A
// store that is not a regular file, or is far larger than the window ever writes, is neither read
// nor written: this run starts from the defaults and keeps its changes to itself, with one
// warning.
class Settings {
  public:
    static constexpr int kRecentFileCount = 8;
    static constexpr double kMarginLimit = 50.0;     // dB either way
    static constexpr double kAllowanceLimit = 10.0;  // dB, from 0
    static constexpr int kHighestLoMHz = 99999;

    // Carries over what older builds stored elsewhere, once.
    Settings();

    QString openFolder() const;
    QString saveFolder() const;
    void rememberOpenedIn(const QString& filePath);
    void rememberSavedIn(const QString& filePath);

    // Newest first, at most kRecentFileCount.
    QStringList recentFiles() const;
    void addRecentFile(const QString& filePath);
    void removeRecentFile(const QString& filePath);
    // The folders of Open Folder, likewise.
    QStringList recentFolders() const;
    void addRecentFolder(const QString& folder);
    void removeRecentFolder(const QString& folder);
    void clearRecentFiles();

    Thresholds thresholds() const;

    // The meter labels' language.
    UiLanguage language() const;
    void setLanguage(UiLanguage language);

    // The LNB local oscillator the spectrum analysis converts IF to RF with; none when not known.
    std::optional<int> lnbLoMHz() const;
    void setLnbLoMHz(std::optional<int> loMHz);

    // The folder of DVBv5 satellite lists the open file is matched against.
    QString satelliteListsFolder() const;

    // As QWidget::saveGeometry() gives it; empty until first saved.
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);

  private:
    void carryOverOlderStores();
    QStringList recentList(const QString& key) const;
    void addRecent(const QString& key, const QString& path);
    void removeRecent(const QString& key, const QString& path);
    double decibelsAt(const QString& key, double fallback, double lowest, double highest) const;
    bool contains(const QString& key) const;
    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);

    std::unique_ptr<QSettings> store_;  // none when its file is not a regular one
    QVariantMap thisRunOnly_;           // what is set while there is no store
};

}  // namespace mirelta
