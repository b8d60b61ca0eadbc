#pragma once
// The FTP options, kept in config\ftp.dat2: exactly one record of 484 bytes.
//
//   offset  size  field
//        0   256  host, counted text of capacity 255
//      256    21  port, counted text of capacity 20 (a number or a service name; "ftp" is 21)
//      277   101  login, counted text of capacity 100
//      378   101  password, counted text of capacity 100; empty unless it is to be remembered
//      479     1  log in as anonymous
//      480     1  connect by itself when the remote browser is shown for opening
//      481     1  connect by itself when the remote browser is shown for saving, and on store back
//      482     1  disconnect after a file has been fetched
//      483     1  disconnect after a file has been stored
//
// The record in memory is also the current connection settings: every connection is built from
// its host, port, login and password. Passive mode is a user setting in the settings store.
#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace wertan {
class SettingsStore;
}

namespace wertan::ftp {

inline constexpr std::size_t kOptionsRecordSize = 484;
inline constexpr std::size_t kHostCapacity = 255;
inline constexpr std::size_t kPortCapacity = 20;
inline constexpr std::size_t kLoginCapacity = 100;
inline constexpr std::size_t kPasswordCapacity = 100;

struct FtpOptions {
    std::string host = "localhost";
    std::string port = "ftp";
    std::string login = "root";
    std::string password;
    bool anonymous = false;
    bool connectWhenBrowsing = false;    // byte 480
    bool connectWhenSaving = false;      // byte 481
    bool disconnectAfterOpening = false; // byte 482
    bool disconnectAfterSaving = false;  // byte 483
    bool operator==(const FtpOptions&) const = default;
};

std::string encodeOptions(const FtpOptions& options);
// False when there are fewer bytes than a record; bytes after the record are not read.
bool decodeOptions(std::string_view bytes, FtpOptions* options);

// The password the anonymous presentation proposes: it stands for the user's e-mail address.
inline constexpr const char* kAnonymousPassword = "ja@host.pl";
inline constexpr const char* kAnonymousLogin = "anonymous";

// The fields of the options dialog.
struct FtpOptionsForm {
    std::string host;
    std::string port;
    std::string login;
    std::string password;
    bool anonymous = false;
    bool savePassword = false;
    // The four automation boxes, each beside the caption that says what its flag does.
    bool connectOnOpenDialog = false; // "Łącz z serwerem ftp przy otwarciu okna dialogowego ..." - byte 480
    bool connectOnSave = false;       // "Łącz z serwerem ftp przy zapisywaniu pliku." - byte 481
    bool disconnectAfterOpen = false; // "Rozłaczaj po wczytaniu pliku z serwera ftp.." - byte 482
    bool disconnectAfterSave = false; // "Rozłaczaj po zapisaniu pliku na serwerze ftp." - byte 483
    bool operator==(const FtpOptionsForm&) const = default;
};

// The fields shown for the settings: "Zapamiętaj hasło" is ticked when there is a password.
FtpOptionsForm formFromOptions(const FtpOptions& options);
// "OK": the connection settings of the fields (texts cut to their capacities). The password is the
// field's text whether remembered or not, so that this run can connect with it.
FtpOptions optionsFromForm(const FtpOptionsForm& form);
// What "OK" writes to the file: the password only when it is to be remembered.
FtpOptions recordToStore(const FtpOptionsForm& form);

// The missing-file message (three lines separated by carriage returns).
QString missingOptionsMessage();

bool readOptionsFile(const QString& path, FtpOptions* options, QString* error);
// Replaces the file with the record, readable by its owner only (it may hold a password).
bool writeOptionsFile(const QString& path, const FtpOptions& options, QString* error);

struct OptionsFileLoad {
    FtpOptions options;
    QString message; // the missing-file message, to show first; empty otherwise
    QString error;   // an input/output error; empty on success
    bool loaded = false;
};
// Reads the file; a missing file gives the message and the defaults, which are written to it.
OptionsFileLoad loadOptionsFile(const QString& path);

// Passive data connections, on unless the user has turned them off.
bool readPassiveMode(const SettingsStore& store);
void writePassiveMode(SettingsStore& store, bool passive);
QString passiveModeKey();

} // namespace wertan::ftp
