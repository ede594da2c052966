#pragma once
// The main window: menus, tool bar and status bar built from the command
// table, the file commands (new, open, save, recent files, print, mail), the
// window placement and the close check.

#include <QLabel>
#include <QMainWindow>
#include <QPrinter>
#include <QStringList>
#include <array>
#include <map>
#include <memory>
#include <string>

#include "app/command_table.h"
#include "app/file_commands.h"
#include "editing/grid_editor.h"
#include "render/pdf_sheet.h"
#include "support/command_router.h"
#include "support/file_chooser.h"

struct AppState;
class Rooster2Doc;
class CandidatePane;
class GridController;
class LiveFillability;
class GridView;
class SettingsProfile;
class QAction;
class QMenu;
class QToolBar;

class MainFrame : public QMainWindow {
    Q_OBJECT

public:
    // Every file and folder dialog goes through chooser; the platform's dialogs when null.
    MainFrame(Rooster2Doc& doc, AppState& app, SettingsProfile& profile, QString versionText,
              IFileChooser* chooser = nullptr, QWidget* parent = nullptr);
    ~MainFrame() override;

    GridView* View() const { return m_view; }
    GridController& Controller() const { return *m_controller; }
    const CommandRouter& Router() const { return m_router; }
    QAction* Action(int id) const;
    QString MessagePaneText() const { return m_messagePane->text(); }
    QString InfoPaneText() const { return m_infoPane->text(); }
    QString FillabilityPaneText() const { return m_fillabilityPane->text(); }
    bool HeatLegendShown() const { return !m_heatLegend->isHidden(); }
    CandidatePane& Candidates() const { return *m_candidates; }

    // Starts with a new, empty puzzle.
    void NewDocument();
    // Opens a puzzle file; false (after a message) when it could not be read.
    bool OpenDocumentFile(const QString& path);
    // Prints the puzzle sheet without asking: on the named printer, or the current one
    // when the name is empty.
    void PrintDirect(const QString& printerName = QString());
    // Re-evaluates every command's update rule (enabled, check mark).
    void UpdateCommands();
    // Reads "Position" from the profile; true when it gave a placement.
    bool RestorePlacement();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    QMenu* MenuOf(const QString& path);
    QAction* CreateAction(int id);
    QAction* CreateAction(const CommandSpec& spec);
    void BuildRecentFileItems(QMenu* menu);
    void BuildToolBar();
    void BuildStatusBar();
    void BuildLiveFillability();
    void RegisterFrameCommands();
    // A menu item or button was chosen: the command runs, and the states follow.
    void RunFromMenu(int id);
    // The catalog's state of the command with what the window knows.
    std::optional<CommandState> CommandStateOf(int id) const;

    void UpdateTitle();
    // The framework's question before a modified puzzle is replaced; false = cancel.
    bool SaveModified();
    bool OnFileSave();
    bool OnFileSaveAs();
    bool SaveTo(const QString& path);
    void OnFileOpen();
    void OnRecentFile(int index);
    void AddToRecentFiles(const QString& path);
    void RefreshRecentFileItems();
    void PrintSheet(QPrinter& printer, const PdfSheetOptions& options);
    void OnPrint();
    void OnPrintPreview();
    void OnPrintGrid();
    void OnPrintSetup();
    void OnSendMail();
    void OnAbout();
    void WritePlacement();

    Rooster2Doc& m_doc;
    AppState& m_app;
    SettingsProfile& m_profile;
    QString m_versionText;
    QtFileChooser m_platformChooser;
    IFileChooser& m_chooser;
    GridEditor m_editor;
    GridView* m_view = nullptr;
    std::unique_ptr<GridController> m_controller;
    CandidatePane* m_candidates = nullptr;
    std::unique_ptr<LiveFillability> m_live;
    CommandRouter m_router;
    std::unique_ptr<FileCommands> m_fileCommands;
    std::map<int, QAction*> m_actions;
    std::multimap<int, QAction*> m_otherNamedActions;
    std::array<QAction*, RECENT_FILE_COUNT> m_recentActions{};
    QStringList m_recentFiles;
    std::map<QString, QMenu*> m_menus;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_messagePane = nullptr;
    QLabel* m_infoPane = nullptr;
    QLabel* m_fillabilityPane = nullptr;
    QLabel* m_heatLegend = nullptr;
    QLabel* m_capsPane = nullptr;
    QLabel* m_numPane = nullptr;
    QLabel* m_scrollPane = nullptr;
    QPrinter m_printer;
};
