#pragma once
// The per-user settings store. Keys are written as the system names them
// ("\Software\Wertan PHP\Main\FormMainPHP"); values are texts or 32-bit integers.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QSettings;
class QTemporaryDir;

namespace wertan {

class SettingsStore {
public:
    // Uses the platform's native store for the organisation "Wertan PHP".
    SettingsStore();
    // Uses an INI file; tests point this at a temporary file.
    explicit SettingsStore(const QString& iniPath);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    bool keyExists(const QString& key) const;
    QStringList subKeys(const QString& key) const;
    bool valueExists(const QString& key, const QString& name) const;
    std::optional<QString> readText(const QString& key, const QString& name) const;
    void writeText(const QString& key, const QString& name, const QString& value);
    std::optional<qint32> readInt(const QString& key, const QString& name) const;
    void writeInt(const QString& key, const QString& name, qint32 value);
    void removeKey(const QString& key);
    // Empty when the store was written; otherwise the platform's reason.
    QString sync();

    // A store whose file was damaged is set aside at start (renamed with the date and time) and
    // the run starts from an empty store. The message about it, once; empty when there was none.
    QString takeDamageReport();

private:
    static QString group(const QString& key);
    void setAsideIfDamaged();
    bool avoidSpecialFile(const QString& path);
    std::function<std::unique_ptr<QSettings>()> open_;
    std::unique_ptr<QSettings> settings_;
    QString damageReport_;
    std::unique_ptr<QTemporaryDir> scratch_; // holds the store when its own file cannot be used
};

} // namespace wertan
