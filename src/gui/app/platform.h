#pragma once
// What the desktop needs from the operating system beyond Qt: handing a file to
// the mail program and the state of the lock keys.

#include <QString>

class QKeyEvent;

// Whether the desktop offers a mail program that takes attachments.
bool CanSendMail();
// Opens a new mail message with the file attached; false when that failed to start.
bool SendMailWithAttachment(const QString& path);

struct LockKeyStates {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};
// The lock keys as the key event saw them.
LockKeyStates LockKeysOf(const QKeyEvent& event);
