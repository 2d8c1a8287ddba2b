// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mirelta_dlg.h"

#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QToolTip>
#include <QWheelEvent>
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
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
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
    const auto* satellite = new SatelliteLine(this, document_, settings_);
    reportActions_ = std::make_unique<ReportActions>(this, document_, prompts_, *satellite);
    exportAll_ = std::make_unique<ExportAllAction>(this, document_, prompts_);
    analysis_ = std::make_unique<AnalysisAction>(this, document_, settings_);
    jobDetails_ = std::make_unique<JobDetailsAction>(this, document_);
    emptyFileNote_ = new QLabel(QStringLiteral("This file holds no saved measurements"), this);
    emptyFileNote_->setGeometry(kEmptyFileNoteRect);
    emptyFileNote_->setAlignment(Qt::AlignCenter);
    emptyFileNote_->hide();

    connect(&document_, &Document::painted, this, [this](const QRect& rect) {
        view_->update(rect);
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
    WriteScreenCapture(document_.clientImage(), document_.controls().rect(ids::ScreenArea), path,
                       BmpDepthForScreenDepth(screenDepth()), prompts_, std::cout);
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

void CMireltaDlg::trackPointer(QPoint position) {
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

void CMireltaDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    AddRecentFilesMenu(menu);
    menu.addAction(QStringLiteral("&About Mirelta..."), this, [this] { ShowAbout(); });
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
