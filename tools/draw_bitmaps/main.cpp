// SPDX-License-Identifier: GPL-3.0-or-later
// draw_bitmaps OUTDIR: draws the meter's bitmaps into OUTDIR/bitmaps/<resource>.png and
// the application icon into OUTDIR/icons/mirelta-<size>.png.
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "application_icon.h"
#include "meter_bitmaps.h"
#include "picture_writer.h"

int main(int argc, char* argv[]) {
    // Always the same platform, so fonts render alike whether or not a display is present.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2 || args[1].isEmpty()) {
        err << "usage: draw_bitmaps OUTDIR\n";
        return 2;
    }
    const QString outDir = args[1];

    QString error;
    for (const int id : mirelta::MeterBitmapIds()) {
        const QString path = QStringLiteral("%1/bitmaps/%2.png").arg(outDir).arg(id);
        if (!mirelta::WritePicture(mirelta::DrawMeterBitmap(id), path, &error)) {
            err << "draw_bitmaps: " << error << "\n";
            return 1;
        }
    }
    for (const int size : mirelta::ApplicationIconSizes()) {
        const QString path = QStringLiteral("%1/icons/mirelta-%2.png").arg(outDir).arg(size);
        if (!mirelta::WritePicture(mirelta::DrawApplicationIcon(size), path, &error)) {
            err << "draw_bitmaps: " << error << "\n";
            return 1;
        }
    }
    return 0;
}
