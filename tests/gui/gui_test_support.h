#pragma once
// What the desktop tests share: a main window on a test profile, answering
// message boxes, and the pixel position of a cell.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/main_frame.h"
#include "app/settings_profile.h"
#include "model/rooster2_doc.h"
#include "support/file_chooser.h"
#include "test_support.h"
#include "view/grid_controller.h"
#include "view/grid_view.h"

// Answers every message box that opens while it lives (with the given button) and
// remembers its text, so that modal questions do not block a test.
class MessageBoxAnswerer : public QObject {
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok)
        : m_answer(answer) {
        connect(&m_timer, &QTimer::timeout, this, [this] { AnswerOpenBox(); });
        m_timer.start(10);
    }
    QStringList Texts() const { return m_texts; }

private:
    void AnswerOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        m_texts.append(box->text());
        QAbstractButton* button = box->button(m_answer);
        if (button == nullptr) button = box->defaultButton();
        if (button != nullptr)
            button->click();
        else
            box->reject();
    }

    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
    QStringList m_texts;
};

// Answers the file and folder dialogs from a script: the next queued path (or
// Cancel when none is left), and remembers what each dialog asked.
class ScriptedChooser : public IFileChooser {
public:
    QString ChooseFile(QWidget*, const FileDialogSpec& spec) override {
        asked.push_back(spec);
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QString ChooseFolder(QWidget*, const QString&) override { return folder; }
    void Queue(const std::string& path) { files.append(QString::fromStdString(path)); }

    QStringList files;
    QString folder;
    std::vector<FileDialogSpec> asked;
};

// Acts on the dialog of type Dialog as soon as it runs modally.
template <class Dialog>
void WhenModalOpens(std::function<void(Dialog&)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(*dialog);
        }
    });
    timer->start(10);
}

// The child of dialog with the given object name; a missing one ends the test run.
template <class Widget>
Widget* Child(QWidget& dialog, const char* name) {
    auto* child = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (child == nullptr) qFatal("no child %s", name);
    return child;
}

// A document, a profile in a temporary folder and a shown main window.
struct TestWindow {
    TempDir dir;
    SettingsProfile profile{QString::fromStdString(dir.Path("profile.ini"))};
    TestDoc doc;
    ScriptedChooser chooser;
    std::unique_ptr<MainFrame> frame;

    TestWindow() {
        doc.profile = &profile;
        frame = std::make_unique<MainFrame>(doc, doc, profile,
                                            QStringLiteral("Rooster2 versie test"), &chooser);
        frame->resize(700, 700);
        frame->NewDocument();
        frame->show();
        if (!QTest::qWaitForWindowExposed(frame.get())) qWarning("window not exposed");
        Settle();
    }
    ~TestWindow() {
        // Leave no question open at the end.
        doc.MarkSaved();
        doc.phase = Phase::Vullen;
        frame->close();
    }
    GridView& View() { return *frame->View(); }
    GridController& Controller() { return frame->Controller(); }
    int SolutionCount() { return static_cast<int>(Controller().Results().solutions.size()); }
    QWidget* Viewport() { return frame->View()->viewport(); }
    // Lets paints and layout happen.
    void Settle() { QTest::qWait(20); }
    bool Run(int id) {
        const bool ran = frame->Router().Run(id);
        Settle();
        return ran;
    }
    bool Enabled(int id) {
        frame->UpdateCommands();
        return frame->Action(id)->isEnabled();
    }
    bool Checked(int id) {
        frame->UpdateCommands();
        return frame->Action(id)->isChecked();
    }
    // The middle of cell (x, y) in viewport coordinates.
    QPoint CellCentre(int x, int y) {
        const int s = View().CellPixels();
        return QPoint(
            doc.puzzle().appearance.margin + x * s + s / 2,
            doc.puzzle().appearance.margin + doc.puzzle().appearance.clueTextSize + y * s + s / 2);
    }
    void Click(int x, int y, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(Viewport(), button, modifiers, CellCentre(x, y));
        Settle();
    }
    void Drag(int fromX, int fromY, int toX, int toY) {
        QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(fromX, fromY));
        QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(toX, toY));
        Settle();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&View(), static_cast<Qt::Key>(key), modifiers);
        Settle();
    }
    void Type(const char* text) {
        QTest::keyClicks(&View(), QString::fromLatin1(text));
        Settle();
    }
};
