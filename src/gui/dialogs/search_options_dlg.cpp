#include "dialogs/search_options_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/app_state.h"
#include "model/rooster2_doc.h"
#include "search/search_method.h"
#include "support/dialog_support.h"
#include "support/file_chooser.h"
#include "wordlists/word_list_files.h"
#include "wordlists/word_scores.h"

namespace {

constexpr NumberField FIELD_MAX_SOLUTIONS{"Maximum aantal oplossingen:", 0, MAX_SOLUTIONS_LIMIT};
constexpr NumberField FIELD_MAX_FREQUENCY{"Frequentie tekens niet groter dan:", 0,
                                          MAX_FREQUENCY_LIMIT};
constexpr NumberField FIELD_MAX_DISTINCT{"Aantal verschillende tekens <=:", 0, MAX_DISTINCT_LIMIT};
constexpr NumberField FIELD_MIN_SCORE{"Minimale score:", LOWEST_SCORE, HIGHEST_SCORE};

QLineEdit* ShortNumberEdit() {
    auto* edit = new QLineEdit;
    edit->setMaxLength(8);
    return edit;
}

}  // namespace

SearchOptionsDlg::SearchOptionsDlg(Rooster2Doc& doc, AppState& app, IFileChooser& chooser,
                                   QWidget* parent)
    : QDialog(parent), m_doc(doc), m_app(app), m_chooser(chooser) {
    setWindowTitle(Latin1("Zoekopties"));
    BuildControls();
    ShowOptions(m_doc.puzzle().search);
    // The minimum score is the user's, not the puzzle's.
    minScoreEdit->setText(QString::number(m_app.scoring.minScore));
    lowerMinScoreBox->setChecked(m_app.scoring.lowerWhenNothingFits);
    methodBox->setCurrentIndex(static_cast<int>(ReadSearchMethod(m_app.profile)));
}

void SearchOptionsDlg::BuildControls() {
    allDifferentBox = new QCheckBox(Latin1("Woorden met gelijke lengte alle verschillend"));
    maxSolutionsEdit = ShortNumberEdit();
    ijTwoLettersBox = new QCheckBox(Latin1("De IJ mag ook als twee letters worden gebruikt"));
    fillWithLastShownBox = new QCheckBox(Latin1("Met laatst getoonde oplossing rooster vullen"));
    showWhileSearchingBox = new QCheckBox(Latin1("Oplossingen tonen tijdens zoeken"));
    excludedLettersEdit = new QLineEdit;
    randomOrderBox = new QCheckBox(Latin1("Woorden vullen in willekeurige volgorde"));
    soundBox = new QCheckBox(Latin1("Geluid bij gevonden oplossing"));
    wordFileEdit = new QLineEdit;
    maxFrequencyEdit = ShortNumberEdit();
    maxDistinctEdit = ShortNumberEdit();
    minScoreEdit = ShortNumberEdit();
    lowerMinScoreBox =
        new QCheckBox(Latin1("Minimale score zo nodig verlagen (30, 20, 10) als er niets past"));
    methodBox = new QComboBox;
    // In the order of the method's values.
    for (SearchMethod method : {SearchMethod::Exact, SearchMethod::Fast})
        methodBox->addItem(Latin1(SearchMethodLabel(method)));

    auto* numbers = new QGridLayout;
    int row = 0;
    const auto addNumber = [&](const char* label, QWidget* field, const char* note) {
        numbers->addWidget(new QLabel(Latin1(label)), row, 0);
        numbers->addWidget(field, row, 1);
        if (note != nullptr) numbers->addWidget(new QLabel(Latin1(note)), row, 2);
        ++row;
    };
    addNumber(FIELD_MAX_SOLUTIONS.label, maxSolutionsEdit, "0 = alle oplossingen");
    addNumber("Letters die niet mogen voorkomen:", excludedLettersEdit, nullptr);
    addNumber(FIELD_MAX_FREQUENCY.label, maxFrequencyEdit, "0 = n.v.t.");
    addNumber(FIELD_MAX_DISTINCT.label, maxDistinctEdit, "0 = n.v.t.");
    addNumber(FIELD_MIN_SCORE.label, minScoreEdit, "0 = n.v.t.");
    addNumber("Zoekmethode:", methodBox, "Snel: vindt sneller een vulling in open roosters");

    auto* browse = new QPushButton(Latin1("..."));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &SearchOptionsDlg::OnBrowse);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(wordFileEdit, 1);
    fileRow->addWidget(browse);
    auto* fileGroup = new QGroupBox(Latin1("Woordenbestand:"));
    auto* fileLayout = new QVBoxLayout(fileGroup);
    fileLayout->addLayout(fileRow);
    auto* note = new QLabel(Latin1(
        "Het specificeren van \xe9\xe9n van de bestanden xxx02.doc t/m xxx19.doc is voldoende."));
    note->setWordWrap(true);
    fileLayout->addWidget(note);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &SearchOptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SearchOptionsDlg::reject);

    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* box : {allDifferentBox, ijTwoLettersBox, fillWithLastShownBox,
                           showWhileSearchingBox, randomOrderBox, soundBox})
        layout->addWidget(box);
    layout->addLayout(numbers);
    layout->addWidget(lowerMinScoreBox);
    layout->addWidget(fileGroup);
    layout->addWidget(buttons);
}

void SearchOptionsDlg::ShowOptions(const SearchOptions& options) {
    allDifferentBox->setChecked(options.allDifferent);
    maxSolutionsEdit->setText(QString::number(options.maxSolutions));
    ijTwoLettersBox->setChecked(options.ijTwoLetters);
    fillWithLastShownBox->setChecked(options.fillWithLastShown);
    showWhileSearchingBox->setChecked(options.showWhileSearching);
    excludedLettersEdit->setText(Latin1(options.excludedLetters));
    randomOrderBox->setChecked(options.randomOrder);
    soundBox->setChecked(options.sound);
    wordFileEdit->setText(FromLocalPath(options.wordFile));
    // While the field is empty the search takes the installed set: the field says which.
    wordFileEdit->setPlaceholderText(FromLocalPath(m_app.defaultWordFile));
    maxFrequencyEdit->setText(QString::number(options.maxFrequency));
    maxDistinctEdit->setText(QString::number(options.maxDistinct));
}

// The chosen file belongs to the document at once, whatever the dialog's end; only
// the word file field shows it, so what was typed into the other fields stays.
void SearchOptionsDlg::OnBrowse() {
    FileDialogSpec spec = MakeFileDialogSpec(false, "Openen woordenlijst", "doc",
                                             "Woordenlijst (*.doc);;Alle bestanden (*.*)");
    // A first search starts at the Dutch list that comes with the program.
    spec.initialName = FromLocalPath(m_app.SearchWordFile(m_doc.puzzle()));
    const QString path = m_chooser.ChooseFile(this, spec);
    if (path.isEmpty()) return;
    PuzzleEdit(m_doc, EditKind::Setting)->search.wordFile = LocalPath(path);
    wordFileEdit->setText(path);
}

void SearchOptionsDlg::accept() {
    SearchOptions options;
    int minScore = 0;
    if (!ReadNumberEdit(this, maxSolutionsEdit, FIELD_MAX_SOLUTIONS, options.maxSolutions) ||
        !ReadNumberEdit(this, maxFrequencyEdit, FIELD_MAX_FREQUENCY, options.maxFrequency) ||
        !ReadNumberEdit(this, maxDistinctEdit, FIELD_MAX_DISTINCT, options.maxDistinct) ||
        !ReadNumberEdit(this, minScoreEdit, FIELD_MIN_SCORE, minScore))
        return;
    options.allDifferent = allDifferentBox->isChecked();
    options.ijTwoLetters = ijTwoLettersBox->isChecked();
    options.fillWithLastShown = fillWithLastShownBox->isChecked();
    options.showWhileSearching = showWhileSearchingBox->isChecked();
    options.excludedLetters = ToLatin1(excludedLettersEdit->text());
    options.randomOrder = randomOrderBox->isChecked();
    options.sound = soundBox->isChecked();
    options.wordFile = LocalPath(wordFileEdit->text());
    ApplySearchOptions(m_doc, options);
    StoreMinimumScore(m_app.scoring, m_app.profile, minScore);
    StoreLowerWhenNothingFits(m_app.scoring, m_app.profile, lowerMinScoreBox->isChecked());
    StoreSearchMethod(m_app.profile, static_cast<SearchMethod>(methodBox->currentIndex()));
    QDialog::accept();
}
