// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace mirelta {

// Shows the replica image. Like the original's static controls it takes no mouse input: the
// pointer and the wheel reach the main window itself. At whole-number ratios of screen pixels to
// replica pixels each replica pixel becomes a sharp block; other ratios are scaled smoothly.
class ReplicaView : public QWidget {
    Q_OBJECT

  public:
    ReplicaView(const QImage& image, QWidget* parent);

    // A line shown over the empty replica until a file is open; empty hides it.
    void setHint(const QString& hint);
    // Drawn `scale` times the image's size.
    void setScale(double scale);
    // Repaints what covers `rect` of the image.
    void updateReplica(const QRect& rect);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QImage& image_;
    QString hint_;
    double scale_ = 1.0;
};

}  // namespace mirelta
