#include "text/error_text.h"

#include <cerrno>
#include <cstring>

namespace wertan {

namespace {

struct Reason {
    int code;
    const char* text; // UTF-8
};

// The causes a user meets when saving, opening and transferring files.
constexpr Reason kReasons[] = {
    {EACCES, "Brak uprawnień"},
    {EPERM, "Operacja niedozwolona (brak uprawnień)"},
    {ENOENT, "Nie ma takiego pliku ani folderu"},
    {ENOTDIR, "Część ścieżki nie jest folderem"},
    {EISDIR, "To jest folder, a nie plik"},
    {ENOSPC, "Brak miejsca na dysku"},
#ifdef EDQUOT
    {EDQUOT, "Przekroczony przydział miejsca na dysku"},
#endif
    {EROFS, "System plików jest tylko do odczytu"},
    {EFBIG, "Plik jest za duży"},
    {ENAMETOOLONG, "Za długa nazwa pliku"},
    {ELOOP, "Za dużo poziomów dowiązań symbolicznych"},
    {EEXIST, "Plik już istnieje"},
    {EBUSY, "Plik jest zajęty"},
    {ETXTBSY, "Plik jest zajęty (uruchomiony program)"},
    {EIO, "Błąd wejścia-wyjścia"},
    {EMFILE, "Za dużo otwartych plików"},
    {ENFILE, "Za dużo otwartych plików w systemie"},
    {ENOMEM, "Brak pamięci"},
    {EXDEV, "Nie można przenieść pliku na inny system plików"},
    {ECONNREFUSED, "Połączenie odrzucone"},
    {ECONNRESET, "Połączenie zerwane przez drugą stronę"},
    {ETIMEDOUT, "Przekroczony czas oczekiwania"},
    {EHOSTUNREACH, "Komputer docelowy jest nieosiągalny"},
    {ENETUNREACH, "Sieć jest nieosiągalna"},
    {EPIPE, "Połączenie zostało zamknięte"},
    {kErrorHostNotFound, "Nie znaleziono komputera o tej nazwie"},
};

QString systemText(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

} // namespace

QString polishErrorReason(int code) {
    for (const Reason& reason : kReasons)
        if (reason.code == code) return QString::fromUtf8(reason.text);
    if (code == 0) return QStringLiteral("Nieznany błąd systemu");
    return systemText(code);
}

QString polishErrorReason(const QString& systemTextGiven, int fallbackCode) {
    const QString text = systemTextGiven.trimmed();
    if (text.isEmpty() || text == QLatin1String("Unknown error"))
        return fallbackCode != 0 ? polishErrorReason(fallbackCode) : QStringLiteral("Nieznany błąd systemu");
    for (const Reason& reason : kReasons) {
        if (reason.code <= 0) continue;
        // The system's wording, also as Qt words a few of them.
        if (text.compare(systemText(reason.code), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(reason.text);
    }
    if (text.compare(QLatin1String("Connection refused"), Qt::CaseInsensitive) == 0)
        return polishErrorReason(ECONNREFUSED);
    if (text.compare(QLatin1String("Host not found"), Qt::CaseInsensitive) == 0)
        return polishErrorReason(kErrorHostNotFound);
    if (text.compare(QLatin1String("Socket operation timed out"), Qt::CaseInsensitive) == 0 ||
        text.compare(QLatin1String("Network operation timed out"), Qt::CaseInsensitive) == 0)
        return polishErrorReason(ETIMEDOUT);
    if (text.compare(QLatin1String("Is a directory"), Qt::CaseInsensitive) == 0)
        return polishErrorReason(EISDIR);
    return text;
}

} // namespace wertan
