#include "platform/settings_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <utility>

namespace wertan {

SettingsStore::SettingsStore()
    : open_([] {
          return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Wertan PHP"), QStringLiteral("Wertan PHP"));
      }) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Where the native store keeps its file on this system.
    if (avoidSpecialFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/Wertan PHP/Wertan PHP.conf")))
        return;
#endif
    settings_ = open_();
    setAsideIfDamaged();
}

SettingsStore::SettingsStore(const QString& iniPath)
    : open_([iniPath] { return std::make_unique<QSettings>(iniPath, QSettings::IniFormat); }) {
    if (avoidSpecialFile(iniPath)) return;
    settings_ = open_();
    setAsideIfDamaged();
}

bool SettingsStore::avoidSpecialFile(const QString& path) {
    // Reading a FIFO waits for a writer for ever, and the store's save would rename over it: a
    // store file that is a FIFO, a device or a socket is left alone, and the run keeps its settings in a
    // private folder that goes with it.
    // A folder there cannot hang a read nor be renamed over: the store reports it at its sync.
    const QFileInfo info(path);
    if (!info.exists() || info.isFile() || info.isDir()) return false;
    scratch_ = std::make_unique<QTemporaryDir>();
    settings_ =
        std::make_unique<QSettings>(scratch_->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    damageReport_ =
        QStringLiteral("Plik ustawień %1 nie jest zwykłym plikiem i nie został odczytany. Program "
                       "zaczyna z ustawieniami domyślnymi, których nie zapisze przy zakończeniu.")
            .arg(QDir::toNativeSeparators(path));
    return true;
}

void SettingsStore::setAsideIfDamaged() {
    settings_->childGroups(); // the file is read at the first access
    if (settings_->status() != QSettings::FormatError) return;
    const QString file = settings_->fileName();
    // Dropped without writing: a store that failed to read would write its few readable values
    // over the damaged file at the next sync.
    settings_.reset();
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString kept = file + QStringLiteral(".uszkodzony-") + stamp;
    for (int n = 2; QFile::exists(kept); ++n)
        kept = file + QStringLiteral(".uszkodzony-") + stamp + QLatin1Char('-') + QString::number(n);
    QFile damaged(file);
    if (damaged.rename(kept)) {
        damageReport_ = QStringLiteral("Plik ustawień %1 jest uszkodzony i nie dał się odczytać. Został "
                                       "zachowany jako %2, a program zaczyna z ustawieniami domyślnymi.")
                            .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(kept));
    } else {
        damageReport_ =
            QStringLiteral("Plik ustawień %1 jest uszkodzony i nie dał się odczytać, a nie można go "
                           "zachować pod inną nazwą (%2). Program zaczyna z ustawieniami "
                           "domyślnymi, które zastąpią ten plik przy zakończeniu.")
                .arg(QDir::toNativeSeparators(file), damaged.errorString());
    }
    settings_ = open_();
    if (settings_->status() == QSettings::FormatError) settings_->clear();
}

QString SettingsStore::takeDamageReport() {
    return std::exchange(damageReport_, QString());
}

SettingsStore::~SettingsStore() {
    settings_.reset(); // written before a private folder holding it goes
}

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
    if (!v.isValid()) return std::nullopt;
    return v.toString();
}

void SettingsStore::writeText(const QString& key, const QString& name, const QString& value) {
    settings_->setValue(group(key) + QLatin1Char('/') + name, value);
}

std::optional<qint32> SettingsStore::readInt(const QString& key, const QString& name) const {
    const QVariant v = settings_->value(group(key) + QLatin1Char('/') + name);
    if (!v.isValid()) return std::nullopt;
    bool ok = false;
    // Stored as a signed 32-bit integer; a text form of an unsigned value still reads back.
    const qlonglong n = v.toString().toLongLong(&ok);
    if (!ok) return std::nullopt;
    return static_cast<qint32>(static_cast<quint32>(n));
}

void SettingsStore::writeInt(const QString& key, const QString& name, qint32 value) {
    settings_->setValue(group(key) + QLatin1Char('/') + name, value);
}

void SettingsStore::removeKey(const QString& key) {
    settings_->remove(group(key));
}

QString SettingsStore::sync() {
    settings_->sync();
    QString failure;
    switch (settings_->status()) {
    case QSettings::NoError:
        return {};
    case QSettings::AccessError:
        failure = QStringLiteral("Brak dostępu do magazynu ustawień: ") + settings_->fileName();
        break;
    case QSettings::FormatError:
        failure = QStringLiteral("Błędny format magazynu ustawień: ") + settings_->fileName();
        break;
    }
    return failure;
}

} // namespace wertan
