// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <algorithm>

#include "platform/text_codec.h"
#include "platform/window_template.h"

namespace mirelta {
namespace {

constexpr double kSmallestFit = 0.25;
constexpr double kLargestFit = 4.0;

QString Title(const std::string& path) {
    return path.empty() ? QCoreApplication::translate("Mirelta", "Mirelta")
                        : QCoreApplication::translate("Mirelta", "%1 - Mirelta")
                              .arg(QFileInfo(QString::fromStdString(path)).fileName());
}

// "Find 2 of 8: Astra 11747H" for the shown screen's selected snapshot.
QString SnapshotText(const Document& document) {
    const RecordLists& lists = document.lists();
    const auto describe = [](const char* kind, int index, int count, const std::string& label) {
        return QCoreApplication::translate("Mirelta", "%1 %2 of %3: %4")
            .arg(QCoreApplication::translate("Mirelta", kind))
            .arg(index + 1)
            .arg(count)
            .arg(DecodeLocalText(label));
    };
    switch (document.ScreenMode()) {
        case ScreenKind::Find:
            return lists.findCount == 0
                       ? QString()
                       : describe(QT_TRANSLATE_NOOP("Mirelta", "Find"), lists.selectedFind,
                                  lists.findCount, lists.find[lists.selectedFind % 32].listLabel());
        case ScreenKind::Constellation:
            return lists.constellationCount == 0
                       ? QString()
                       : describe(
                             QT_TRANSLATE_NOOP("Mirelta", "Constellation"),
                             lists.selectedConstellation, lists.constellationCount,
                             lists.constellation[lists.selectedConstellation % 16].listLabel());
        case ScreenKind::Spectrum:
            return lists.spectrumCount == 0
                       ? QString()
                       : describe(QT_TRANSLATE_NOOP("Mirelta", "Spectrum"), lists.selectedSpectrum,
                                  lists.spectrumCount,
                                  lists.spectrum[lists.selectedSpectrum % 32].listLabel());
        case ScreenKind::None:
            break;
    }
    return {};
}

// Asks for room for the whole client area at 100 %, so the window opens showing it exactly.
class ClientArea : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override { return CMireltaDlg::ClientSizeAt(1.0); }
};

}  // namespace

MainWindow::MainWindow(Prompts& prompts)
    : scroll_(new ClientArea(this)),
      fileLabel_(new QLabel(this)),
      snapshotLabel_(new QLabel(this)),
      actionLabel_(new QLabel(this)) {
    dialog_ = new CMireltaDlg(prompts, scroll_);
    setWindowTitle(Title({}));
    setWindowIcon(dialog_->windowIcon());
    scroll_->setWidget(dialog_);
    scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll_->setFrameShape(QFrame::NoFrame);
    // Tab moves among the panel's controls only, as in the dialog alone.
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setBackgroundRole(QPalette::Window);
    setCentralWidget(scroll_);
    statusBar()->addWidget(fileLabel_, 2);
    statusBar()->addWidget(snapshotLabel_, 2);
    statusBar()->addWidget(actionLabel_, 3);

    Document& document = dialog_->document();
    connect(&document, &Document::opened, this, [this] {
        setWindowTitle(Title(dialog_->document().sourcePath()));
        showFileAndSnapshot();
    });
    connect(&document, &Document::selectionChanged, this, [this] { showFileAndSnapshot(); });
    connect(&document, &Document::screenChanged, this, [this] { showFileAndSnapshot(); });
    dialog_->onAction = [this](const QString& text) { actionLabel_->setText(text); };
    // Exit, Esc and Ctrl+Q end the dialog; the window goes with it.
    connect(dialog_, &QDialog::rejected, this, &QWidget::close);

    buildMenus();
    placeOnScreen();
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QCoreApplication::translate("Mirelta", "&File"));
    file->addAction(QCoreApplication::translate("Mirelta", "&Open..."), this,
                    [this] { dialog_->document().Open(); })
        ->setShortcut(QKeySequence::Open);
    // Built when opened, so it lists the files as they are now.
    QMenu* recentHolder = file->addMenu(QCoreApplication::translate("Mirelta", "Open &Recent"));
    connect(recentHolder, &QMenu::aboutToShow, this, [this, recentHolder] {
        recentHolder->clear();
        QMenu scratch;
        dialog_->AddRecentFilesMenu(scratch);
        QMenu* built = scratch.actions().front()->menu();
        for (QAction* action : built->actions()) {
            action->setParent(recentHolder);
            recentHolder->addAction(action);
        }
    });
    dialog_->AddOpenFolderActions(*file);
    file->addSeparator();
    dialog_->AddFileActions(*file);
    file->addSeparator();
    file->addAction(QCoreApplication::translate("Mirelta", "&Quit"), dialog_,
                    [this] { dialog_->OnCancel(); })
        ->setShortcut(QKeySequence::Quit);

    addViewMenu();

    QMenu* help = menuBar()->addMenu(QCoreApplication::translate("Mirelta", "&Help"));
    help->addAction(QCoreApplication::translate("Mirelta", "&About Mirelta..."), this,
                    [this] { dialog_->ShowAbout(); })
        ->setShortcut(QKeySequence::HelpContents);

    // The window's own shortcuts already act on these keys; the menus only show them.
    for (QAction* action : menuBar()->findChildren<QAction*>()) {
        action->setShortcutContext(Qt::WidgetShortcut);
    }
}

void MainWindow::addViewMenu() {
    QMenu* view = menuBar()->addMenu(QCoreApplication::translate("Mirelta", "&View"));
    const std::pair<const char*, int> screens[] = {
        {QT_TRANSLATE_NOOP("Mirelta", "&Find"), 0},
        {QT_TRANSLATE_NOOP("Mirelta", "&Constellation"), 1},
        {QT_TRANSLATE_NOOP("Mirelta", "&Spectrum"), 2}};
    for (const auto& [name, entry] : screens) {
        view->addAction(QCoreApplication::translate("Mirelta", name), this,
                        [this, entry = entry] { dialog_->ChooseInList(ids::UiList, entry); });
    }
    view->addSeparator();
    QMenu* language = view->addMenu(QCoreApplication::translate("Mirelta", "&Language"));
    language->addAction(QCoreApplication::translate("Mirelta", "&English"), this,
                        [this] { dialog_->ChooseInList(ids::LanguageList, 0); });
    language->addAction(QCoreApplication::translate("Mirelta", "F&rench"), this,
                        [this] { dialog_->ChooseInList(ids::LanguageList, 1); });

    QMenu* zoom = view->addMenu(QCoreApplication::translate("Mirelta", "&Zoom"));
    auto* zooms = new QActionGroup(this);
    const std::tuple<const char*, Zoom, QKeySequence> choices[] = {
        {QT_TRANSLATE_NOOP("Mirelta", "&Fit to Window"), Zoom::Fit,
         QKeySequence(Qt::CTRL | Qt::Key_0)},
        {QT_TRANSLATE_NOOP("Mirelta", "&100 %"), Zoom::Actual, QKeySequence(Qt::CTRL | Qt::Key_1)},
        {QT_TRANSLATE_NOOP("Mirelta", "&200 %"), Zoom::Double, QKeySequence(Qt::CTRL | Qt::Key_2)},
    };
    for (const auto& [name, choice, keys] : choices) {
        QAction* action = zoom->addAction(QCoreApplication::translate("Mirelta", name), this,
                                          [this, choice = choice] { setZoom(choice); });
        action->setCheckable(true);
        action->setChecked(choice == zoom_);
        action->setShortcut(keys);
        zooms->addAction(action);
        // The zoom keys are the menu's own: they work from anywhere in the window.
        auto* shortcut = new QAction(this);
        shortcut->setShortcut(keys);
        connect(shortcut, &QAction::triggered, action, &QAction::trigger);
        addAction(shortcut);
    }
    view->addSeparator();
    dialog_->AddAnalysisAction(*view);
}

void MainWindow::showFileAndSnapshot() {
    const Document& document = dialog_->document();
    fileLabel_->setText(document.fileLoaded()
                            ? QString::fromStdString(document.sourcePath())
                            : QCoreApplication::translate("Mirelta", "No file open"));
    snapshotLabel_->setText(SnapshotText(document));
}

void MainWindow::setZoom(Zoom zoom) {
    zoom_ = zoom;
    applyZoom();
}

void MainWindow::applyZoom() {
    double scale = zoom_ == Zoom::Double ? 2.0 : 1.0;
    if (zoom_ == Zoom::Fit) {
        QSize room = scroll_->maximumViewportSize();
        // The panel's column keeps its height: a shorter window scrolls it, and the scroll bar
        // takes its width from the replica's room.
        if (room.height() < CMireltaDlg::ClientSizeAt(kSmallestFit).height()) {
            room.rwidth() -= scroll_->verticalScrollBar()->sizeHint().width();
        }
        const QSize natural = CMireltaDlg::ClientSizeAt(1.0);
        const double across = static_cast<double>(room.width() - natural.width() + kReplicaWidth);
        const double down = static_cast<double>(room.height() - natural.height() + kReplicaHeight);
        scale = std::clamp(std::min(across / kReplicaWidth, down / kReplicaHeight), kSmallestFit,
                           kLargestFit);
    }
    if (scale != dialog_->replicaScale()) {
        dialog_->SetReplicaScale(scale);
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (zoom_ == Zoom::Fit) {
        applyZoom();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Settings().setWindowGeometry(saveGeometry());
    QMainWindow::closeEvent(event);
}

void MainWindow::placeOnScreen() {
    // The size that shows the replica at 100 %, unless the screen is smaller (adjustSize would
    // stop at two thirds of the screen).
    layout()->activate();
    resize(sizeHint());
    restoreGeometry(Settings().windowGeometry());
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect room = screen->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    QRect wanted(pos(), size().boundedTo(room.size() - frame));
    wanted.moveLeft(
        std::clamp(wanted.left(), room.left(), room.right() - wanted.width() - frame.width()));
    wanted.moveTop(
        std::clamp(wanted.top(), room.top(), room.bottom() - wanted.height() - frame.height()));
    setGeometry(wanted);
}

}  // namespace mirelta
