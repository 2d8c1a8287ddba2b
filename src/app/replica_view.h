// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace mirelta {

// Shows the replica image. Like the original's static controls it takes no mouse input: the
// pointer and the wheel reach the main window itself. At whole-number device-pixel ratios each
// replica pixel becomes a sharp block; other ratios are scaled smoothly.
class ReplicaView : public QWidget {
    Q_OBJECT

  public:
    ReplicaView(const QImage& image, QWidget* parent);

    // A line shown over the empty replica until a file is open; empty hides it.
    void setHint(const QString& hint);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QImage& image_;
    QString hint_;
};

}  // namespace mirelta
