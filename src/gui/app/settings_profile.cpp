#include "app/settings_profile.h"

#include <QDir>
#include <QFileInfo>

#include "app/command_table.h"

namespace {

const char* const COMPANY_KEY = "Rooster2";
const char* const APPLICATION_KEY = "Rooster2";
const char* const RECENT_SECTION = "Recent File List";

QString Key(const std::string& section, const std::string& entry) {
    return QString::fromLatin1(section) + QLatin1Char('/') + QString::fromLatin1(entry);
}

QString RecentKey(int index) {
    return QString::fromLatin1(RECENT_SECTION) + QStringLiteral("/File") +
           QString::number(index + 1);
}

}  // namespace

SettingsProfile::SettingsProfile()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QString::fromLatin1(COMPANY_KEY),
                                             QString::fromLatin1(APPLICATION_KEY))) {}

SettingsProfile::SettingsProfile(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

int SettingsProfile::GetProfileInt(const std::string& section, const std::string& entry,
                                   int defaultValue) const {
    bool ok = false;
    const int value = m_settings->value(Key(section, entry)).toInt(&ok);
    return ok ? value : defaultValue;
}

void SettingsProfile::WriteProfileInt(const std::string& section, const std::string& entry,
                                      int value) {
    m_settings->setValue(Key(section, entry), value);
}

QStringList SettingsProfile::ReadRecentFiles() const {
    QStringList files;
    for (int i = 0; i < RECENT_FILE_COUNT; ++i) {
        const QString file = m_settings->value(RecentKey(i)).toString();
        if (!file.isEmpty()) files.append(file);
    }
    return files;
}

void SettingsProfile::WriteRecentFiles(const QStringList& files) {
    for (int i = 0; i < RECENT_FILE_COUNT; ++i) {
        if (i < files.size())
            m_settings->setValue(RecentKey(i), files[i]);
        else
            m_settings->remove(RecentKey(i));
    }
}

QStringList AddRecentFile(QStringList files, const QString& path) {
    const QString absolute = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > RECENT_FILE_COUNT) files.removeLast();
    return files;
}
