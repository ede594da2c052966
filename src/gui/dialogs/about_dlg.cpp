#include "dialogs/about_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "support/dialog_support.h"
#include "support/toolbar_icons.h"

namespace {

const char* const ABOUT_TEXTS[] = {
    "Het programma kent vier fasen:\n\n1. Vormen rooster, het bepalen van de afmetingen van het "
    "rooster en het zetten van de zwarte vakken en/of de niet-vakken. Druk op Ctrl+E om de "
    "eigenschappen van het rooster te bepalen.",
    "2. Vullen rooster, waarbij de woorden en de omschrijvingen in het rooster worden gezet. Als u "
    "een woordenlijst specificeert (zie menu AutoZoek - ZoekOpties) wordt u geholpen bij het "
    "vinden van woorden .",
    "3. Zoeken naar oplossingen, het zoekproces kunt u onderbreken met <ESC>.",
    "4. Tonen van de gevonden oplossingen, afsluiten met <ESC>.",
    "Met Ctrl+C  kopieert u het rooster naar het klembord, met Ctrl+D krijgt u een scherm met de "
    "omschrijvingen, die u kunt wijzigen en aanvullen of kopi\xebren naar het klembord.",
};

QLabel* PlainLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace

AboutDlg::AboutDlg(const QString& versionText, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Latin1("Over Rooster2"));
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel;
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    layout->addWidget(icon, 0, 0, Qt::AlignTop);
    layout->addWidget(PlainLabel(versionText), 0, 1);
    int row = 1;
    for (const char* text : ABOUT_TEXTS) layout->addWidget(PlainLabel(Latin1(text)), row++, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons, row, 0, 1, 2);
    setMinimumWidth(460);
}
