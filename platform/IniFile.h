#pragma once

#include <initializer_list>
#include <span>

#include <QString>

// The settings file BACCARAT.INI: the only persistent state of the program. Every read looks at the
// file, which is read again whenever it has changed; every change is written at once.
namespace bacc {

// The value of key in section, names matched without regard to case; "No" when the file, the section
// or the key is missing. At most 99 characters are returned.
QString ReadIni(const QString& section, const QString& key);

// Writes value under key in section, creating either when absent and keeping every other line of the
// file as it was. The file is replaced atomically; a failed write is silent and leaves the old file, and
// so does a file without write permission, even for the superuser. A missing file is not created: the
// program never creates its settings file.
void WriteIni(const QString& section, const QString& key, const QString& value);

// A value for WriteIniValues.
struct IniValue {
    QString Section;
    QString Key;
    QString Value;
};

// Writes the values in order, each as WriteIni writes it, in one replacement of the file: a crash or a
// kill leaves the file with all of them or with none.
void WriteIniValues(std::span<const IniValue> values);
void WriteIniValues(std::initializer_list<IniValue> values);

// A settings file that is not a regular file (a FIFO, a device) or that is larger than this is not
// read: reads answer "No" and writes are dropped.
inline constexpr qint64 MaxIniFileSize = 16 * 1024 * 1024;

// Removes the temporary files that a copy killed while writing left beside the settings file: this
// user's regular files named as the writes name them. Only for the copy that holds the one-copy guard,
// since a temporary file of another running copy may be in use.
void RemoveLeftoverTemporaryFiles();

// Finds BACCARAT.INI: first beside the running executable, then in the user's configuration
// directory. Sets IniPath and HelpPath and answers true; when neither exists, shows the missing-file
// message and answers false (the caller ends the program). Never creates the file.
bool LocateSettingsFile();

const QString& IniPath();
const QString& HelpPath();

// Test seam: use this settings file (and the help file beside it) without searching.
void SetIniPath(const QString& iniPath);

// The two places searched, in order of preference.
QString DevelopmentIniPath();
QString InstalledIniPath();

} // namespace bacc
