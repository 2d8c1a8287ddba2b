// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings.h"

#include <QDebug>
#include <QFileInfo>
#include <QSet>
#include <initializer_list>
#include <mutex>

#include "analysis/satellite_tables.h"
#include "app/settings_files.h"
#include "mirelta_version.h"

namespace mirelta {
namespace {

const QString kOpenFolder = QStringLiteral("dialogs/openFolder");
const QString kSaveFolder = QStringLiteral("dialogs/saveFolder");
const QString kRecentFiles = QStringLiteral("recentFiles");
const QString kRecentFolders = QStringLiteral("recentFolders");
const QString kPassMargin = QStringLiteral("verdict/passMargin");
const QString kFailMargin = QStringLiteral("verdict/failMargin");
const QString kS2Allowance = QStringLiteral("verdict/s2Allowance");
const QString kLanguage = QStringLiteral("window/language");
const QString kGeometry = QStringLiteral("window/geometry");
const QString kLnbLo = QStringLiteral("analysis/lnbLo");
const QString kTablesFolder = QStringLiteral("identify/tablesFolder");
const QString kLayoutVersion = QStringLiteral("settingsVersion");
constexpr int kOneStore = 1;

// Every read checks the value again; the log should not fill with the same complaint.
void WarnOnce(const QString& message) {
    static std::mutex guard;
    static QSet<QString> warned;
    const std::lock_guard lock(guard);
    if (!warned.contains(message)) {
        warned.insert(message);
        qWarning().noquote() << message;
    }
}

bool IsUsableStore(const QStringList& files) {
    for (const QString& file : files) {
        if (const QString why = WhyNotToOpen(file); !why.isEmpty()) {
            WarnOnce(QStringLiteral("Settings: %1 %2; it is neither read nor written, and this run "
                                    "uses the defaults")
                         .arg(file, why));
            return false;
        }
    }
    return true;
}

}  // namespace

Settings::Settings() {
    const QString id = QString::fromLatin1(kApplicationId);
    if (IsUsableStore(SettingsFilesOf(id))) {
        store_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, id);
        carryOverOlderStores();
    }
}

void Settings::carryOverOlderStores() {
    const QString olderId = QStringLiteral("Mirelta");
    if (value(kLayoutVersion).toInt() >= kOneStore ||
        !IsUsableStore(SettingsFilesOf(olderId, olderId))) {
        return;
    }
    // The folders and the recent list are already here under their keys. The margins were in a
    // store of their own, which stays for older builds; a margin set here since wins.
    const QSettings verdictStore(olderId, olderId);
    for (const QString& key : {kPassMargin, kFailMargin}) {
        if (verdictStore.contains(key) && !contains(key)) {
            setValue(key, verdictStore.value(key));
        }
    }
    setValue(kLayoutVersion, kOneStore);
}

bool Settings::contains(const QString& key) const {
    return store_ ? store_->contains(key) : thisRunOnly_.contains(key);
}

QVariant Settings::value(const QString& key) const {
    return store_ ? store_->value(key) : thisRunOnly_.value(key);
}

void Settings::setValue(const QString& key, const QVariant& value) {
    if (store_) {
        store_->setValue(key, value);
    } else {
        thisRunOnly_.insert(key, value);
    }
}

QString Settings::openFolder() const {
    return value(kOpenFolder).toString();
}

QString Settings::saveFolder() const {
    return value(kSaveFolder).toString();
}

void Settings::rememberOpenedIn(const QString& filePath) {
    setValue(kOpenFolder, QFileInfo(filePath).absolutePath());
}

void Settings::rememberSavedIn(const QString& filePath) {
    setValue(kSaveFolder, QFileInfo(filePath).absolutePath());
}

QStringList Settings::recentList(const QString& key) const {
    return value(key).toStringList().mid(0, kRecentFileCount);
}

void Settings::addRecent(const QString& key, const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = recentList(key);
    paths.removeAll(absolute);
    paths.prepend(absolute);
    setValue(key, paths.mid(0, kRecentFileCount));
}

void Settings::removeRecent(const QString& key, const QString& path) {
    QStringList paths = recentList(key);
    paths.removeAll(path);
    setValue(key, paths);
}

QStringList Settings::recentFiles() const {
    return recentList(kRecentFiles);
}

void Settings::addRecentFile(const QString& filePath) {
    addRecent(kRecentFiles, filePath);
}

void Settings::clearRecentFiles() {
    setValue(kRecentFiles, QStringList());
}

void Settings::removeRecentFile(const QString& filePath) {
    removeRecent(kRecentFiles, filePath);
}

QStringList Settings::recentFolders() const {
    return recentList(kRecentFolders);
}

void Settings::addRecentFolder(const QString& folder) {
    addRecent(kRecentFolders, folder);
}

void Settings::removeRecentFolder(const QString& folder) {
    removeRecent(kRecentFolders, folder);
}

double Settings::decibelsAt(const QString& key, double fallback, double lowest,
                            double highest) const {
    if (!contains(key)) {
        return fallback;
    }
    const QVariant stored = value(key);
    bool isNumber = false;
    const double db = stored.toDouble(&isNumber);
    // The comparisons are also false for NaN.
    if (isNumber && db >= lowest && db <= highest) {
        return db;
    }
    WarnOnce(QStringLiteral("Settings: %1 \"%2\" is not a number of dB from %3 to %4; using %5")
                 .arg(key, stored.toString())
                 .arg(lowest)
                 .arg(highest)
                 .arg(fallback));
    return fallback;
}

Thresholds Settings::thresholds() const {
    const Thresholds defaults;
    const auto margin = [this](const QString& key, double fallback) {
        return decibelsAt(key, fallback, -kMarginLimit, kMarginLimit);
    };
    const Thresholds read{
        .passMargin = margin(kPassMargin, defaults.passMargin),
        .failMargin = margin(kFailMargin, defaults.failMargin),
        .s2Allowance = decibelsAt(kS2Allowance, defaults.s2Allowance, 0, kAllowanceLimit)};
    if (read.failMargin > read.passMargin) {
        WarnOnce(QStringLiteral("Settings: %1 %2 is above %3 %4; using %5 and %6")
                     .arg(kFailMargin)
                     .arg(read.failMargin)
                     .arg(kPassMargin)
                     .arg(read.passMargin)
                     .arg(defaults.passMargin)
                     .arg(defaults.failMargin));
        return {.s2Allowance = read.s2Allowance};
    }
    return read;
}

UiLanguage Settings::language() const {
    if (!contains(kLanguage)) {
        return UiLanguage::English;
    }
    bool isNumber = false;
    const int language = value(kLanguage).toInt(&isNumber);
    if (isNumber && (language == 0 || language == 1)) {
        return static_cast<UiLanguage>(language);
    }
    WarnOnce(QStringLiteral("Settings: %1 \"%2\" is neither 0 nor 1; using 0")
                 .arg(kLanguage, value(kLanguage).toString()));
    return UiLanguage::English;
}

void Settings::setLanguage(UiLanguage language) {
    setValue(kLanguage, static_cast<int>(language));
}

std::optional<int> Settings::lnbLoMHz() const {
    if (!contains(kLnbLo)) {
        return std::nullopt;
    }
    bool isNumber = false;
    const int lo = value(kLnbLo).toInt(&isNumber);
    if (isNumber && lo >= 0 && lo <= kHighestLoMHz) {
        return lo == 0 ? std::nullopt : std::optional<int>(lo);
    }
    WarnOnce(QStringLiteral("Settings: %1 \"%2\" is not a whole number of MHz from 0 to %3; "
                            "using none")
                 .arg(kLnbLo, value(kLnbLo).toString())
                 .arg(kHighestLoMHz));
    return std::nullopt;
}

void Settings::setLnbLoMHz(std::optional<int> loMHz) {
    setValue(kLnbLo, loMHz.value_or(0));
}

QString Settings::satelliteListsFolder() const {
    const QString folder = value(kTablesFolder).toString();
    return folder.isEmpty() ? QString::fromLatin1(analysis::kDefaultTablesFolder) : folder;
}

QByteArray Settings::windowGeometry() const {
    return value(kGeometry).toByteArray();
}

void Settings::setWindowGeometry(const QByteArray& geometry) {
    setValue(kGeometry, geometry);
}

}  // namespace mirelta
