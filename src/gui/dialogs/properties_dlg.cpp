#include "dialogs/properties_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "formats/letter_values.h"
#include "formats/statistics.h"
#include "model/rooster2_doc.h"
#include "render/grid_painter.h"
#include "support/dialog_support.h"

namespace {

const char* const SYMMETRY_TEXTS[] = {
    "Geen",      "Rondom middelpunt",        "Horizontaal",
    "Verticaal", "Horizontaal en verticaal", "Horizontaal of verticaal"};
const char* const COLOUR_TEXTS[PROPERTY_COLOUR_COUNT] = {"Zwart", "Woord",  "Niet",
                                                         "Vrij",  "Cursor", "Achtergr."};
constexpr int SWATCH_HEIGHT = 12;
// The longest "Letterwaarden" text that is read.
constexpr int MAX_LETTER_VALUES_TEXT = 999;

QCheckBox* CheckBox(const char* text, bool checked, const char* objectName) {
    auto* box = new QCheckBox(Latin1(text));
    box->setChecked(checked);
    box->setObjectName(Latin1(objectName));
    return box;
}

// A group of radio buttons with ids 0, 1, ... in the order of the texts.
QGroupBox* RadioGroup(const char* title, const char* const* texts, int count, int checked,
                      QButtonGroup*& group, const char* objectName, QWidget* owner) {
    auto* box = new QGroupBox(Latin1(title));
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(owner);
    group->setObjectName(Latin1(objectName));
    for (int i = 0; i < count; ++i) {
        auto* radio = new QRadioButton(Latin1(texts[i]));
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    if (QAbstractButton* button = group->button(checked)) button->setChecked(true);
    return box;
}

ColourRef FromColour(const QColor& colour) {
    return Rgb(colour.red(), colour.green(), colour.blue());
}

}  // namespace

PropertiesDlg::PropertiesDlg(Rooster2Doc& doc, bool smallLetters, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_values(ReadProperties(doc, smallLetters)) {
    setWindowTitle(Latin1("Eigenschappen rooster"));
    auto* left = new QVBoxLayout;
    left->addWidget(BuildSizeGroup());
    left->addWidget(BuildNumberingGroup());
    left->addWidget(BuildHtmlGroup());
    left->addStretch();
    auto* middle = new QVBoxLayout;
    middle->addWidget(BuildSymmetryGroup());
    middle->addWidget(BuildColourGroup());
    const char* const lineTexts[] = {"1 eenheid", "2 eenheden"};
    middle->addWidget(RadioGroup("Lijndikte", lineTexts, 2, m_values.appearance.lineWidth,
                                 m_lineWidth, "lineWidth", this));
    auto* font = new QPushButton(Latin1("Font..."));
    font->setObjectName(Latin1("font"));
    connect(font, &QPushButton::clicked, this, &PropertiesDlg::ChooseFont);
    middle->addWidget(font);
    middle->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addWidget(BuildReportGroup(), 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &PropertiesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PropertiesDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    // The grid size, the form and the numbering mode change only while shaping.
    const bool layoutEditable = CanChangeGridLayout(doc);
    for (QWidget* widget : {static_cast<QWidget*>(m_width), static_cast<QWidget*>(m_height),
                            static_cast<QWidget*>(m_doorloper), static_cast<QWidget*>(m_acrossOnly),
                            static_cast<QWidget*>(m_form)})
        widget->setEnabled(layoutEditable);
}

QWidget* PropertiesDlg::BuildSizeGroup() {
    auto* box = new QGroupBox;
    auto* form = new QFormLayout(box);
    m_width = NumberEdit(m_values.width, "width");
    m_height = NumberEdit(m_values.height, "height");
    m_cellSize = NumberEdit(m_values.appearance.cellSize, "cellSize");
    m_margin = NumberEdit(m_values.appearance.margin, "margin");
    m_clueTextSize = NumberEdit(m_values.appearance.clueTextSize, "clueTextSize");
    form->addRow(Latin1(FIELD_WIDTH.label), m_width);
    form->addRow(Latin1(FIELD_HEIGHT.label), m_height);
    form->addRow(Latin1(FIELD_CELL_SIZE.label), m_cellSize);
    form->addRow(Latin1(FIELD_MARGIN.label), m_margin);
    form->addRow(Latin1(FIELD_CLUE_TEXT_SIZE.label), m_clueTextSize);
    // The entries in the order of the form's values.
    m_form = new QComboBox;
    m_form->setObjectName(Latin1("form"));
    for (PuzzleForm value : {PuzzleForm::Kruiswoord, PuzzleForm::Zweeds, PuzzleForm::Balkjes})
        m_form->addItem(Latin1(PuzzleFormName(value)));
    m_form->setCurrentIndex(static_cast<int>(m_values.form));
    form->addRow(Latin1("Vorm:"), m_form);
    m_smallLetters = CheckBox("Toon in kleine letters", m_values.smallLetters, "smallLetters");
    m_doorloper = CheckBox("Doorloper", m_values.numbering.doorloper, "doorloper");
    form->addRow(m_smallLetters);
    form->addRow(m_doorloper);
    return box;
}

QWidget* PropertiesDlg::BuildNumberingGroup() {
    auto* box = new QGroupBox;
    auto* form = new QFormLayout(box);
    m_startNumber = NumberEdit(m_values.numbering.startNumber, "startNumber");
    form->addRow(Latin1(FIELD_START_NUMBER.label), m_startNumber);
    m_showNumbers = CheckBox("Met nummers", m_values.appearance.showNumbers, "showNumbers");
    m_numberPartWords =
        CheckBox("Ook nummer bij deelwoord", m_values.numbering.numberPartWords, "numberPartWords");
    m_largerNumbers =
        CheckBox("Grotere nummers", m_values.appearance.largerNumbers, "largerNumbers");
    m_acrossOnly =
        CheckBox("Alleen horizontaal nummeren", m_values.numbering.acrossOnly, "acrossOnly");
    m_partDashes = CheckBox("Met woorddeelstrepen", m_values.appearance.partDashes, "partDashes");
    for (QCheckBox* check :
         {m_showNumbers, m_numberPartWords, m_largerNumbers, m_acrossOnly, m_partDashes})
        form->addRow(check);
    return box;
}

QWidget* PropertiesDlg::BuildHtmlGroup() {
    auto* box = new QGroupBox;
    auto* form = new QFormLayout(box);
    m_htmlTitle = new QLineEdit(Latin1(m_values.html.title));
    m_htmlTitle->setObjectName(Latin1("htmlTitle"));
    form->addRow(Latin1("Titeltekst (voor html):"), m_htmlTitle);
    m_htmlSideBySide = CheckBox("Omschrjvingen in html naast elkaar", m_values.html.cluesSideBySide,
                                "htmlSideBySide");
    form->addRow(m_htmlSideBySide);
    const char* const blackTexts[] = {"Zwart", "Grijs"};
    form->addRow(RadioGroup("Zwart vak html", blackTexts, 2, m_values.html.blackGrey ? 1 : 0,
                            m_htmlBlack, "htmlBlack", this));
    return box;
}

QWidget* PropertiesDlg::BuildSymmetryGroup() {
    return RadioGroup("Symmetrie", SYMMETRY_TEXTS, 6, static_cast<int>(m_values.symmetry),
                      m_symmetry, "symmetry", this);
}

QWidget* PropertiesDlg::BuildColourGroup() {
    auto* box = new QGroupBox(Latin1("Kleuren vakjes, achtergrond"));
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < PROPERTY_COLOUR_COUNT; ++i) {
        auto* button = new QPushButton(Latin1(COLOUR_TEXTS[i]));
        button->setObjectName(Latin1("colour%1").arg(i));
        connect(button, &QPushButton::clicked, this, [this, i] { ChooseColour(i); });
        // The swatch under the button shows the colour the dialog holds now.
        auto* swatch = new QLabel;
        swatch->setObjectName(Latin1("swatch%1").arg(i));
        swatch->setFrameShape(QFrame::Box);
        swatch->setMinimumHeight(SWATCH_HEIGHT);
        swatch->setAutoFillBackground(true);
        m_swatches[i] = swatch;
        ShowSwatch(i);
        const int row = (i / 3) * 2;
        grid->addWidget(button, row, i % 3);
        grid->addWidget(swatch, row + 1, i % 3);
    }
    return box;
}

QWidget* PropertiesDlg::BuildReportGroup() {
    auto* box = new QGroupBox;
    auto* layout = new QVBoxLayout(box);
    // Two rows of options keep the dialog within a 1024 pixels wide screen.
    auto* options = new QGridLayout;
    m_showLength = CheckBox("Lengte", m_values.appearance.showLength, "showLength");
    m_showClues = CheckBox("Omschr.", m_values.appearance.showClues, "showClues");
    m_systemInfo = CheckBox("Systeem info", false, "systemInfo");
    m_wordProduct = CheckBox("WoordProduct", false, "wordProduct");
    m_wordSum = CheckBox("WoordSom", false, "wordSum");
    int column = 0;
    for (QCheckBox* check : {m_showLength, m_showClues, m_systemInfo, m_wordProduct, m_wordSum}) {
        options->addWidget(check, column / 3, column % 3);
        ++column;
        connect(check, &QCheckBox::clicked, this, &PropertiesDlg::ShowReport);
    }
    layout->addLayout(options);
    m_report = new QPlainTextEdit;
    m_report->setObjectName(Latin1("report"));
    m_report->setReadOnly(true);
    m_report->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_report->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    layout->addWidget(m_report, 1);
    auto* values = new QFormLayout;
    m_letterValues = new QLineEdit(Latin1(FormatLetterValues(m_doc.puzzle().letterValues)));
    m_letterValues->setObjectName(Latin1("letterValues"));
    m_letterValues->setMaxLength(MAX_LETTER_VALUES_TEXT);
    m_letterValues->setCursorPosition(0);  // the long text shows from "A = 1"
    m_letterValues->installEventFilter(this);
    values->addRow(Latin1("Letterwaarden:"), m_letterValues);
    layout->addLayout(values);
    ShowReport();
    return box;
}

void PropertiesDlg::ShowReport() {
    StatisticsOptions options;
    options.withLengths = m_showLength->isChecked();
    options.withClues = m_showClues->isChecked();
    options.withSystemInfo = m_systemInfo->isChecked();
    options.withProduct = m_wordProduct->isChecked();
    options.withSum = m_wordSum->isChecked();
    std::vector<std::string> lines;
    ComputeStatistics(m_doc, lines, options);
    m_report->setPlainText(FromCrLfText(JoinReportLines(lines)));
}

bool PropertiesDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_letterValues && event->type() == QEvent::FocusOut) ReadLetterValues();
    return QDialog::eventFilter(watched, event);
}

// The letter values reach the document at once; Cancel keeps them.
void PropertiesDlg::ReadLetterValues() {
    ParseLetterValues(ToLatin1(m_letterValues->text().left(MAX_LETTER_VALUES_TEXT)),
                      PuzzleEdit(m_doc, EditKind::Setting)->letterValues);
}

void PropertiesDlg::SetColour(int button, ColourRef colour) {
    PropertyColour(m_values.appearance, button) = colour;
    ShowSwatch(button);
}

void PropertiesDlg::ShowSwatch(int button) {
    QPalette palette = m_swatches[button]->palette();
    palette.setColor(QPalette::Window, ToQColor(PropertyColour(m_values.appearance, button)));
    m_swatches[button]->setPalette(palette);
}

void PropertiesDlg::ChooseColour(int button) {
    const QColor chosen =
        QColorDialog::getColor(ToQColor(PropertyColour(m_values.appearance, button)), this);
    if (chosen.isValid()) SetColour(button, FromColour(chosen));
}

// The font and letter colour reach the document at once (Cancel keeps them), and the
// dialog's copy too, so that OK does not put the old ones back.
void PropertiesDlg::ChooseFont() {
    bool ok = false;
    QFont current(Latin1(m_doc.puzzle().appearance.letterFontName));
    const QFont font = QFontDialog::getFont(&ok, current, this);
    if (!ok) return;
    PuzzleEdit edit(m_doc, EditKind::Setting);
    Appearance& applied = edit->appearance;
    // The platform's font chooser has no colour: the letter colour follows in its own chooser.
    applied.letterFontName = ToLatin1(font.family());
    const QColor colour =
        QColorDialog::getColor(ToQColor(applied.colours.letter), this, Latin1("Letterkleur"));
    if (colour.isValid()) applied.colours.letter = FromColour(colour);
    m_values.appearance.letterFontName = applied.letterFontName;
    m_values.appearance.colours.letter = applied.colours.letter;
    emit LetterFontChanged();
}

bool PropertiesDlg::ReadNumbers() {
    return ReadNumberEdit(this, m_width, FIELD_WIDTH, m_values.width) &&
           ReadNumberEdit(this, m_height, FIELD_HEIGHT, m_values.height) &&
           ReadNumberEdit(this, m_cellSize, FIELD_CELL_SIZE, m_values.appearance.cellSize) &&
           ReadNumberEdit(this, m_margin, FIELD_MARGIN, m_values.appearance.margin) &&
           ReadNumberEdit(this, m_clueTextSize, FIELD_CLUE_TEXT_SIZE,
                          m_values.appearance.clueTextSize) &&
           ReadNumberEdit(this, m_startNumber, FIELD_START_NUMBER, m_values.numbering.startNumber);
}

void PropertiesDlg::ReadChoices() {
    m_values.appearance.showNumbers = m_showNumbers->isChecked();
    m_values.numbering.numberPartWords = m_numberPartWords->isChecked();
    m_values.appearance.largerNumbers = m_largerNumbers->isChecked();
    m_values.numbering.acrossOnly = m_acrossOnly->isChecked();
    m_values.html.cluesSideBySide = m_htmlSideBySide->isChecked();
    m_values.appearance.partDashes = m_partDashes->isChecked();
    m_values.smallLetters = m_smallLetters->isChecked();
    m_values.numbering.doorloper = m_doorloper->isChecked();
    m_values.html.title = ToLatin1(m_htmlTitle->text());
    m_values.symmetry = static_cast<Symmetry>(m_symmetry->checkedId());
    m_values.form = static_cast<PuzzleForm>(m_form->currentIndex());
    m_values.appearance.lineWidth = m_lineWidth->checkedId();
    m_values.html.blackGrey = m_htmlBlack->checkedId() == 1;
    m_values.appearance.showLength = m_showLength->isChecked();
    m_values.appearance.showClues = m_showClues->isChecked();
}

void PropertiesDlg::accept() {
    if (!ReadNumbers()) return;
    ReadChoices();
    QDialog::accept();
}
