// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace mirelta {

// Runs `report` in the event loop each time the process receives SIGUSR1, so that a running
// window can be asked for its state (kill -USR1 PID) without a debugger and without
// disturbing what it shows. One instance per process.
class StateOnSignal : public QObject {
  public:
    StateOnSignal(std::function<void()> report, QObject* parent);
    ~StateOnSignal() override;
    StateOnSignal(const StateOnSignal&) = delete;
    StateOnSignal& operator=(const StateOnSignal&) = delete;

  private:
    std::function<void()> report_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace mirelta
