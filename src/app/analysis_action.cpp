// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/analysis_action.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include "app/analysis_view.h"

namespace mirelta {
namespace {

const QKeySequence kShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_A);
// The free space between Save and Exit in the panel's frame, in line with both.
const QRect kButtonPlace(738, 484, 103, 30);

}  // namespace

AnalysisAction::AnalysisAction(QWidget* window, const Document& document, Settings& settings,
                               std::function<void()> onLoChanged)
    : window_(window),
      document_(document),
      settings_(settings),
      onLoChanged_(std::move(onLoChanged)) {
    auto* shortcut = new QShortcut(kShortcut, window);
    QObject::connect(shortcut, &QShortcut::activated, window, [this] { open(); });
    auto* button = new QPushButton(QCoreApplication::translate("Mirelta", "&Analysis..."), window);
    button->setObjectName(QStringLiteral("analysisButton"));
    button->setAutoDefault(true);  // Enter on it opens the analysis, not the Open dialog
    button->setToolTip(QCoreApplication::translate("Mirelta", "Spectrum analysis (Ctrl+Shift+A)"));
    button->setGeometry(kButtonPlace);
    QObject::connect(button, &QPushButton::clicked, window, [this] { open(); });
}

void AnalysisAction::addTo(QMenu& menu) {
    menu.addAction(QCoreApplication::translate("Mirelta", "Spectrum &Analysis..."), window_,
                   [this] { open(); })
        ->setShortcut(kShortcut);
}

void AnalysisAction::open() {
    if (view_ == nullptr) {
        view_ = new AnalysisView(document_, settings_, onLoChanged_, window_);
    }
    view_->show();
    view_->raise();
    view_->activateWindow();
}

}  // namespace mirelta
