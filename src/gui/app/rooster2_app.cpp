#include "app/rooster2_app.h"

#include <QApplication>
#include <QEvent>
#include <QSplashScreen>
#include <QTimer>

#include "app/main_frame.h"
#include "app/settings_profile.h"
#include "formats/system_facts.h"
#include "model/version_text.h"
#include "support/default_word_list.h"
#include "support/dialog_support.h"
#include "support/toolbar_icons.h"
#include "wordlists/word_scores.h"

namespace {

constexpr int SPLASH_MS = 2000;

bool IsPrintSwitch(const QString& argument) {
    const QString lower = argument.toLower();
    return lower == QLatin1String("/p") || lower == QLatin1String("-p") ||
           lower == QLatin1String("--print");
}

bool IsPrintToSwitch(const QString& argument) {
    const QString lower = argument.toLower();
    return lower == QLatin1String("/pt") || lower == QLatin1String("--print-to");
}

}  // namespace

CommandLineRequest ParseCommandLine(const QStringList& arguments) {
    CommandLineRequest request;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (IsPrintSwitch(argument)) {
            request.action = CommandLineRequest::Action::Print;
        } else if (IsPrintToSwitch(argument)) {
            request.action = CommandLineRequest::Action::Print;
            if (i + 2 < arguments.size()) {
                request.file = arguments[++i];
                request.printer = arguments[++i];
            }
        } else if (request.file.isEmpty()) {
            request.file = argument;
            if (request.action == CommandLineRequest::Action::New)
                request.action = CommandLineRequest::Action::Open;
        }
    }
    if (request.action == CommandLineRequest::Action::Print && request.file.isEmpty())
        request.action = CommandLineRequest::Action::New;
    return request;
}

QString BuildVersionText() { return QString::fromLatin1(VersionText()); }

Rooster2App::Rooster2App(std::unique_ptr<SettingsProfile> profile)
    : m_profile(profile ? std::move(profile) : std::make_unique<SettingsProfile>()) {
    m_app.profile = m_profile.get();
    m_app.scoring.minScore = ReadMinimumScore(m_profile.get());
    m_app.scoring.lowerWhenNothingFits = ReadLowerWhenNothingFits(m_profile.get());
    m_app.defaultWordFile = LocalPath(DefaultWordListFile());
    m_scoringWarning = LoadScoreOverrides(m_app.scoring, ScoreOverridePath(UserDataFolder()));
}

Rooster2App::~Rooster2App() {
    HideSplash();
    m_frame.reset();
    // The colours of the last puzzle become those of the next new one.
    m_doc.WriteDefaultColours(*m_profile);
    m_profile->Sync();
}

bool Rooster2App::InitInstance(const QStringList& arguments, bool showSplash) {
    const CommandLineRequest request = ParseCommandLine(arguments);
    m_versionText = BuildVersionText();
    m_doc.OnNewDocument(m_profile.get());
    m_frame = std::make_unique<MainFrame>(m_doc, m_app, *m_profile, m_versionText);
    if (!m_frame->RestorePlacement()) m_frame->resize(800, 600);
    m_frame->NewDocument();
    if (request.action != CommandLineRequest::Action::New &&
        !m_frame->OpenDocumentFile(request.file))
        return false;
    if (request.action == CommandLineRequest::Action::Print) {
        m_frame->PrintDirect(request.printer);
        m_finished = true;
        return true;
    }
    m_frame->show();
    m_frame->update();
    if (m_scoringWarning) ShowInformation(m_frame.get(), *m_scoringWarning);
    if (showSplash) ShowSplash();
    return true;
}

void Rooster2App::ShowSplash() {
    m_splash = new QSplashScreen(SplashPicture(m_versionText));
    m_splash->move(m_frame->geometry().center() - m_splash->rect().center());
    m_splash->show();
    qApp->installEventFilter(this);
    QTimer::singleShot(SPLASH_MS, this, &Rooster2App::HideSplash);
}

void Rooster2App::HideSplash() {
    if (m_splash == nullptr) return;
    qApp->removeEventFilter(this);
    m_splash->close();
    // The picture may be the receiver of the event that removes it.
    m_splash->deleteLater();
    m_splash = nullptr;
    if (m_frame) m_frame->update();
}

bool Rooster2App::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
            // The key or click only removes the picture.
            HideSplash();
            return true;
        default:
            return QObject::eventFilter(watched, event);
    }
}
