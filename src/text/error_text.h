#pragma once
// The reasons of failed file and network operations in Polish, for every message that names one.
#include <QString>

namespace wertan {

// A name lookup that found no address has no error number of its own; this code stands for it.
inline constexpr int kErrorHostNotFound = -1;

// The reason for an error number (errno), capitalised and without a final stop ("Brak miejsca na
// dysku"). Common causes are given in Polish; any other code gets the system's own text, never an
// empty or "unknown" one.
QString polishErrorReason(int code);

// The same for a reason the system has already put into words (QFile::errorString(), the message
// of a std::error_code): a text that is the system's wording of a common cause comes back in
// Polish, any other text as it is. An empty text or Qt's "Unknown error" becomes `fallbackCode`'s
// reason when one is given.
QString polishErrorReason(const QString& systemText, int fallbackCode = 0);

} // namespace wertan
