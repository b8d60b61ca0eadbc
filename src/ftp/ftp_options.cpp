#include "ftp/ftp_options.h"

#include "ftp/private_files.h"
#include "platform/settings_store.h"
#include "text/counted_text.h"
#include "text/document_text.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace wertan::ftp {

namespace {
constexpr std::size_t kPortOffset = 256;
constexpr std::size_t kLoginOffset = 277;
constexpr std::size_t kPasswordOffset = 378;
constexpr std::size_t kAnonymousOffset = 479;

std::string cut(const std::string& text, std::size_t capacity) {
    return text.substr(0, std::min(text.size(), capacity));
}
} // namespace

std::string encodeOptions(const FtpOptions& o) {
    std::string out;
    out.reserve(kOptionsRecordSize);
    appendCountedText(out, o.host, kHostCapacity);
    appendCountedText(out, o.port, kPortCapacity);
    appendCountedText(out, o.login, kLoginCapacity);
    appendCountedText(out, o.password, kPasswordCapacity);
    for (bool flag : {o.anonymous, o.connectWhenBrowsing, o.connectWhenSaving, o.disconnectAfterOpening,
                      o.disconnectAfterSaving})
        out.push_back(flag ? '\1' : '\0');
    return out;
}

bool decodeOptions(std::string_view bytes, FtpOptions* options) {
    if (bytes.size() < kOptionsRecordSize) return false;
    FtpOptions o;
    o.host = readCountedText(bytes.substr(0, kPortOffset), kHostCapacity);
    o.port = readCountedText(bytes.substr(kPortOffset, kLoginOffset - kPortOffset), kPortCapacity);
    o.login = readCountedText(bytes.substr(kLoginOffset, kPasswordOffset - kLoginOffset), kLoginCapacity);
    o.password =
        readCountedText(bytes.substr(kPasswordOffset, kAnonymousOffset - kPasswordOffset), kPasswordCapacity);
    o.anonymous = bytes[kAnonymousOffset] != '\0';
    o.connectWhenBrowsing = bytes[480] != '\0';
    o.connectWhenSaving = bytes[481] != '\0';
    o.disconnectAfterOpening = bytes[482] != '\0';
    o.disconnectAfterSaving = bytes[483] != '\0';
    *options = std::move(o);
    return true;
}

FtpOptionsForm formFromOptions(const FtpOptions& o) {
    FtpOptionsForm f;
    f.host = o.host;
    f.port = o.port;
    f.login = o.login;
    f.password = o.password;
    f.savePassword = !o.password.empty();
    f.anonymous = o.anonymous;
    f.connectOnOpenDialog = o.connectWhenBrowsing;
    f.connectOnSave = o.connectWhenSaving;
    f.disconnectAfterOpen = o.disconnectAfterOpening;
    f.disconnectAfterSave = o.disconnectAfterSaving;
    return f;
}

FtpOptions optionsFromForm(const FtpOptionsForm& f) {
    FtpOptions o;
    o.host = cut(f.host, kHostCapacity);
    o.port = cut(f.port, kPortCapacity);
    o.login = cut(f.login, kLoginCapacity);
    o.password = cut(f.password, kPasswordCapacity);
    o.anonymous = f.anonymous;
    o.connectWhenBrowsing = f.connectOnOpenDialog;
    o.connectWhenSaving = f.connectOnSave;
    o.disconnectAfterOpening = f.disconnectAfterOpen;
    o.disconnectAfterSaving = f.disconnectAfterSave;
    return o;
}

FtpOptions recordToStore(const FtpOptionsForm& f) {
    FtpOptions o = optionsFromForm(f);
    if (!f.savePassword) o.password.clear();
    return o;
}

QString missingOptionsMessage() {
    return QStringLiteral("Brak pliku konfiguracyjnego FTP!\rPrzywracam ustawienia domyślne...\rWykonano.");
}

bool readOptionsFile(const QString& path, FtpOptions* options, QString* error) {
    std::string bytes;
    if (!readFileBytes(path, &bytes, error)) return false;
    keepFilePrivate(path);
    if (!decodeOptions(bytes, options)) {
        if (error)
            *error = QStringLiteral("Nie można odczytać pliku %1.\nOdczyt poza końcem pliku.")
                         .arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

bool writeOptionsFile(const QString& path, const FtpOptions& options, QString* error) {
    return writePrivateFile(path, encodeOptions(options), error);
}

OptionsFileLoad loadOptionsFile(const QString& path) {
    OptionsFileLoad result;
    if (QFileInfo::exists(path)) {
        result.loaded = readOptionsFile(path, &result.options, &result.error);
        return result;
    }
    result.message = missingOptionsMessage();
    writeOptionsFile(path, result.options, &result.error);
    return result;
}

QString passiveModeKey() {
    return QStringLiteral("\\Software\\Wertan PHP\\FTP");
}

bool readPassiveMode(const SettingsStore& store) {
    return store.readInt(passiveModeKey(), QStringLiteral("PassiveMode")).value_or(1) != 0;
}

void writePassiveMode(SettingsStore& store, bool passive) {
    store.writeInt(passiveModeKey(), QStringLiteral("PassiveMode"), passive ? 1 : 0);
}

} // namespace wertan::ftp
