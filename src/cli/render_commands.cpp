// The exports that draw: png (the grid picture) and pdf (the puzzle sheet). Built only
// where the drawing library (Qt Gui) is; the command line runs without a display.
#include <QGuiApplication>
#include <iostream>

#include "cli_common.h"
#include "export_kinds.h"
#include "model/rooster2_doc.h"
#include "render/grid_painter.h"
#include "render/pdf_sheet.h"
#include "render/png_export.h"
#include "util/str_format.h"

namespace {

// Qt's own notes (such as a missing runtime folder) are nothing the user of the command
// line can act on; its errors still reach standard error.
void ShowOnlyQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toLocal8Bit().constData() << '\n';
}

// Fonts need a QGuiApplication. Without a display the offscreen platform serves,
// unless the environment names another.
void EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(ShowOnlyQtErrors);
    static int argc = 1;
    static char name[] = "rooster2-cli";
    static char* argv[] = {name, nullptr};
    // Qt keeps it as its instance until the process ends, like the desktop's application.
    new QGuiApplication(argc, argv);
}

int WriteFailed(const std::string& outPath) {
    return Fail(StrFormat("Schrijven van %s mislukt", outPath.c_str()));
}

// The desktop's image export at the puzzle's cell width (the size the desktop shows
// with scroll bars, or in a window large enough for the whole grid).
int ExportPng(const Rooster2Doc& doc, const std::string& outPath, const ExportOptions& options) {
    EnsureGuiApplication();
    if (!WritePng(outPath, RenderGridImage(doc.puzzle(), doc.puzzle().appearance.cellSize,
                                           options.smallLetters)))
        return WriteFailed(outPath);
    return EXIT_OK;
}

int ExportPdf(const Rooster2Doc& doc, const std::string& outPath, const ExportOptions& options) {
    EnsureGuiApplication();
    PdfSheetOptions sheet;
    sheet.solution = options.solution;
    sheet.smallLetters = options.smallLetters;
    sheet.greyBlocks = options.greyBlocks;
    sheet.title = SheetTitle(doc.puzzle(), doc.pathName);
    return ExportPdfSheet(doc.puzzle(), outPath, sheet) ? EXIT_OK : WriteFailed(outPath);
}

}  // namespace

std::vector<ExportKind> RenderExportKinds() {
    return {{"png", ExportPng,
             "de afbeelding van het rooster op de vakbreedte van de puzzel, zoals het "
             "bureaubladprogramma die exporteert"},
            {"pdf", ExportPdf,
             "een puzzelblad op A4: titel, leeg genummerd rooster en de omschrijvingen"}};
}
