#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QStatusBar>
#include <QToolBar>

#include "app/command_table.h"
#include "app/platform.h"
#include "app/settings_profile.h"
#include "dialogs/about_dlg.h"
#include "dialogs/candidate_pane.h"
#include "editing/command_ids.h"
#include "model/app_state.h"
#include "model/rooster2_doc.h"
#include "model/rtr_file.h"
#include "render/fillability_overlay.h"
#include "render/pdf_sheet.h"
#include "support/dialog_support.h"
#include "support/file_chooser.h"
#include "support/toolbar_icons.h"
#include "util/file_io.h"
#include "util/str_format.h"
#include "view/grid_controller.h"
#include "view/grid_view.h"
#include "view/live_fillability.h"

namespace {

const char* const POSITION_SECTION = "Position";
const char* const UNTITLED = "Naamloos";
const char* const NEW_FILE_NAME = "Rooster";
const char* const RTR_FILTER = "Rooster-bestanden (*.rtr);;Alle bestanden (*.*)";
constexpr int INFO_PANE_WIDTH = 100;
constexpr int PRINT_RESOLUTION_DPI = 600;
// As on the PDF sheet.
constexpr double PRINT_MARGIN_MM = 15;

QString StripShortcutText(const QString& text) { return text.section(QLatin1Char('\t'), 0, 0); }

bool AllWordsFilled(const Rooster2Doc& doc) {
    for (int i = 0; i < static_cast<int>(doc.puzzle().words.size()); ++i)
        if (doc.puzzle().IsWordEmpty(i) || !doc.puzzle().IsWordComplete(i)) return false;
    return true;
}

// The legend's swatches show the heat map's colours as they look on a white cell.
QString HeatLegendText() {
    QString text = Latin1(HeatLegendTitle());
    for (const HeatLevel& level : HeatLevels()) {
        const double alpha = level.colour.alphaF();
        const auto onWhite = [alpha](int channel) {
            return static_cast<int>(alpha * channel + (1 - alpha) * 255);
        };
        const QColor swatch(onWhite(level.colour.red()), onWhite(level.colour.green()),
                            onWhite(level.colour.blue()));
        text += QStringLiteral(" <span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;</span> %2")
                    .arg(swatch.name(), Latin1(level.label).toHtmlEscaped());
    }
    return text;
}

}  // namespace

MainFrame::MainFrame(Rooster2Doc& doc, AppState& app, SettingsProfile& profile, QString versionText,
                     IFileChooser* chooser, QWidget* parent)
    : QMainWindow(parent),
      m_doc(doc),
      m_app(app),
      m_profile(profile),
      m_versionText(std::move(versionText)),
      m_chooser(chooser != nullptr ? *chooser : m_platformChooser),
      m_editor(doc),
      m_printer(QPrinter::HighResolution) {
    setWindowIcon(ProgramIcon());
    m_printer.setResolution(PRINT_RESOLUTION_DPI);
    m_printer.setPageMargins(
        QMarginsF(PRINT_MARGIN_MM, PRINT_MARGIN_MM, PRINT_MARGIN_MM, PRINT_MARGIN_MM),
        QPageLayout::Millimeter);
    m_view = new GridView(m_doc, m_editor, this);
    setCentralWidget(m_view);
    m_controller = std::make_unique<GridController>(m_doc, m_app, *m_view, m_editor, m_chooser);
    m_router.SetShortcutLookup(CommandForKey);
    m_router.SetStateSource([this](int id) { return CommandStateOf(id); });
    m_router.SetOutOfMemoryHandler([this] { ShowInformation(this, OutOfMemoryMessage()); });
    m_view->SetCommandRouter(&m_router);
    m_controller->RegisterCommands(m_router);
    m_fileCommands = std::make_unique<FileCommands>(
        m_doc, m_app, *m_view, *m_controller, m_chooser, this, m_versionText,
        FileCommands::Hooks{[this] { return SaveModified(); },
                            [this] {
                                UpdateTitle();
                                UpdateCommands();
                            }});
    m_fileCommands->RegisterCommands(m_router);
    RegisterFrameCommands();
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildLiveFillability();
    m_recentFiles = m_profile.ReadRecentFiles();
    RefreshRecentFileItems();
    setAcceptDrops(true);
    m_doc.changeListener = [this](const DocumentChange& change) {
        UpdateTitle();
        m_controller->DocumentChanged(change);
    };
    connect(m_controller.get(), &GridController::StateChanged, this, &MainFrame::UpdateCommands);
    connect(m_view, &GridView::MessagePaneChanged, m_messagePane, &QLabel::setText);
    connect(m_view, &GridView::InfoPaneChanged, m_infoPane, &QLabel::setText);
    connect(m_controller.get(), &GridController::MessagePaneChanged, m_messagePane,
            &QLabel::setText);
    connect(m_controller.get(), &GridController::InfoPaneChanged, m_infoPane, &QLabel::setText);
    qApp->installEventFilter(this);
    m_view->setFocus();
}

// The controller's clue windows are children of the view; they go before it does.
MainFrame::~MainFrame() = default;

// ---- Menus, tool bar, status bar ------------------------------------------------------------

QAction* MainFrame::Action(int id) const {
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

QAction* MainFrame::CreateAction(int id) { return CreateAction(*FindCommandSpec(id)); }

// A command in two menus under two names ("&3. Zoeken" and "Start &zoeken") gets one
// item per name; the first carries the shortcuts and is the one Action returns.
QAction* MainFrame::CreateAction(const CommandSpec& spec) {
    QAction* existing = Action(spec.id);
    if (existing != nullptr && !spec.otherName) return existing;
    const int id = spec.id;
    const CommandInfo& info = *FindCommand(id);
    QString text = Latin1(MenuText(spec));
    if (const char* shortcut = FindCommandSpec(id)->shortcutText; *shortcut)
        text += QLatin1Char('\t') + Latin1(shortcut);
    auto* action = new QAction(text, this);
    action->setShortcuts(QList<QKeySequence>(spec.keys.begin(), spec.keys.end()));
    action->setStatusTip(Latin1(info.prompt));
    action->setToolTip(*info.toolTip ? Latin1(info.toolTip)
                                     : StripShortcutText(text).remove(QLatin1Char('&')));
    if (spec.icon != nullptr) action->setIcon(ToolBarIcon(spec.icon));
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, [this, id] { RunFromMenu(id); });
    addAction(action);  // shortcuts work whichever bars are shown
    if (existing == nullptr)
        m_actions[id] = action;
    else
        m_otherNamedActions.emplace(id, action);
    return action;
}

QMenu* MainFrame::MenuOf(const QString& path) {
    if (const auto found = m_menus.find(path); found != m_menus.end()) return found->second;
    const int split = path.lastIndexOf(QLatin1Char('|'));
    QMenu* menu = split < 0 ? menuBar()->addMenu(path)
                            : MenuOf(path.left(split))->addMenu(path.mid(split + 1));
    connect(menu, &QMenu::aboutToShow, this, &MainFrame::UpdateCommands);
    m_menus[path] = menu;
    return menu;
}

void MainFrame::BuildMenus() {
    for (const char* title : MainMenuTitles()) MenuOf(Latin1(title));
    for (const CommandSpec& spec : CommandTable()) {
        QMenu* menu = MenuOf(Latin1(spec.menuPath));
        if (spec.separatorBefore) menu->addSeparator();
        if (spec.id == ID_FILE_MRU_FIRST)
            BuildRecentFileItems(menu);
        else
            menu->addAction(CreateAction(spec));
    }
}

void MainFrame::BuildRecentFileItems(QMenu* menu) {
    const char* prompt = FindCommand(ID_FILE_MRU_FIRST)->prompt;
    for (int i = 0; i < RECENT_FILE_COUNT; ++i) {
        const int id = ID_FILE_MRU_FIRST + i;
        auto* action = new QAction(menu);
        action->setStatusTip(Latin1(prompt));
        connect(action, &QAction::triggered, this, [this, id] { RunFromMenu(id); });
        menu->addAction(action);
        m_recentActions[i] = action;
        m_actions[id] = action;
    }
}

void MainFrame::BuildToolBar() {
    m_toolBar = addToolBar(Latin1("Werkbalk"));
    m_toolBar->setObjectName(Latin1("Werkbalk"));
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : ToolBarLayout()) {
        if (id == 0)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(CreateAction(id));
    }
}

void MainFrame::BuildStatusBar() {
    m_messagePane = new QLabel;
    m_infoPane = new QLabel;
    // At least the designed width, wider when the search's progress needs it.
    m_infoPane->setMinimumWidth(INFO_PANE_WIDTH);
    m_capsPane = new QLabel(Latin1("CAP"));
    m_numPane = new QLabel(Latin1("NUM"));
    m_scrollPane = new QLabel(Latin1("SCRL"));
    statusBar()->addWidget(m_messagePane, 1);
    statusBar()->addPermanentWidget(m_infoPane);
    for (QLabel* pane : {m_capsPane, m_numPane, m_scrollPane}) {
        pane->setEnabled(false);
        statusBar()->addPermanentWidget(pane);
    }
}

void MainFrame::RunFromMenu(int id) {
    m_router.Run(id);
    UpdateCommands();
}

void MainFrame::BuildLiveFillability() {
    m_candidates = new CandidatePane(this);
    addDockWidget(Qt::RightDockWidgetArea, m_candidates);
    m_candidates->hide();
    m_live = std::make_unique<LiveFillability>(m_doc, m_app, *m_view, *m_controller, *m_candidates);
    m_live->RegisterCommands(m_router);
    m_fillabilityPane = new QLabel;
    m_fillabilityPane->setObjectName(Latin1("fillability"));
    m_heatLegend = new QLabel(HeatLegendText());
    m_heatLegend->setVisible(m_live->HeatMapShown());
    // Beside the message pane, before the search's progress.
    statusBar()->insertPermanentWidget(1, m_heatLegend);
    statusBar()->insertPermanentWidget(1, m_fillabilityPane);
    connect(m_live.get(), &LiveFillability::StatusChanged, m_fillabilityPane, &QLabel::setText);
    connect(m_live.get(), &LiveFillability::HeatMapToggled, m_heatLegend, &QLabel::setVisible);
}

void MainFrame::UpdateCommands() {
    const auto update = [this](int id, QAction* action) {
        const CommandState status = m_router.Status(id);
        action->setEnabled(status.enabled);
        action->setCheckable(status.checked.has_value());
        if (status.checked) action->setChecked(*status.checked);
    };
    for (const auto& [id, action] : m_actions) update(id, action);
    for (const auto& [id, action] : m_otherNamedActions) update(id, action);
    // Whatever changed the commands' state may have changed what fits.
    if (m_live) m_live->Refresh();
}

void MainFrame::RegisterFrameCommands() {
    m_router.Register(ID_FILE_NEW, [this] {
        if (SaveModified()) NewDocument();
    });
    m_router.Register(ID_FILE_OPEN, [this] { OnFileOpen(); });
    m_router.Register(ID_FILE_SAVE, [this] { OnFileSave(); });
    m_router.Register(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    m_router.Register(ID_FILE_PRINT, [this] { OnPrint(); });
    m_router.Register(ID_FILE_PRINT_PREVIEW, [this] { OnPrintPreview(); });
    m_router.Register(ID_FILE_PRINT_GRID, [this] { OnPrintGrid(); });
    m_router.Register(ID_FILE_PRINT_GREY, [this] { m_fileCommands->ToggleGreyBlocks(); });
    m_router.Register(ID_FILE_PRINT_SETUP, [this] { OnPrintSetup(); });
    if (CanSendMail()) m_router.Register(ID_FILE_SEND_MAIL, [this] { OnSendMail(); });
    // The recent files replace the puzzle as "&Open..." does, under the same rule.
    for (int i = 0; i < RECENT_FILE_COUNT; ++i)
        m_router.Register(ID_FILE_MRU_FIRST + i, [this, i] { OnRecentFile(i); });
    m_router.Register(ID_APP_EXIT, [this] { close(); });
    m_router.Register(ID_APP_ABOUT, [this] { OnAbout(); });
    m_router.Register(ID_VIEW_TOOLBAR, [this] { m_toolBar->setVisible(!m_toolBar->isVisible()); });
    m_router.Register(ID_VIEW_STATUS_BAR,
                      [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
}

std::optional<CommandState> MainFrame::CommandStateOf(int id) const {
    CommandFacts facts = m_controller->Facts();
    facts.toolBar = m_toolBar != nullptr && !m_toolBar->isHidden();
    facts.statusBar = !statusBar()->isHidden();
    facts.greyBlocks = m_fileCommands->GreyBlocks();
    facts.heatMap = m_live && m_live->HeatMapShown();
    facts.candidatesShown = m_candidates != nullptr && !m_candidates->isHidden();
    facts.installedWordFile = !m_app.defaultWordFile.empty();
    return m_editor.CommandStateOf(id, facts);
}

// ---- Documents ------------------------------------------------------------------------------

void MainFrame::UpdateTitle() {
    const QString name = m_doc.pathName.empty()
                             ? Latin1(UNTITLED)
                             : QFileInfo(FromLocalPath(m_doc.pathName)).fileName();
    const QString modified = m_doc.IsModified() ? Latin1("*") : QString();
    setWindowTitle(name + Latin1(" - ") + Latin1(APP_TITLE) + modified);
}

bool MainFrame::SaveModified() {
    if (!m_doc.IsModified()) return true;
    const QString name = m_doc.pathName.empty() ? Latin1(UNTITLED) : FromLocalPath(m_doc.pathName);
    const auto answer = QMessageBox::question(
        this, Latin1(APP_TITLE), Latin1("Wijzigingen in ") + name + Latin1(" opslaan?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::No) return true;
    return OnFileSave();
}

void MainFrame::NewDocument() {
    Puzzle fresh = m_doc.FreshPuzzle(&m_profile);
    fresh.BuildWords();
    m_doc.Replace(std::move(fresh));
    m_controller->OnInitialUpdate();
    UpdateTitle();
    UpdateCommands();
}

bool MainFrame::OpenDocumentFile(const QString& path) {
    const RtrReadResult result = OpenRtrFile(m_doc, LocalPath(path));
    ShowInformation(this, result.message);
    if (result.status != RtrStatus::Loaded) return false;
    m_controller->OnInitialUpdate();
    AddToRecentFiles(path);
    UpdateTitle();
    UpdateCommands();
    return true;
}

void MainFrame::OnFileOpen() {
    if (!SaveModified()) return;
    const QString path = m_chooser.ChooseFile(this, MakeFileDialogSpec(false, "", "", RTR_FILTER));
    if (!path.isEmpty()) OpenDocumentFile(path);
}

void MainFrame::OnRecentFile(int index) {
    if (index >= m_recentFiles.size() || !SaveModified()) return;
    const QString path = m_recentFiles[index];
    if (!OpenDocumentFile(path)) {
        m_recentFiles.removeAll(path);
        m_profile.WriteRecentFiles(m_recentFiles);
        RefreshRecentFileItems();
    }
}

bool MainFrame::OnFileSave() {
    if (m_doc.pathName.empty()) return OnFileSaveAs();
    return SaveTo(FromLocalPath(m_doc.pathName));
}

bool MainFrame::OnFileSaveAs() {
    FileDialogSpec spec = MakeFileDialogSpec(true, "", "rtr", RTR_FILTER);
    spec.initialName = m_doc.pathName.empty() ? Latin1(NEW_FILE_NAME) + Latin1(".rtr")
                                              : FromLocalPath(m_doc.pathName);
    const QString path = m_chooser.ChooseFile(this, spec);
    return !path.isEmpty() && SaveTo(path);
}

bool MainFrame::SaveTo(const QString& path) {
    UserMessage message;
    if (!SaveRtrFile(m_doc, LocalPath(path), message)) {
        ShowInformation(this, message);
        return false;
    }
    AddToRecentFiles(path);
    UpdateTitle();
    return true;
}

void MainFrame::AddToRecentFiles(const QString& path) {
    m_recentFiles = AddRecentFile(m_recentFiles, path);
    m_profile.WriteRecentFiles(m_recentFiles);
    RefreshRecentFileItems();
}

void MainFrame::RefreshRecentFileItems() {
    for (int i = 0; i < RECENT_FILE_COUNT; ++i) {
        QAction* action = m_recentActions[i];
        const bool used = i < m_recentFiles.size();
        action->setVisible(used);
        if (used) action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(m_recentFiles[i]));
    }
}

// ---- Printing, mail, about -------------------------------------------------------------------

void MainFrame::PrintSheet(QPrinter& printer, const PdfSheetOptions& options) {
    if (!PaintSheet(printer, m_doc.puzzle(), options))
        ShowInformation(this, {"Afdrukken mislukt", "Oei"});
}

// The command line prints without questions: the sheet without its solution page.
void MainFrame::PrintDirect(const QString& printerName) {
    if (!printerName.isEmpty()) m_printer.setPrinterName(printerName);
    PdfSheetOptions options;
    options.title = SheetTitle(m_doc.puzzle(), m_doc.pathName);
    options.greyBlocks = m_fileCommands->GreyBlocks();
    PrintSheet(m_printer, options);
}

void MainFrame::OnPrint() {
    const PdfSheetOptions options = m_fileCommands->AskSheetOptions();
    QPrintDialog dialog(&m_printer, this);
    if (dialog.exec() == QDialog::Accepted) PrintSheet(m_printer, options);
}

void MainFrame::OnPrintPreview() {
    const PdfSheetOptions options = m_fileCommands->AskSheetOptions();
    QPrintPreviewDialog preview(&m_printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &options](QPrinter* printer) { PrintSheet(*printer, options); });
    preview.exec();
}

void MainFrame::OnPrintGrid() {
    QPrintDialog dialog(&m_printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter painter(&m_printer);
    m_view->PrintPage(painter,
                      m_printer.pageLayout().paintRectPixels(m_printer.resolution()).size(),
                      m_printer.resolution());
}

void MainFrame::OnPrintSetup() {
    QPageSetupDialog dialog(&m_printer, this);
    dialog.exec();
}

void MainFrame::OnSendMail() {
    if (!AllWordsFilled(m_doc) &&
        QMessageBox::warning(
            this, Latin1(APP_TITLE), Latin1("Rooster niet helemaal ingevuld, toch doorgaan?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!m_doc.pathName.empty() && !m_doc.IsModified()) {
        SendMailWithAttachment(FromLocalPath(m_doc.pathName));
        return;
    }
    // An unsaved puzzle goes as a copy in the temporary folder; the document keeps its name.
    const QString name = m_doc.pathName.empty()
                             ? Latin1(UNTITLED) + Latin1(".rtr")
                             : QFileInfo(FromLocalPath(m_doc.pathName)).fileName();
    const QString copy = QDir(QDir::tempPath()).filePath(name);
    if (m_doc.phase != Phase::Vormen && m_doc.phase != Phase::Vullen) {
        ShowInformation(this, {StrFormat("Opslaan %s\nalleen mogelijk in fase vorm of vul",
                                         LocalPath(copy).c_str())});
        return;
    }
    if (WriteFileAtomically(LocalPath(copy), WriteRtr(m_doc))) SendMailWithAttachment(copy);
}

void MainFrame::OnAbout() {
    AboutDlg dialog(m_versionText, this);
    dialog.exec();
}

// ---- Window ----------------------------------------------------------------------------------

bool MainFrame::RestorePlacement() {
    const int x = m_profile.GetProfileInt(POSITION_SECTION, "x", -1);
    const int y = m_profile.GetProfileInt(POSITION_SECTION, "y", -1);
    const int cx = m_profile.GetProfileInt(POSITION_SECTION, "cx", -1);
    const int cy = m_profile.GetProfileInt(POSITION_SECTION, "cy", -1);
    if (x < 0 || y < 0 || cx < 0 || cy < 0) return false;
    move(x, y);
    resize(cx, cy);
    return true;
}

void MainFrame::WritePlacement() {
    m_profile.WriteProfileInt(POSITION_SECTION, "x", x());
    m_profile.WriteProfileInt(POSITION_SECTION, "y", y());
    m_profile.WriteProfileInt(POSITION_SECTION, "cx", width());
    m_profile.WriteProfileInt(POSITION_SECTION, "cy", height());
}

void MainFrame::closeEvent(QCloseEvent* event) {
    if (m_doc.phase == Phase::Tonen || m_doc.phase == Phase::Zoeken) {
        ShowInformation(this, {"Afsluiten alleen mogelijk in fase vorm of vul"});
        event->ignore();
        return;
    }
    WritePlacement();
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    event->accept();
}

// Like "&Open...", a dropped file is refused while the search runs: it would
// replace the grid under the search.
void MainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && m_doc.phase != Phase::Zoeken) event->acceptProposedAction();
}

void MainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile() || m_doc.phase == Phase::Zoeken) return;
    event->acceptProposedAction();
    activateWindow();
    if (SaveModified()) OpenDocumentFile(urls.first().toLocalFile());
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const LockKeyStates locks = LockKeysOf(*static_cast<QKeyEvent*>(event));
        m_capsPane->setEnabled(locks.caps);
        m_numPane->setEnabled(locks.num);
        m_scrollPane->setEnabled(locks.scroll);
    }
    return QMainWindow::eventFilter(watched, event);
}
