#pragma once
// The general program options, kept in config\prog.dat2: exactly one record of 515 bytes.
//
//   offset  size  field
//        0     1  browser path length (0 to 255)
//        1   255  browser path, Windows-1250, zeros after the text
//      256     1  document root length
//      257   255  document root
//      512     1  tag case: 0 upper-case tags, 1 lower-case tags
//      513     1  conversion on open: 0 to ISO-8859-2, 1 to Windows-1250, 2 no fixed conversion
//      514     1  conversion on save: coded as on open
//
// The options dialog holds the values in its fields; the record is read into the fields, the fields
// are written back as a record, and the fields are published into the shell settings. This file
// holds all of that as plain values, so the dialog only mirrors them in its controls.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wertan {

inline constexpr std::size_t kProgramOptionsRecordSize = 515;
inline constexpr std::size_t kProgramOptionsTextCapacity = 255;

struct ProgramOptionsRecord {
    std::string browserPath;  // Windows-1250
    std::string documentRoot; // Windows-1250
    std::uint8_t tagCase = 0;
    std::uint8_t openConversion = 2;
    std::uint8_t saveConversion = 2;
    bool operator==(const ProgramOptionsRecord&) const = default;
};

// The 515 bytes of a record; texts longer than 255 bytes are cut to 255.
std::string encodeProgramOptions(const ProgramOptionsRecord& record);
// Reads the record at the start of the bytes; bytes after the record are not read. False when there
// are fewer bytes than a record.
bool decodeProgramOptions(std::string_view bytes, ProgramOptionsRecord* record);

// ---- The dialog's fields -------------------------------------------------------------------------

// The entries of a conversion list, in list order.
enum class ConversionListItem { Windows1250 = 0, Iso88592 = 1 };

// A conversion field: a check box and a list that is enabled only while the box is ticked.
struct ConversionChoice {
    bool ticked = false;
    ConversionListItem item = ConversionListItem::Windows1250; // both lists start on Windows-1250
    bool operator==(const ConversionChoice&) const = default;
};
// Box cleared 2; ticked with Windows-1250 1; ticked with ISO-8859-2 0.
int conversionCode(const ConversionChoice& choice);
// 0 ticks and selects ISO-8859-2, 1 ticks and selects Windows-1250, 2 clears the box (the list keeps
// its entry); any other value leaves box and list as they are.
void applyConversionCode(int code, ConversionChoice* choice);

struct ProgramOptionsForm {
    std::string browserPath;  // Windows-1250
    std::string documentRoot; // Windows-1250
    bool lowerCaseTags = false;
    ConversionChoice onOpen;
    ConversionChoice onSave;
    bool operator==(const ProgramOptionsForm&) const = default;
};

// The fields as the dialog is created: the browser program "/usr/bin/xdg-open", the document root
// public_html in the home folder, upper-case tags, both boxes cleared with Windows-1250 selected.
ProgramOptionsForm initialProgramOptionsForm(const QString& homeDirectory);
ProgramOptionsForm initialProgramOptionsForm();

// Fills the fields from a record: tag case 0 selects upper case, any other value lower case.
void fillProgramOptionsForm(const ProgramOptionsRecord& record, ProgramOptionsForm* form);
// The record "&OK" writes.
ProgramOptionsRecord recordFromForm(const ProgramOptionsForm& form);

// The values copied into the shell settings.
struct PublishedProgramOptions {
    std::string browserPath;
    std::string documentRoot;
    bool lowerCaseTags = false;
    int openConversion = 2;
    int saveConversion = 2;
    bool operator==(const PublishedProgramOptions&) const = default;
};
PublishedProgramOptions publishProgramOptions(const ProgramOptionsForm& form);

// ---- The file -------------------------------------------------------------------------------------

// Shown when the file is missing, before it is written anew (lines separated by carriage returns).
QString missingProgramOptionsMessage();

// Reads the file's record. False with a Polish message and the reason when the file cannot be read
// or is shorter than a record; the record is then left as it was.
bool readProgramOptions(const QString& path, ProgramOptionsRecord* record, QString* error);
// Replaces the file with the record, atomically.
bool writeProgramOptions(const QString& path, const ProgramOptionsRecord& record, QString* error);

struct ProgramOptionsLoadResult {
    bool loaded = false;    // the file was read into the fields
    bool recreated = false; // the file was missing and has been written from the fields
    QString message;        // the missing-file message, to show first; empty otherwise
    QString error;          // an input/output error, to show after the message; empty on success
    bool ok() const { return error.isEmpty(); }
};
// Fills the fields from the file. A missing file: the message, then the file is written from the
// fields with both conversions 2 (the fields themselves stay as they are). A file that cannot be
// read or is too short leaves the fields untouched and reports the error; at start-up the caller
// then does not publish, so the shell settings keep their starting values.
ProgramOptionsLoadResult loadProgramOptions(const QString& path, ProgramOptionsForm* form);
// "&OK": writes the record of the fields, replacing the file.
bool saveProgramOptions(const QString& path, const ProgramOptionsForm& form, QString* error);

} // namespace wertan
