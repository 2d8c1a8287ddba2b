// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mirelta_dlg.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>
#include <iostream>

#include "app/about_dlg.h"
#include "app/satellite_line.h"
#include "export/bmp_writer.h"
#include "export/image_save_filter.h"
#include "export/screen_capture.h"
#include "mirelta_resources.h"
#include "platform/colours.h"
#include "platform/window_template.h"

namespace mirelta {

namespace {
constexpr int kReadoutPeriodMs = 100;
constexpr int kFrameMs = 16;
constexpr int kWheelNotch = 120;
// The free band between the replica and the record lists' frame.
constexpr QRect kEmptyFileNoteRect(9, 484, 711, 40);
}  // namespace

CMireltaDlg::CMireltaDlg(Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), document_(prompts) {
    setWindowTitle(QStringLiteral("Mirelta"));
    setFixedSize(kClientWidth, kClientHeight);
    // Inside the main window it is the client area; alone it is its own window.
    setWindowFlags(parent != nullptr
                       ? Qt::Widget
                       : Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                             Qt::MSWindowsFixedSizeDialogHint);
    QPalette face = palette();
    face.setColor(QPalette::Window, colours::DialogFace);
    setPalette(face);
    setMouseTracking(true);
    setAcceptDrops(true);

    view_ = new ReplicaView(document_.clientImage(), this);
    view_->move(0, 0);
    panel_ = std::make_unique<PanelWidgets>(document_.controls(), this);
    panel_->onClicked = [this](int id) { routeClick(id); };
    panel_->onActivated = [this](int id, int entry) {
        document_.choose(id, entry);
        if (id == ids::LanguageList) {
            settings_.setLanguage(document_.Language());
        }
    };
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control != view_) {
            control->installEventFilter(this);
        }
    }

    verdict_ = new VerdictBand(this);
    thresholds_ = settings_.thresholds();
    auto* satellite = new SatelliteLine(this, document_, settings_);
    reportActions_ = std::make_unique<ReportActions>(this, document_, prompts_, *satellite);
    exportAll_ = std::make_unique<ExportAllAction>(this, document_, prompts_);
    analysis_ = std::make_unique<AnalysisAction>(this, document_, settings_,
                                                 [satellite] { satellite->follow(); });
    folderOverview_ = std::make_unique<FolderOverviewAction>(
        this, settings_, [this](const QString& path, std::optional<ScreenKind> kind, int index) {
            OpenSnapshot(path, kind, index);
        });
    jobDetails_ = std::make_unique<JobDetailsAction>(this, document_);
    emptyFileNote_ = new QLabel(
        QCoreApplication::translate("Mirelta", "This file holds no saved measurements"), this);
    emptyFileNote_->setGeometry(kEmptyFileNoteRect);
    emptyFileNote_->setAlignment(Qt::AlignCenter);
    emptyFileNote_->hide();

    connect(&document_, &Document::painted, this, [this](const QRect& rect) {
        view_->updateReplica(rect);
        verdict_->follow(document_, thresholds_);
    });
    connect(&document_, &Document::sourceChosen, this,
            [this](const QString& path) { OpenSource(path.toStdString()); });
    connect(&document_, &Document::panelChanged, this, [this](int id) { panel_->sync(id); });
    connect(&document_, &Document::replicaFocusWanted, this, [this] { view_->setFocus(); });
    connect(&document_, &Document::toolTipText, this, [this] {
        if (QToolTip::isVisible()) {
            showToolTip(QCursor::pos());
        }
    });

    OnInitDialog();
    AddDesktopActions();
    RestoreLastRun();
}

void CMireltaDlg::OnInitDialog() {
    setWindowIcon(ApplicationIcon());
    document_.OnInitDialog();

    QPalette tip = QToolTip::palette();
    tip.setColor(QPalette::ToolTipText, colours::Blue);
    QToolTip::setPalette(tip);

    connect(&readoutTimer_, &QTimer::timeout, this, [this] { document_.RefreshCursorReadout(); });
    readoutTimer_.start(kReadoutPeriodMs);

    // The cross-hair follows the pointer: at most one trace redraw per displayed frame.
    traceRedraw_.setSingleShot(true);
    traceRedraw_.setInterval(kFrameMs);
    connect(&traceRedraw_, &QTimer::timeout, this, [this] {
        document_.RedrawTrace();
        // The read-out of this drawing, without waiting for the next pointer move.
        if (QToolTip::isVisible()) {
            showToolTip(QCursor::pos());
        }
    });

    auto* open = new QShortcut(QKeySequence::Open, this);
    connect(open, &QShortcut::activated, this, [this] { document_.Open(); });
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, [this] { OnOK(); });
    auto* quit = new QShortcut(QKeySequence::Quit, this);
    connect(quit, &QShortcut::activated, this, [this] { OnCancel(); });
    auto* about = new QShortcut(QKeySequence::HelpContents, this);
    connect(about, &QShortcut::activated, this, [this] { ShowAbout(); });
    // The Menu key brings its own context-menu event; Shift+F10 is the other key users know.
    auto* contextMenu = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(contextMenu, &QShortcut::activated, this, [this] {
        const QPoint centre = view_->geometry().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, mapToGlobal(centre));
        contextMenuEvent(&event);
    });
}

void CMireltaDlg::routeClick(int id) {
    switch (id) {
        case ids::Save:
            OnOK();
            break;
        case ids::Exit:
            OnCancel();
            break;
        default:
            document_.click(id);
            break;
    }
}

void CMireltaDlg::OnOK() {
    if (document_.ScreenMode() == ScreenKind::None) {
        prompts_.messageBox("Please open a source file at first!");
        return;
    }
    const auto path = prompts_.saveFileName(".bmp", "zop", ImageSaveFilter());
    if (path && !path->empty()) {
        SaveScreenBitmap(*path);
    }
}

void CMireltaDlg::SaveScreenBitmap(const std::string& path) {
    document_.repaint();
    if (WriteScreenCapture(document_.clientImage(), document_.controls().rect(ids::ScreenArea),
                           path, BmpDepthForScreenDepth(screenDepth()), prompts_, std::cout) &&
        onAction) {
        onAction(QCoreApplication::translate("Mirelta", "Saved to %1")
                     .arg(QString::fromStdString(path)));
    }
}

void CMireltaDlg::ChooseInList(int listId, int entry) {
    document_.choose(listId, entry);
    panel_->sync(listId);
    if (listId == ids::LanguageList) {
        settings_.setLanguage(document_.Language());
    }
}

void CMireltaDlg::AddFileActions(QMenu& menu) {
    menu.addAction(QCoreApplication::translate("Mirelta", "Save &As..."), this, [this] { OnOK(); })
        ->setShortcut(QKeySequence::Save);
    exportAll_->addTo(menu);
    reportActions_->addTo(menu);
    jobDetails_->addTo(menu);
}

void CMireltaDlg::AddAnalysisAction(QMenu& menu) {
    analysis_->addTo(menu);
}

void CMireltaDlg::AddOpenFolderActions(QMenu& menu) {
    folderOverview_->addTo(menu);
}

int CMireltaDlg::screenDepth() const {
    const QScreen* s = screen();
    return s != nullptr ? s->depth() : 32;
}

void CMireltaDlg::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
}

CMireltaDlg::~CMireltaDlg() {
    if (reader_) {
        reader_->wait();  // the read ends by its deadline at the latest
    }
}

void CMireltaDlg::OpenDroppedOrGiven(const QString& path) {
    OpenSource(path.toStdString());
}

void CMireltaDlg::OpenSource(const std::string& path) {
    if (IsRegularSource(path)) {
        finishOpen(path, ReadSourceFile(path));
        return;
    }
    if (reading()) {
        return;  // one slow source at a time; the first one's answer is still to come
    }
    readPending_ = true;
    auto result = std::make_shared<ReadResult>();
    reader_.reset(QThread::create([result, path] { *result = ReadSourceFile(path); }));
    connect(reader_.get(), &QThread::finished, this, [this, result, path] {
        readPending_ = false;
        finishOpen(path, std::move(*result));
    });
    reader_->start();
}

void CMireltaDlg::finishOpen(const std::string& path, ReadResult read) {
    document_.OpenImage(path, std::move(read));
    const RecordLists& lists = document_.lists();
    emptyFileNote_->setVisible(document_.fileLoaded() && lists.findCount == 0 &&
                               lists.constellationCount == 0 && lists.spectrumCount == 0);
}

bool CMireltaDlg::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        QWidget* under = childAt(help->pos());
        if (under == nullptr || under == view_) {
            showToolTip(help->globalPos());
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QDialog::event(event);
}

void CMireltaDlg::showToolTip(const QPoint& globalPosition) {
    const std::string& text = document_.spectrum().toolTipText();
    if (text.empty()) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalPosition, QString::fromStdString(text), this);
}

QSize CMireltaDlg::ClientSizeAt(double scale) {
    // The panel's column beside the replica keeps its height whatever the scale.
    return {kClientWidth + static_cast<int>(std::lround(kReplicaWidth * (scale - 1))),
            std::max(kClientHeight,
                     kClientHeight + static_cast<int>(std::lround(kReplicaHeight * (scale - 1))))};
}

QPoint CMireltaDlg::replicaGrowth() const {
    return {static_cast<int>(std::lround(kReplicaWidth * (replicaScale_ - 1))),
            static_cast<int>(std::lround(kReplicaHeight * (replicaScale_ - 1)))};
}

void CMireltaDlg::SetReplicaScale(double scale) {
    if (templatePlaces_.empty()) {
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child != view_ && !child->isWindow()) {
                templatePlaces_.emplace_back(child, child->geometry());
            }
        }
    }
    replicaScale_ = scale;
    const QPoint growth = replicaGrowth();
    // The column right of the replica moves right; what lies under the replica moves down and
    // spans the replica's width as it did.
    const auto across = [scale](int x) { return static_cast<int>(std::lround(x * scale)); };
    for (const auto& [child, place] : templatePlaces_) {
        if (place.left() >= kReplicaWidth) {
            child->setGeometry(place.translated(growth.x(), 0));
        } else if (place.top() >= kReplicaHeight) {
            child->setGeometry(across(place.left()), place.top() + growth.y(),
                               across(place.right() + 1) - across(place.left()), place.height());
        }
    }
    view_->setScale(scale);
    setFixedSize(ClientSizeAt(scale));
}

QPoint CMireltaDlg::toTemplate(QPoint position) const {
    const QPoint growth = replicaGrowth();
    if (position.x() >= kReplicaWidth + growth.x()) {
        return position - QPoint(growth.x(), 0);
    }
    if (position.y() >= kReplicaHeight + growth.y()) {
        return position - QPoint(0, growth.y());
    }
    return {static_cast<int>(std::floor(position.x() / replicaScale_)),
            static_cast<int>(std::floor(position.y() / replicaScale_))};
}

void CMireltaDlg::mouseMoveEvent(QMouseEvent* event) {
    trackPointer(event->position().toPoint());
    QDialog::mouseMoveEvent(event);
}

bool CMireltaDlg::eventFilter(QObject* watched, QEvent* event) {
    // Moves over a panel control stay with that control; its entry is the pointer's move there.
    if (event->type() == QEvent::Enter) {
        if (auto* control = qobject_cast<QWidget*>(watched)) {
            const QPoint at = static_cast<QEnterEvent*>(event)->position().toPoint();
            trackPointer(control->mapTo(this, at));
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CMireltaDlg::trackPointer(QPoint at) {
    const QPoint position = toTemplate(at);
    const bool wasInPlot =
        InsidePlot(document_.spectrum().CursorX(), document_.spectrum().CursorY());
    document_.TrackCursor(position);
    // Every move inside the plot redraws the cross-hair, and so does the move that leaves the
    // plot for the rest of the window: the cross-hair goes with it.
    const bool inPlot = InsidePlot(position.x(), position.y());
    if (document_.ScreenMode() == ScreenKind::Spectrum && (inPlot || wasInPlot) &&
        !traceRedraw_.isActive()) {
        traceRedraw_.start();
    }
}

void CMireltaDlg::wheelEvent(QWheelEvent* event) {
    // A mouse notch is one step; fine-grained wheels and touchpads add up to a notch first.
    wheelRemainder_ += event->angleDelta().y();
    while (wheelRemainder_ >= kWheelNotch || wheelRemainder_ <= -kWheelNotch) {
        const int step = wheelRemainder_ > 0 ? kWheelNotch : -kWheelNotch;
        document_.RefLevelByWheel(static_cast<std::int16_t>(step));
        wheelRemainder_ -= step;
    }
    QDialog::wheelEvent(event);
}

void CMireltaDlg::keyPressEvent(QKeyEvent* event) {
    // Enter that no focused control took is Open's, as the dialog's default button: inside the
    // main window the toolkit's default-button handling does not reach a dialog that is no window.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        routeClick(ids::Open);
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMireltaDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    AddRecentFilesMenu(menu);
    folderOverview_->addTo(menu);
    menu.addAction(QCoreApplication::translate("Mirelta", "&About Mirelta..."), this,
                   [this] { ShowAbout(); });
    exportAll_->addTo(menu);
    analysis_->addTo(menu);
    jobDetails_->addTo(menu);
    reportActions_->addTo(menu);
    menu.exec(event->globalPos());
}

void CMireltaDlg::dragEnterEvent(QDragEnterEvent* event) {
    const auto urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void CMireltaDlg::dropEvent(QDropEvent* event) {
    const auto urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) {
        event->acceptProposedAction();
        OpenDroppedOrGiven(urls.first().toLocalFile());
    }
}

}  // namespace mirelta
