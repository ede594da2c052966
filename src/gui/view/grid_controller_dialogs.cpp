// The dialog commands: properties, comment, the two clue windows and the line editor
// over a Zweeds clue cell, the word data dialog and the extra search files.
#include <algorithm>

#include "dialogs/clue_arrows_dlg.h"
#include "dialogs/clue_list_dlg.h"
#include "dialogs/clue_text_dlg.h"
#include "dialogs/clue_window_support.h"
#include "dialogs/comment_dlg.h"
#include "dialogs/extra_files_dlg.h"
#include "dialogs/grid_check_dlg.h"
#include "dialogs/properties_dlg.h"
#include "dialogs/word_data_dlg.h"
#include "dialogs/zweeds_picture_dlg.h"
#include "editing/command_ids.h"
#include "editing/fill_editing.h"
#include "editing/form_editing.h"
#include "editing/grid_editor.h"
#include "forms/clue_windows.h"
#include "forms/properties.h"
#include "forms/word_edit.h"
#include "model/app_state.h"
#include "model/rooster2_doc.h"
#include "support/dialog_support.h"
#include "view/grid_controller.h"
#include "view/grid_view.h"

void GridController::RegisterDialogCommands(CommandRouter& router) {
    Add(router, ID_GRID_PROPERTIES, [this] { OnProperties(); });
    Add(router, ID_GRID_COMMENT, [this] { OnComment(); });
    Add(router, ID_SHOW_CLUES, [this] { OnShowClues(); });
    Add(router, ID_SHOW_CLUE_LIST, [this] { OnShowClueList(); });
    Add(router, ID_EDIT_WORD, [this] { OnEditWord(); });
    Add(router, ID_EXTRA_SEARCH_FILES, [this] { OnExtraFiles(); });
    Add(router, ID_GRID_CHECK, [this] { OnGridCheck(); });
    Add(router, ID_CLUE_ARROWS, [this] { OnClueArrows(); });
    Add(router, ID_ZWEEDS_LAYOUT, [this] { OnZweedsLayout(); });
}

// On the clue cell under the shaping cursor; elsewhere the command says where it works.
void GridController::OnClueArrows() {
    const int x = m_editor.markX;
    const int y = m_editor.markY;
    if (!m_doc.puzzle().IsZweedsClueCell(x, y)) {
        ShowUserMessage(&m_view, {"Wijs eerst een vakje met omschrijvingen aan", "Pijlen"});
        return;
    }
    ClueArrowsDlg dialog(m_doc.puzzle().ClueArrow(x, y, 0), m_doc.puzzle().ClueArrow(x, y, 1),
                         &m_view);
    if (dialog.exec() == QDialog::Accepted)
        m_view.ApplyEdit(SetClueArrows(m_doc, x, y, dialog.First(), dialog.Second()));
}

void GridController::OnZweedsLayout() {
    ZweedsPictureDlg dialog(m_doc.puzzle(), &m_view);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::optional<PictureBlock> picture = dialog.Picture();
    UserMessage message;
    const EditResult result = MakeZweedsGrid(m_doc, message, picture ? &*picture : nullptr);
    if (!result.applied) ShowUserMessage(&m_view, message);
    m_view.ApplyEdit(result);
}

void GridController::OnProperties() {
    PropertiesDlg dialog(m_doc, m_view.SmallLetters(), &m_view);
    connect(&dialog, &PropertiesDlg::LetterFontChanged, this, [this] { m_view.Invalidate(); });
    if (dialog.exec() != QDialog::Accepted) return;
    ApplyProperties(m_doc, dialog.Properties());
    m_view.SetSmallLetters(dialog.Properties().smallLetters);
    m_view.Invalidate();
}

void GridController::OnComment() {
    CommentDlg dialog(m_doc.puzzle().comment, &m_view);
    if (dialog.exec() == QDialog::Accepted) ApplyComment(m_doc, dialog.Comment());
}

// A closing window is forgotten at once, before it is half destroyed.
void GridController::ForgetWhenClosed(QDialog* window, const std::function<void()>& forget) {
    const auto closed = [this, forget] {
        forget();
        emit StateChanged();
    };
    connect(window, &QDialog::finished, this, closed);
    connect(window, &QObject::destroyed, this, closed);
}

void GridController::OnShowClues() {
    if (m_clueTextDlg != nullptr) return;
    m_clueTextDlg = new ClueTextDlg(m_doc, m_clueSection, m_view.CellPixels(), &m_view);
    ForgetWhenClosed(m_clueTextDlg, [this] {
        m_clueTextDlg = nullptr;
        CatchUpWithClueWindowsLater();
    });
    connect(m_clueTextDlg, &ClueTextDlg::CluesApplied, this, [this] { m_view.Invalidate(); });
    m_clueTextDlg->show();
    // Its frame is known once it shows.
    KeepClueWindowInMainWindow(*m_clueTextDlg);
}

void GridController::OnShowClueList() {
    if (m_clueListDlg != nullptr) return;
    m_clueListDlg = new ClueListDlg(
        m_doc, m_view.CellPixels(), [this](int word) { SetPendingWord(word); }, &m_view);
    ForgetWhenClosed(m_clueListDlg, [this] { m_clueListDlg = nullptr; });
    m_clueListDlg->show();
    KeepClueWindowInMainWindow(*m_clueListDlg);
}

void GridController::RefreshClueText() {
    if (m_clueTextDlg != nullptr) m_clueTextDlg->Refresh();
}

void GridController::RefreshClueList() {
    m_clueListStale = false;
    if (m_clueListDlg != nullptr) m_clueListDlg->Refresh();
}

void GridController::CluesChanged() {
    RefreshClueText();
    RefreshClueList();
    m_view.Invalidate();
    emit StateChanged();
}

void GridController::CloseClueWindows() {
    if (m_clueTextDlg != nullptr) m_clueTextDlg->close();
    if (m_clueListDlg != nullptr) m_clueListDlg->close();
    if (m_clueCellEditor != nullptr) m_clueCellEditor->Drop();
}

namespace {

// Room for a clue of about this many characters, whatever the cell size.
constexpr int CLUE_EDITOR_CHARACTERS = 30;

// Over the cell from its top left, moved left as far as it would leave the grid's window.
QRect ClueEditorPlace(const QRect& cell, const QLineEdit& editor, int viewportWidth) {
    const int width =
        std::max(cell.width(), editor.fontMetrics().averageCharWidth() * CLUE_EDITOR_CHARACTERS);
    QRect place(cell.topLeft(), QSize(width, std::max(cell.height(), editor.sizeHint().height())));
    if (place.right() >= viewportWidth) place.moveRight(std::max(width, viewportWidth) - 1);
    return place;
}

}  // namespace

// The first click of the double click made the word of one of the cell's clues current.
void GridController::OnClueCellDoubleClicked(int x, int y) {
    const std::optional<ClueCellClue> clue = CurrentClueOfClueCell(m_doc, x, y);
    if (!clue) return;
    if (m_clueCellEditor != nullptr) m_clueCellEditor->Drop();
    m_clueCellEditor = new ClueCellEditor(Latin1(FormatClueText(m_doc.puzzle().words[clue->word])),
                                          &m_view, m_view.viewport());
    m_clueCellEditor->setGeometry(ClueEditorPlace(m_view.CellInViewport(x, y), *m_clueCellEditor,
                                                  m_view.viewport()->width()));
    connect(m_clueCellEditor, &ClueCellEditor::Accepted, this, [this, clue](const QString& text) {
        if (!StoreClueCellClue(m_doc, *clue, ToLatin1(text))) return;
        ShowMessage(WordCaption(m_doc, clue->word));
        CluesChanged();
    });
    m_clueCellEditor->show();
    m_clueCellEditor->setFocus();
}

void GridController::OnEditWord() {
    if (!HasCurrentWord(m_doc)) return;
    const int word = m_doc.curWord;
    WordDataDlg dialog(m_doc, m_app, m_doc.puzzle().words[word], OpenWordData(m_doc, word),
                       &m_view);
    dialog.PlaceRightOf(m_view.GridRightOnScreen());
    if (dialog.exec() == QDialog::Accepted) ApplyWordFields(word, dialog.Fields());
}

void GridController::PlaceWord(int word, const std::string& value) {
    if (!m_doc.puzzle().IsValidWordIndex(word)) return;
    WordDataFields fields = OpenWordData(m_doc, word);
    fields.value = value;
    ApplyWordFields(word, fields);
    emit StateChanged();
}

void GridController::ApplyWordFields(int word, const WordDataFields& fields) {
    for (const UserMessage& message : ApplyWordData(m_doc, word, fields))
        ShowUserMessage(&m_view, message);
    // The status bar shows the word with its new clue.
    ShowMessage(WordCaption(m_doc, word));
    RefreshClueText();
    RefreshClueList();
    m_view.Invalidate();
}

void GridController::OnExtraFiles() {
    ExtraFilesDlg dialog(m_doc, m_chooser, &m_view);
    dialog.exec();
}

void GridController::OnGridCheck() {
    if (m_gridCheckDlg == nullptr) {
        m_gridCheckDlg = new GridCheckDlg(&m_view);
        m_gridCheckDlg->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_gridCheckDlg, &GridCheckDlg::RecheckAsked, this, [this] { RunGridCheck(); });
        connect(m_gridCheckDlg, &GridCheckDlg::CellChosen, this,
                [this](int x, int y) { m_view.ApplyEdit(PutCursorOnCell(m_doc, x, y)); });
    }
    RunGridCheck();
    m_gridCheckDlg->show();
    m_gridCheckDlg->raise();
}

void GridController::RunGridCheck() {
    m_gridCheckDlg->ShowFindings(CheckGrid(m_app.SearchPuzzle(m_doc.puzzle()), m_app.scoring));
}
