// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace mirelta {

// The files a QSettings store in the native format reads for `organization` (and `application`,
// if any), worked out without opening them: the user's own file first, then the system's.
QStringList SettingsFilesOf(const QString& organization, const QString& application = {});

// The first of `files` that exists but is not a regular file (a FIFO, device, socket or folder),
// or an empty string. Reading such a file could block for ever.
QString FirstIrregularFile(const QStringList& files);

}  // namespace mirelta
