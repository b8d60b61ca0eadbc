#include "settings/program_options.h"

#include "text/counted_text.h"
#include "text/document_text.h"
#include "text/win1250.h"

#include <QDir>
#include <QFileInfo>

namespace wertan {

namespace {
constexpr std::size_t kRootOffset = 256;
constexpr std::size_t kTagCaseOffset = 512;
constexpr std::size_t kOpenOffset = 513;
constexpr std::size_t kSaveOffset = 514;
} // namespace

std::string encodeProgramOptions(const ProgramOptionsRecord& record) {
    std::string out;
    out.reserve(kProgramOptionsRecordSize);
    appendCountedText(out, record.browserPath, kProgramOptionsTextCapacity);
    appendCountedText(out, record.documentRoot, kProgramOptionsTextCapacity);
    out.push_back(static_cast<char>(record.tagCase));
    out.push_back(static_cast<char>(record.openConversion));
    out.push_back(static_cast<char>(record.saveConversion));
    return out;
}

bool decodeProgramOptions(std::string_view bytes, ProgramOptionsRecord* record) {
    if (bytes.size() < kProgramOptionsRecordSize) return false;
    ProgramOptionsRecord r;
    r.browserPath = readCountedText(bytes.substr(0, kRootOffset), kProgramOptionsTextCapacity);
    r.documentRoot =
        readCountedText(bytes.substr(kRootOffset, kTagCaseOffset - kRootOffset), kProgramOptionsTextCapacity);
    r.tagCase = static_cast<std::uint8_t>(bytes[kTagCaseOffset]);
    r.openConversion = static_cast<std::uint8_t>(bytes[kOpenOffset]);
    r.saveConversion = static_cast<std::uint8_t>(bytes[kSaveOffset]);
    *record = std::move(r);
    return true;
}

int conversionCode(const ConversionChoice& choice) {
    if (!choice.ticked) return 2;
    return choice.item == ConversionListItem::Windows1250 ? 1 : 0;
}

void applyConversionCode(int code, ConversionChoice* choice) {
    switch (code) {
    case 0:
        *choice = {true, ConversionListItem::Iso88592};
        break;
    case 1:
        *choice = {true, ConversionListItem::Windows1250};
        break;
    case 2:
        choice->ticked = false;
        break;
    default:
        break;
    }
}

ProgramOptionsForm initialProgramOptionsForm(const QString& homeDirectory) {
    ProgramOptionsForm form;
    form.browserPath = "/usr/bin/xdg-open";
    form.documentRoot = toWin1250(QDir::cleanPath(homeDirectory + QStringLiteral("/public_html")));
    return form;
}

ProgramOptionsForm initialProgramOptionsForm() {
    return initialProgramOptionsForm(QDir::homePath());
}

void fillProgramOptionsForm(const ProgramOptionsRecord& record, ProgramOptionsForm* form) {
    form->browserPath = record.browserPath;
    form->documentRoot = record.documentRoot;
    form->lowerCaseTags = record.tagCase != 0;
    applyConversionCode(record.openConversion, &form->onOpen);
    applyConversionCode(record.saveConversion, &form->onSave);
}

ProgramOptionsRecord recordFromForm(const ProgramOptionsForm& form) {
    ProgramOptionsRecord r;
    r.browserPath = form.browserPath.substr(0, kProgramOptionsTextCapacity);
    r.documentRoot = form.documentRoot.substr(0, kProgramOptionsTextCapacity);
    r.tagCase = form.lowerCaseTags ? 1 : 0;
    r.openConversion = static_cast<std::uint8_t>(conversionCode(form.onOpen));
    r.saveConversion = static_cast<std::uint8_t>(conversionCode(form.onSave));
    return r;
}

PublishedProgramOptions publishProgramOptions(const ProgramOptionsForm& form) {
    return {form.browserPath, form.documentRoot, form.lowerCaseTags, conversionCode(form.onOpen),
            conversionCode(form.onSave)};
}

QString missingProgramOptionsMessage() {
    return QStringLiteral(
        "Brak głownego pliku konfiguracyjnego!\rPrzywracam ustawienia domyślne...\rWykonano.");
}

bool readProgramOptions(const QString& path, ProgramOptionsRecord* record, QString* error) {
    std::string bytes;
    if (!readFileBytes(path, &bytes, error)) return false;
    if (!decodeProgramOptions(bytes, record)) {
        if (error)
            *error = QStringLiteral("Nie można odczytać pliku %1.\nOdczyt poza końcem pliku.")
                         .arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

bool writeProgramOptions(const QString& path, const ProgramOptionsRecord& record, QString* error) {
    return writeFileAtomically(path, encodeProgramOptions(record), error);
}

ProgramOptionsLoadResult loadProgramOptions(const QString& path, ProgramOptionsForm* form) {
    ProgramOptionsLoadResult result;
    if (QFileInfo::exists(path)) {
        ProgramOptionsRecord record;
        if (readProgramOptions(path, &record, &result.error)) {
            fillProgramOptionsForm(record, form);
            result.loaded = true;
        }
        return result;
    }
    result.message = missingProgramOptionsMessage();
    ProgramOptionsRecord record = recordFromForm(*form);
    record.openConversion = 2;
    record.saveConversion = 2;
    result.recreated = writeProgramOptions(path, record, &result.error);
    return result;
}

bool saveProgramOptions(const QString& path, const ProgramOptionsForm& form, QString* error) {
    return writeProgramOptions(path, recordFromForm(form), error);
}

} // namespace wertan
