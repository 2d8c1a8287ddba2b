#pragma once

#include <QImage>
#include <QWidget>

namespace mirelta {

// Shows the replica image. Like the original's static controls it takes no mouse input: the
// pointer and the wheel reach the main window itself.
class ReplicaView : public QWidget {
  public:
    ReplicaView(const QImage& image, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const QImage& image_;
};

}  // namespace mirelta
