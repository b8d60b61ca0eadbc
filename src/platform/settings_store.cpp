#include "platform/settings_store.h"

#include <QSettings>

namespace wertan {

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("Wertan PHP"), QStringLiteral("Wertan PHP"))) {}

SettingsStore::SettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::group(const QString& key) {
    QString g = key;
    g.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (g.startsWith(QLatin1Char('/')))
        g.remove(0, 1);
    while (g.endsWith(QLatin1Char('/')))
        g.chop(1);
    return g;
}

bool SettingsStore::keyExists(const QString& key) const {
    const QString g = group(key);
    const int slash = int(g.lastIndexOf(QLatin1Char('/')));
    settings_->beginGroup(slash < 0 ? QString() : g.left(slash));
    const QString leaf = slash < 0 ? g : g.mid(slash + 1);
    const bool found = settings_->childGroups().contains(leaf);
    settings_->endGroup();
    return found;
}

QStringList SettingsStore::subKeys(const QString& key) const {
    settings_->beginGroup(group(key));
    QStringList result = settings_->childGroups();
    settings_->endGroup();
    return result;
}

bool SettingsStore::valueExists(const QString& key, const QString& name) const {
    return settings_->contains(group(key) + QLatin1Char('/') + name);
}

std::optional<QString> SettingsStore::readText(const QString& key, const QString& name) const {
    const QVariant v = settings_->value(group(key) + QLatin1Char('/') + name);
    if (!v.isValid())
        return std::nullopt;
    return v.toString();
}

void SettingsStore::writeText(const QString& key, const QString& name, const QString& value) {
    settings_->setValue(group(key) + QLatin1Char('/') + name, value);
}

std::optional<qint32> SettingsStore::readInt(const QString& key, const QString& name) const {
    const QVariant v = settings_->value(group(key) + QLatin1Char('/') + name);
    if (!v.isValid())
        return std::nullopt;
    bool ok = false;
    // Stored as a signed 32-bit integer; a text form of an unsigned value still reads back.
    const qlonglong n = v.toString().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return static_cast<qint32>(static_cast<quint32>(n));
}

void SettingsStore::writeInt(const QString& key, const QString& name, qint32 value) {
    settings_->setValue(group(key) + QLatin1Char('/') + name, value);
}

void SettingsStore::removeKey(const QString& key) { settings_->remove(group(key)); }

QString SettingsStore::sync() {
    settings_->sync();
    switch (settings_->status()) {
    case QSettings::NoError:
        return {};
    case QSettings::AccessError:
        return QStringLiteral("Brak dostępu do magazynu ustawień: ") + settings_->fileName();
    case QSettings::FormatError:
        return QStringLiteral("Błędny format magazynu ustawień: ") + settings_->fileName();
    }
    return {};
}

} // namespace wertan
