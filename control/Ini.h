#pragma once
// Kelvanor.ini: a profile file read and written with the semantics of the
// system's profile functions (IniText holds the rules). The file is 8-bit
// or UTF-16 and stays so; a rewrite keeps every line it does not set byte
// for byte.

#include <QString>

#include <initializer_list>

namespace kelvanor {

// The folder of the ini file: $XDG_CONFIG_HOME/Kelvanor (~/.config/Kelvanor),
// created when missing; the control library's own folder when that fails.
QString GetIniFolder();
QString GetIniFilePath();

// What came of a write to a profile file.
struct ProfileWrite {
    bool written = false;
    QString reason;  // why not, in the control's language (German)
    explicit operator bool() const { return written; }
};

// One value to set: section, key, value.
struct ProfileString {
    QString section, key, value;
};

// Profile-file functions on any file. Only a regular file is read; anything
// else (a folder, a FIFO, a device) is unreadable. A file that exists
// but cannot be read is not written: its own lines would be lost. A write
// replaces the file whole (FileReplacement), once for all the values it
// sets: when it fails the old file stays byte for byte as it was. A file
// that already holds the text a write would give is not touched at all.
QString ReadProfileString(const QString& path, const QString& section, const QString& key, const QString& def);
ProfileWrite WriteProfileString(const QString& path, const QString& section, const QString& key, const QString& value);
ProfileWrite WriteProfileStrings(const QString& path, std::initializer_list<ProfileString> values);

class CIni {
public:
    explicit CIni(QString path = {}) : path_(std::move(path)) {}
    const QString& path() const { return path_; }
    void setPath(const QString& path) { path_ = path; }

    // Empty path: an empty string. A value of length 0 gives the default.
    QString GetString(const QString& section, const QString& key, const QString& def = {}) const;
    // Empty value: the default; else true when its first character is 1, O or Y.
    bool GetBool(const QString& section, const QString& key, bool def) const;
    // Written only when the path is not empty.
    ProfileWrite WriteString(const QString& section, const QString& key, const QString& value) const;
    // All of them at once: the file holds either all or none of them.
    ProfileWrite WriteStrings(std::initializer_list<ProfileString> values) const;
    // Writes are not cached; nothing to flush.
    void Flush() const {}

private:
    QString path_;
};

}  // namespace kelvanor
