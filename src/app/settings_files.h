// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace mirelta {

// The largest store the window could write: eight recent files, eight recent folders and two
// folders of the longest length, escaped, come to about 450 KiB.
inline constexpr qint64 kMostStoreBytes = 1024 * 1024;

// The files a QSettings store in the native format reads for `organization` (and `application`,
// if any), worked out without opening them: the user's own file first, then the system's.
QStringList SettingsFilesOf(const QString& organization, const QString& application = {});

// Why a store's `file` must not be opened, or an empty string when it may be (or is absent). The
// toolkit would block for ever reading a FIFO, replace a folder or socket when saving, take
// seconds and hundreds of megabytes to parse a file of millions of entries, and try to allocate
// whatever length a serialised value claims.
QString WhyNotToOpen(const QString& file);

// Whether the store's `text` holds a value the toolkit would deserialise ("@Variant(" or
// "@DateTime(" once its escapes are undone). The window never writes one.
bool HoldsSerialisedValue(QByteArrayView text);

}  // namespace mirelta
