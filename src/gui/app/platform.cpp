#include "app/platform.h"

#include <QKeyEvent>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

QString MailProgram() { return QStandardPaths::findExecutable(QStringLiteral("xdg-email")); }

}  // namespace

bool CanSendMail() { return !MailProgram().isEmpty(); }

bool SendMailWithAttachment(const QString& path) {
    const QString program = MailProgram();
    if (program.isEmpty()) return false;
    return QProcess::startDetached(program, {QStringLiteral("--attach"), path});
}

LockKeyStates LockKeysOf(const QKeyEvent& event) {
    LockKeyStates states;
#ifdef Q_OS_WIN
    Q_UNUSED(event);
    states.caps = (GetKeyState(VK_CAPITAL) & 1) != 0;
    states.num = (GetKeyState(VK_NUMLOCK) & 1) != 0;
    states.scroll = (GetKeyState(VK_SCROLL) & 1) != 0;
#else
    // X11 modifier masks: Lock, Mod2 (Num Lock) and Mod5 (Scroll Lock on most layouts).
    constexpr quint32 LOCK_MASK = 0x02;
    constexpr quint32 MOD2_MASK = 0x10;
    constexpr quint32 MOD5_MASK = 0x80;
    const quint32 native = event.nativeModifiers();
    states.caps = (native & LOCK_MASK) != 0;
    states.num = (native & MOD2_MASK) != 0;
    states.scroll = (native & MOD5_MASK) != 0;
#endif
    return states;
}
