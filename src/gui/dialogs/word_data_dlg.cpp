#include "dialogs/word_data_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "model/app_state.h"
#include "model/rooster2_doc.h"
#include "support/dialog_support.h"
#include "wordlists/word_list_files.h"
#include "wordlists/word_scores.h"

namespace {

inline constexpr NumberField FIELD_MAX_COUNT{"Max. aantal kandidaten (0 = alle):", 0, 100000};
inline constexpr NumberField FIELD_LIST_NUMBER{"Nummer extra woordenlijst:", 0, 1000};
inline constexpr NumberField FIELD_MIN_SCORE{"Minimale score:", LOWEST_SCORE, HIGHEST_SCORE};
constexpr int LIST_FONT_PIXELS = 14;
constexpr int GAP_RIGHT_OF_GRID = 10;

QFont ListFont() {
    QFont font(Latin1("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(LIST_FONT_PIXELS);
    font.setWeight(QFont::Light);
    return font;
}

QPushButton* Button(const char* text, const char* objectName) {
    auto* button = new QPushButton(Latin1(text));
    button->setObjectName(Latin1(objectName));
    button->setAutoDefault(false);
    return button;
}

QLineEdit* TextEdit(const std::string& text, const char* objectName) {
    auto* edit = new QLineEdit(Latin1(text));
    edit->setObjectName(Latin1(objectName));
    return edit;
}

// The drop-down list shows each candidate with its score beside it; the box itself
// and its item texts hold the word alone.
QTreeView* CandidateView() {
    auto* view = new QTreeView;
    view->setRootIsDecorated(false);
    view->setHeaderHidden(true);
    view->setAllColumnsShowFocus(true);
    view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return view;
}

}  // namespace

WordDataDlg::WordDataDlg(Rooster2Doc& doc, AppState& app, const WordInfo& word,
                         const WordDataFields& fields, QWidget* parent)
    : QDialog(parent),
      m_doc(doc),
      m_app(app),
      m_fields(fields),
      m_parts(WordPartSelection::Of(word)),
      m_initialLength(fields.value.size()) {
    setWindowTitle(Latin1(fields.title));
    m_value = TextEdit(fields.value, "value");
    m_clue = new QPlainTextEdit(FromCrLfText(fields.clue));
    m_clue->setObjectName(Latin1("clue"));
    m_clue->setTabChangesFocus(true);
    m_maxCount = NumberEdit(fields.maxCandidates, "maxCount");
    m_excluded = TextEdit(fields.excludedLetters, "excluded");
    m_required = TextEdit("", "required");
    m_listNumber = NumberEdit(fields.listNumber, "listNumber");
    m_minScore = NumberEdit(app.scoring.minScore, "minScore");
    for (QWidget* edit : {static_cast<QWidget*>(m_value), static_cast<QWidget*>(m_maxCount),
                          static_cast<QWidget*>(m_listNumber), static_cast<QWidget*>(m_minScore)})
        edit->installEventFilter(this);

    auto* form = new QFormLayout;
    form->addRow(Latin1("Waarde:"), m_value);
    form->addRow(Latin1("Omschrijving:"), m_clue);
    form->addRow(Latin1(FIELD_MAX_COUNT.label), m_maxCount);
    form->addRow(Latin1("Uitgesloten:"), m_excluded);
    form->addRow(Latin1("Tekens die kandidaten moeten bevatten:"), m_required);
    form->addRow(Latin1(FIELD_LIST_NUMBER.label), m_listNumber);
    form->addRow(QString(), new QLabel(Latin1("(0 = bestand uit zoekopties)")));
    form->addRow(Latin1(FIELD_MIN_SCORE.label), m_minScore);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &WordDataDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &WordDataDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildCandidateControls());
    layout->addLayout(BuildScoreControls());
    layout->addLayout(form);
    layout->addLayout(BuildPartControls());
    layout->addWidget(buttons);

    const QFont font = ListFont();
    for (QWidget* widget : {static_cast<QWidget*>(m_candidates), static_cast<QWidget*>(m_value),
                            static_cast<QWidget*>(m_required)})
        widget->setFont(font);
    FillList();
    // Parts can be chosen only for a word of several parts with a word list to look in.
    if (m_app.SearchWordFile(m_doc.puzzle()).empty() || !m_parts.HasParts()) {
        m_previousPart->setEnabled(false);
        m_nextPart->setEnabled(false);
        m_partNumber->hide();
    }
}

QLayout* WordDataDlg::BuildCandidateControls() {
    auto* grid = new QGridLayout;
    m_listLabel = new QLabel(Latin1("Kandidaten (alleen als een woordenlijst is gegeven):"));
    m_listLabel->setObjectName(Latin1("listLabel"));
    m_candidates = new QComboBox;
    m_candidates->setObjectName(Latin1("candidates"));
    m_candidates->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_candidates->setMinimumContentsLength(20);
    m_candidates->setModel(new QStandardItemModel(0, 2, m_candidates));
    m_candidates->setView(CandidateView());
    connect(m_candidates, &QComboBox::activated, this, [this] { TakeSelected(); });
    connect(m_candidates, &QComboBox::currentIndexChanged, this, [this] { ShowCurrentScore(); });
    QPushButton* copy = Button("Kopieer => Waarde", "copy");
    QPushButton* search = Button("Zoek", "search");
    QPushButton* remove = Button("Verwijderen", "delete");
    QPushButton* sort = Button("Sorteer", "sort");
    QPushButton* filter = Button("Filter", "filter");
    QPushButton* sortByScore = Button("Sorteer op score", "sortScore");
    connect(copy, &QPushButton::clicked, this, [this] { TakeSelected(); });
    connect(search, &QPushButton::clicked, this, [this] { FillList(); });
    connect(remove, &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(sort, &QPushButton::clicked, this, [this] { OnSort(); });
    connect(filter, &QPushButton::clicked, this, [this] { OnFilter(); });
    connect(sortByScore, &QPushButton::clicked, this, [this] { OnSortByScore(); });
    grid->addWidget(m_listLabel, 0, 0, 1, 3);
    grid->addWidget(m_candidates, 1, 0, 1, 3);
    grid->addWidget(copy, 2, 0);
    grid->addWidget(search, 2, 1);
    grid->addWidget(remove, 2, 2);
    grid->addWidget(sort, 3, 0);
    grid->addWidget(filter, 3, 1);
    grid->addWidget(sortByScore, 3, 2);
    return grid;
}

QLayout* WordDataDlg::BuildScoreControls() {
    m_score = new QSpinBox;
    m_score->setObjectName(Latin1("score"));
    m_score->setRange(LOWEST_SCORE, HIGHEST_SCORE);
    QPushButton* give = Button("Score geven", "giveScore");
    QPushButton* block = Button("Blokkeren", "block");
    connect(give, &QPushButton::clicked, this, [this] { GiveScore(m_score->value()); });
    connect(block, &QPushButton::clicked, this, [this] { GiveScore(BLOCKED_SCORE); });
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(Latin1("Score:")));
    row->addWidget(m_score);
    row->addWidget(give);
    row->addWidget(block);
    row->addStretch();
    return row;
}

QLayout* WordDataDlg::BuildPartControls() {
    auto* row = new QHBoxLayout;
    m_nextPart = Button("=>", "nextPart");
    m_previousPart = Button("<=", "previousPart");
    m_partNumber = TextEdit(m_parts.PartNumberText(), "partNumber");
    m_partNumber->setReadOnly(true);
    m_partNumber->setMaximumWidth(fontMetrics().averageCharWidth() * 6);
    connect(m_nextPart, &QPushButton::clicked, this, [this] { OnPart(true); });
    connect(m_previousPart, &QPushButton::clicked, this, [this] { OnPart(false); });
    row->addWidget(new QLabel(Latin1("Deelwoordenselectie:")));
    row->addWidget(m_nextPart);
    row->addWidget(m_partNumber);
    row->addWidget(m_previousPart);
    row->addStretch();
    return row;
}

void WordDataDlg::PlaceRightOf(int gridRight) {
    adjustSize();
    int left = gridRight + GAP_RIGHT_OF_GRID;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        left = std::max(available.left(),
                        std::min(left, available.right() + 1 - frameGeometry().width()));
    }
    move(left, y());
}

void WordDataDlg::ShowList(const CandidateList& list) {
    if (list.error) ShowUserMessage(this, *list.error);
    m_list = list;
    m_listLabel->setText(
        Latin1(list.warning ? list.label + "\n" + list.warning->text : list.label));
    ShowEntries(list.entries.empty() ? -1 : 0);
}

void WordDataDlg::ShowEntries(int current) {
    auto* model = static_cast<QStandardItemModel*>(m_candidates->model());
    model->removeRows(0, model->rowCount());
    for (std::size_t k = 0; k < m_list.entries.size(); ++k) {
        auto* score = new QStandardItem(QString::number(m_list.scores[k]));
        score->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model->appendRow({new QStandardItem(Latin1(m_list.entries[k])), score});
    }
    m_candidates->setCurrentIndex(current);
    ShowCurrentScore();
}

void WordDataDlg::ShowCurrentScore() {
    const int current = m_candidates->currentIndex();
    if (current >= 0 && current < static_cast<int>(m_list.scores.size()))
        m_score->setValue(m_list.scores[current]);
}

void WordDataDlg::FillList() {
    m_filtered = false;
    ShowList(FillCandidates(m_app.SearchPuzzle(m_doc.puzzle()), m_app.scoring,
                            ToLatin1(m_value->text()), m_parts, m_fields.maxCandidates,
                            m_fields.listNumber));
}

void WordDataDlg::OnFilter() {
    if (!ReadMaxCount() || !ReadListNumber()) return;
    if (const std::optional<CandidateList> list = FilterCandidates(
            m_app.SearchPuzzle(m_doc.puzzle()), m_app.scoring, ToLatin1(m_value->text()), m_parts,
            ToLatin1(m_required->text()), m_fields.maxCandidates, m_fields.listNumber)) {
        m_filtered = true;
        ShowList(*list);
    }
}

void WordDataDlg::OnSort() {
    if (m_list.entries.size() < 2) return;
    SortCandidates(m_list, m_sortFlag);
    ShowEntries(0);
}

void WordDataDlg::OnSortByScore() {
    if (m_list.entries.empty()) return;
    SortCandidatesByScore(m_list);
    ShowEntries(0);
}

// The score counts at once: the list is looked up again, so a blocked word or one
// now below the minimum leaves it.
void WordDataDlg::GiveScore(int score) {
    const int current = m_candidates->currentIndex();
    if (current < 0) return;
    const QString word = m_candidates->currentText();
    if (const std::optional<UserMessage> failed =
            SetOwnScore(m_app.scoring, ToLatin1(word), score)) {
        ShowUserMessage(this, *failed);
        return;
    }
    if (m_filtered)
        OnFilter();
    else
        FillList();
    const int again = m_candidates->findText(word);
    if (again >= 0) m_candidates->setCurrentIndex(again);
}

void WordDataDlg::OnPart(bool next) {
    if (!(next ? m_parts.NextPart() : m_parts.PreviousPart())) return;
    FillList();
    m_partNumber->setText(Latin1(m_parts.PartNumberText()));
}

void WordDataDlg::TakeSelected() {
    if (m_candidates->currentIndex() < 0) return;
    std::string value = ToLatin1(m_value->text());
    TakeCandidate(value, ToLatin1(m_candidates->currentText()), m_parts);
    m_value->setText(Latin1(value));
}

void WordDataDlg::OnDelete() {
    m_value->clear();
    m_deleting = true;
    accept();
}

void WordDataDlg::FitValue() {
    m_value->setText(Latin1(FitValueToLength(ToLatin1(m_value->text()), m_initialLength)));
}

bool WordDataDlg::ReadMaxCount() {
    return ReadNumberEdit(this, m_maxCount, FIELD_MAX_COUNT, m_fields.maxCandidates);
}

bool WordDataDlg::ReadListNumber() {
    return ReadNumberEdit(this, m_listNumber, FIELD_LIST_NUMBER, m_fields.listNumber);
}

bool WordDataDlg::ReadMinScore() {
    int minScore = m_app.scoring.minScore;
    if (!ReadNumberEdit(this, m_minScore, FIELD_MIN_SCORE, minScore)) return false;
    StoreMinimumScore(m_app.scoring, m_app.profile, minScore);
    return true;
}

bool WordDataDlg::eventFilter(QObject* watched, QEvent* event) {
    // A message box shown here takes the focus again; only a real departure counts.
    const QWidget* modal = QApplication::activeModalWidget();
    if (event->type() == QEvent::FocusOut && !m_deleting && (modal == nullptr || modal == this)) {
        if (watched == m_value) FitValue();
        if (watched == m_maxCount && ReadMaxCount()) FillList();
        if (watched == m_minScore && ReadMinScore()) FillList();
        if (watched == m_listNumber && ReadListNumber()) {
            if (const std::optional<UserMessage> refused =
                    CheckListNumber(m_app.SearchPuzzle(m_doc.puzzle()), m_fields.listNumber))
                ShowUserMessage(this, *refused);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void WordDataDlg::accept() {
    if (!ReadMaxCount() || !ReadListNumber() || !ReadMinScore()) {
        m_deleting = false;
        return;
    }
    m_fields.value = ToLatin1(m_value->text());
    m_fields.clue = ToCrLfText(m_clue->toPlainText());
    m_fields.excludedLetters = ToLatin1(m_excluded->text());
    QDialog::accept();
}
