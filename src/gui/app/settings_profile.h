#pragma once
// The per-user profile on the platform's settings store: sections "Kleur"
// and "Position" as integers, and the list of recently used files.

#include <QSettings>
#include <QStringList>
#include <memory>

#include "model/profile.h"

class SettingsProfile : public IProfile {
public:
    // The platform's per-user store of this program.
    SettingsProfile();
    // A store in one file; the tests use this.
    explicit SettingsProfile(const QString& iniFile);

    int GetProfileInt(const std::string& section, const std::string& entry,
                      int defaultValue) const override;
    void WriteProfileInt(const std::string& section, const std::string& entry, int value) override;

    QStringList ReadRecentFiles() const;
    void WriteRecentFiles(const QStringList& files);

    void Sync() { m_settings->sync(); }

private:
    std::unique_ptr<QSettings> m_settings;
};

// The recent-file list after opening or saving path: it moves to the top, the list
// keeps at most RECENT_FILE_COUNT entries.
QStringList AddRecentFile(QStringList files, const QString& path);
