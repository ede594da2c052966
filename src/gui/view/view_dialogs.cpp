// The view's dialog commands: properties, comment, the two clue windows, the
// word data dialog and the extra search files.
#include "app/command_router.h"
#include "dialogs/clue_list_dlg.h"
#include "dialogs/clue_text_dlg.h"
#include "dialogs/comment_dlg.h"
#include "dialogs/dialog_support.h"
#include "dialogs/extra_files_dlg.h"
#include "dialogs/properties_dlg.h"
#include "dialogs/word_data_dlg.h"
#include "model/command_ids.h"
#include "model/fill_editing.h"
#include "model/properties.h"
#include "model/rooster2_doc.h"
#include "model/word_edit.h"
#include "view/rooster2_view.h"

CRooster2View::~CRooster2View() {
    // The clue windows die with the view; they must not call back into it then.
    for (QDialog* window :
         {static_cast<QDialog*>(m_clueTextDlg), static_cast<QDialog*>(m_clueListDlg)})
        if (window != nullptr) window->disconnect(this);
}

void CRooster2View::RegisterDialogCommands(CCommandRouter& router) {
    router.Register(ID_GRID_PROPERTIES, [this] { OnProperties(); });
    router.Register(ID_GRID_COMMENT, [this] { OnComment(); });
    router.Register(ID_SHOW_CLUES, [this] { OnShowClues(); });
    router.Register(ID_SHOW_CLUE_LIST, [this] { OnShowClueList(); });
    router.Register(ID_EDIT_WORD, [this] { OnEditWord(); });
    router.Register(ID_EXTRA_SEARCH_FILES, [this] { OnExtraFiles(); });
}

void CRooster2View::OnProperties() {
    CPropertiesDlg dialog(m_doc, m_smallLetters, this);
    connect(&dialog, &CPropertiesDlg::LetterFontChanged, this, [this] { Invalidate(); });
    if (dialog.exec() != QDialog::Accepted) return;
    ApplyProperties(m_doc, m_editor.Histories(), dialog.Properties());
    m_smallLetters = dialog.Properties().smallLetters;
    Invalidate();
}

void CRooster2View::OnComment() {
    CCommentDlg dialog(m_doc.puzzle.comment, this);
    if (dialog.exec() == QDialog::Accepted) ApplyComment(m_doc, dialog.Comment());
}

// A closing window is forgotten at once, before it is half destroyed.
void CRooster2View::ForgetWhenClosed(QDialog* window, const std::function<void()>& forget) {
    const auto closed = [this, forget] {
        forget();
        emit StateChanged();
    };
    connect(window, &QDialog::finished, this, closed);
    connect(window, &QObject::destroyed, this, closed);
}

void CRooster2View::OnShowClues() {
    if (m_clueTextDlg != nullptr) return;
    m_clueTextDlg = new CClueTextDlg(m_doc, m_clueSection, m_cellPixels, this);
    ForgetWhenClosed(m_clueTextDlg, [this] { m_clueTextDlg = nullptr; });
    connect(m_clueTextDlg, &CClueTextDlg::CluesApplied, this, [this] { Invalidate(); });
    m_clueTextDlg->show();
    emit StateChanged();
}

void CRooster2View::OnShowClueList() {
    if (m_clueListDlg != nullptr) return;
    m_clueListDlg = new CClueListDlg(
        m_doc, m_cellPixels, [this](int word) { SetPendingWord(word); }, this);
    ForgetWhenClosed(m_clueListDlg, [this] { m_clueListDlg = nullptr; });
    m_clueListDlg->show();
    emit StateChanged();
}

CClueTextDlg* CRooster2View::ClueTextWindow() const { return m_clueTextDlg; }

CClueListDlg* CRooster2View::ClueListWindow() const { return m_clueListDlg; }

void CRooster2View::RefreshClueText() {
    if (m_clueTextDlg != nullptr) m_clueTextDlg->Refresh();
}

void CRooster2View::RefreshClueList() {
    if (m_clueListDlg != nullptr) m_clueListDlg->Refresh();
}

void CRooster2View::CloseClueWindows() {
    if (m_clueTextDlg != nullptr) m_clueTextDlg->close();
    if (m_clueListDlg != nullptr) m_clueListDlg->close();
}

void CRooster2View::OnEditWord() {
    if (!HasCurrentWord(m_doc)) return;
    const int word = m_doc.curWord;
    CWordDataDlg dialog(m_doc, m_doc.puzzle.words[word], OpenWordData(m_doc, word), this);
    const int gridRight =
        viewport()->mapToGlobal(QPoint(m_doc.puzzle.appearance.margin + m_doc.puzzle.width * m_cellPixels, 0)).x();
    dialog.PlaceRightOf(gridRight);
    if (dialog.exec() != QDialog::Accepted) return;
    for (const UserMessage& message :
         ApplyWordData(m_doc, m_editor.Histories(), word, dialog.Fields()))
        ShowUserMessage(this, message);
    // The status bar shows the word with its new clue.
    SetMessagePane(Latin1(WordCaption(m_doc, word)));
    RefreshClueText();
    RefreshClueList();
    Invalidate();
}

void CRooster2View::OnExtraFiles() {
    CExtraFilesDlg dialog(m_doc, this);
    dialog.exec();
}
