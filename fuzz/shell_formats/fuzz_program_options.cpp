// Arbitrary bytes as config/prog.dat2: a record is read only from 515 bytes or more, its texts stay
// within their fields, and what is read writes back as the same record and the same dialog fields.
#include "settings/program_options.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace wertan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ProgramOptionsRecord record;
    const bool read = decodeProgramOptions(bytes, &record);
    if (read != (size >= kProgramOptionsRecordSize)) __builtin_trap();
    if (!read) return 0;
    if (record.browserPath.size() > kProgramOptionsTextCapacity ||
        record.documentRoot.size() > kProgramOptionsTextCapacity)
        __builtin_trap();
    const std::string encoded = encodeProgramOptions(record);
    if (encoded.size() != kProgramOptionsRecordSize) __builtin_trap();
    ProgramOptionsRecord again;
    if (!decodeProgramOptions(encoded, &again) || !(again == record)) __builtin_trap();

    // Through the dialog's fields: known codes come back as they were, others leave the field.
    ProgramOptionsForm form = initialProgramOptionsForm(QStringLiteral("/home/u"));
    const ProgramOptionsForm initial = form;
    fillProgramOptionsForm(record, &form);
    const ProgramOptionsRecord written = recordFromForm(form);
    if (written.browserPath != record.browserPath || written.documentRoot != record.documentRoot)
        __builtin_trap();
    if (written.tagCase != (record.tagCase != 0 ? 1 : 0)) __builtin_trap();
    const auto check = [&](std::uint8_t code, std::uint8_t back, const ConversionChoice& before) {
        const int expected = code <= 2 ? code : conversionCode(before);
        if (back != expected) __builtin_trap();
    };
    check(record.openConversion, written.openConversion, initial.onOpen);
    check(record.saveConversion, written.saveConversion, initial.onSave);
    return 0;
}
