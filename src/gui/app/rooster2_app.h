#pragma once
// The application object: command line, version text, profile, the one
// document and main window, and the start-up picture.

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "app/settings_profile.h"
#include "model/app_state.h"
#include "model/rooster2_doc.h"
#include "model/user_message.h"

class MainFrame;
class QSplashScreen;

// What the command line asks for.
struct CommandLineRequest {
    enum class Action { New, Open, Print };
    Action action = Action::New;
    QString file;
    QString printer;  // "/pt FILE PRINTER": print on that printer
};

CommandLineRequest ParseCommandLine(const QStringList& arguments);

// "Rooster2 versie ..." with the build date and time: the core's text, so the about
// box and the web pages of both programs name the same version.
QString BuildVersionText();

class Rooster2App : public QObject {
    Q_OBJECT

public:
    // profile may be null: the platform's per-user store is then used.
    explicit Rooster2App(std::unique_ptr<SettingsProfile> profile = nullptr);
    ~Rooster2App() override;

    // Carries out the command line; false when start-up fails. After a print request
    // the program has nothing more to do (Finished()).
    bool InitInstance(const QStringList& arguments, bool showSplash = true);
    bool Finished() const { return m_finished; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSplash();
    void HideSplash();

    std::unique_ptr<SettingsProfile> m_profile;
    Rooster2Doc m_doc;
    AppState m_app;
    std::unique_ptr<MainFrame> m_frame;
    QString m_versionText;
    QSplashScreen* m_splash = nullptr;
    bool m_finished = false;
    // About the user's own scores file; shown once the window is up.
    std::optional<UserMessage> m_scoringWarning;
};
