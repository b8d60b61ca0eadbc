<?php
// Biblioteka klas Wertan PHP: wspólna podstawa wszystkich klas biblioteki.
// Kodowanie znaków strony, bezpieczne wypisywanie tekstu w HTML,
// odczyt pól formularza, stronicowanie i pole-pu³apka na automaty.
// #zkfile(zkstyl.css)
//
// Teksty biblioteki s¹ zapisane w kodowaniu windows-1250; metoda napis()
// przek³ada je na kodowanie strony wybrane w³aœciwoœci¹ $kodowanie.
// PHP wysy³a domyœlnie nag³ówek "charset=UTF-8"; strona w innym kodowaniu
// powinna na samym pocz¹tku wys³aæ w³asny, np.:
//   header('Content-Type: text/html; charset=windows-1250');
// Style wygl¹du klas s¹ w pliku zkstyl.css, np.:
//   <link rel="stylesheet" href="katalog/zkstyl.css">

if (class_exists('ZkObiekt', false)) {
    // Plik do³¹czony ju¿ z innego katalogu projektu.
    return;
}

/**
 * Klasa bazowa obiektów biblioteki.
 */
abstract class ZkObiekt
{
    /** Kodowanie znaków strony: 'windows-1250', 'iso-8859-2' albo 'utf-8'. */
    public string $kodowanie = 'windows-1250';

    /** Czy pokazywaæ na stronie szczegó³y b³êdów (tylko podczas tworzenia strony). */
    public bool $pokaz_bledy = false;

    /** Polskie litery windows-1250, które w ISO-8859-2 maj¹ inne kody. */
    private const CP1250_ISO88592 = [
        "\xA5" => "\xA1", "\xB9" => "\xB1", "\x8C" => "\xA6",
        "\x9C" => "\xB6", "\x8F" => "\xAC", "\x9F" => "\xBC",
    ];

    /** Polskie litery windows-1250 zapisane w UTF-8. */
    private const CP1250_UTF8 = [
        "\xA5" => "\u{0104}", "\xB9" => "\u{0105}", "\xC6" => "\u{0106}",
        "\xE6" => "\u{0107}", "\xCA" => "\u{0118}", "\xEA" => "\u{0119}",
        "\xA3" => "\u{0141}", "\xB3" => "\u{0142}", "\xD1" => "\u{0143}",
        "\xF1" => "\u{0144}", "\xD3" => "\u{00D3}", "\xF3" => "\u{00F3}",
        "\x8C" => "\u{015A}", "\x9C" => "\u{015B}", "\x8F" => "\u{0179}",
        "\x9F" => "\u{017A}", "\xAF" => "\u{017B}", "\xBF" => "\u{017C}",
    ];

    /**
     * Kodowanie strony sprowadzone do jednej z trzech nazw.
     */
    protected function kodowanieStrony(): string
    {
        $nazwa = strtolower(trim($this->kodowanie));
        switch ($nazwa) {
            case 'windows-1250':
            case 'cp1250':
                return 'windows-1250';
            case 'iso-8859-2':
            case 'latin2':
                return 'iso-8859-2';
            case 'utf-8':
            case 'utf8':
                return 'utf-8';
        }
        throw new InvalidArgumentException('Nieznane kodowanie znaków: ' . $this->kodowanie);
    }

    /**
     * Tekst biblioteki (windows-1250) w kodowaniu strony, jeszcze nie zabezpieczony dla HTML.
     */
    protected function napis(string $tekst): string
    {
        switch ($this->kodowanieStrony()) {
            case 'utf-8':
                return strtr($tekst, self::CP1250_UTF8);
            case 'iso-8859-2':
                return strtr($tekst, self::CP1250_ISO88592);
        }
        return $tekst;
    }

    /**
     * Tekst biblioteki gotowy do wstawienia w HTML.
     */
    protected function napisHtml(string $tekst): string
    {
        return $this->html($this->napis($tekst));
    }

    /**
     * Dowolna wartoœæ zabezpieczona do wypisania w HTML (tak¿e w atrybucie).
     */
    public function html($wartosc): string
    {
        // htmlspecialchars() nie zna windows-1250 ani ISO-8859-2. Oba kodowania
        // s¹ jednobajtowe i zgodne z ASCII, wiêc zamiana znaków specjalnych
        // przebiega w nich tak samo jak w ISO-8859-1.
        $zestaw = $this->kodowanieStrony() === 'utf-8' ? 'UTF-8' : 'ISO-8859-1';
        return htmlspecialchars((string) $wartosc, ENT_QUOTES | ENT_SUBSTITUTE, $zestaw);
    }

    /**
     * Nazwa kodowania do nag³ówków poczty i HTTP.
     */
    protected function nazwaKodowania(): string
    {
        return strtoupper($this->kodowanieStrony());
    }

    /**
     * D³ugoœæ tekstu w znakach; null, gdy tekst nie jest poprawny w kodowaniu strony.
     */
    protected function dlugosc(string $tekst): ?int
    {
        if ($this->kodowanieStrony() !== 'utf-8') {
            return strlen($tekst);
        }
        $ile = preg_match_all('/./su', $tekst);
        return $ile === false ? null : $ile;
    }

    /**
     * Tekst z formularza oczyszczony ze znaków steruj¹cych; null przy z³ym kodowaniu.
     * Tekst jednowierszowy traci te¿ koñce wierszy, wielowierszowy ma je jako "\n".
     */
    protected function czystyTekst(string $tekst, bool $wielewierszy = false): ?string
    {
        if ($this->dlugosc($tekst) === null) {
            return null;
        }
        $tekst = str_replace(["\r\n", "\r"], "\n", $tekst);
        $tekst = preg_replace('/[\x00-\x08\x0B-\x1F\x7F]/', '', $tekst);
        if (!$wielewierszy) {
            $tekst = str_replace(["\n", "\t"], ' ', $tekst);
        }
        return trim($tekst);
    }

    /**
     * Pole formularza wys³anego metod¹ POST; tablice i brak pola daj¹ pusty tekst.
     */
    protected function pole(string $nazwa): string
    {
        $wartosc = $_POST[$nazwa] ?? '';
        return is_string($wartosc) ? $wartosc : '';
    }

    /**
     * Czy w³aœnie wys³ano formularz o podanym znaczniku.
     */
    protected function wyslanoFormularz(string $znacznik): bool
    {
        return ($_SERVER['REQUEST_METHOD'] ?? '') === 'POST'
            && $this->pole('zk_formularz') === $znacznik;
    }

    /**
     * Ukryte pola formularza: jego znacznik i pole-pu³apka, któr¹ wype³niaj¹ tylko automaty.
     */
    protected function ukrytePola(string $znacznik): string
    {
        return '<input type="hidden" name="zk_formularz" value="' . $this->html($znacznik) . '">'
            . '<span class="zk-pulapka" style="position:absolute;left:-9999px" aria-hidden="true">'
            . '<input type="text" name="zk_www" value="" tabindex="-1" autocomplete="off">'
            . '</span>';
    }

    /**
     * Czy wype³niono pole-pu³apkê (formularz wys³a³ automat).
     */
    protected function wypelnionoPulapke(): bool
    {
        return $this->pole('zk_www') !== '';
    }

    /**
     * Sprawdza nazwê (tabeli, kolumny, parametru adresu): litery ASCII, cyfry i podkreœlenia.
     */
    protected static function sprawdzNazwe(string $nazwa, string $czego): string
    {
        if (preg_match('/^[A-Za-z_][A-Za-z0-9_]{0,63}$/', $nazwa) !== 1) {
            throw new InvalidArgumentException('Niedozwolona nazwa ' . $czego . ': ' . $nazwa);
        }
        return $nazwa;
    }

    /**
     * Numer strony z adresu (parametr GET), ograniczony do 1..liczba stron.
     */
    protected function numerStrony(string $parametr, int $liczbaStron): int
    {
        $wartosc = $_GET[self::sprawdzNazwe($parametr, 'parametru')] ?? '1';
        $strona = is_string($wartosc) && preg_match('/^[0-9]{1,9}$/', $wartosc) === 1 ? (int) $wartosc : 1;
        return max(1, min($strona, $liczbaStron));
    }

    /**
     * Odnoœniki do poprzedniej i nastêpnej strony; pusty tekst, gdy jest jedna strona.
     */
    protected function stronicowanie(int $strona, int $liczbaStron, string $parametr): string
    {
        if ($liczbaStron <= 1) {
            return '';
        }
        $html = '<p class="zk-strony">';
        if ($strona > 1) {
            $html .= '<a href="' . $this->html($this->adresStrony($parametr, $strona - 1)) . '">&laquo; '
                . $this->napisHtml('Poprzednia') . '</a> ';
        }
        $html .= $this->napisHtml('Strona') . ' ' . $strona . ' z ' . $liczbaStron;
        if ($strona < $liczbaStron) {
            $html .= ' <a href="' . $this->html($this->adresStrony($parametr, $strona + 1)) . '">'
                . $this->napisHtml('Nastêpna') . ' &raquo;</a>';
        }
        return $html . '</p>';
    }

    /**
     * Adres bie¿¹cej strony z innym numerem strony; pozosta³e parametry GET zostaj¹.
     */
    protected function adresStrony(string $parametr, int $strona): string
    {
        $parametry = $_GET;
        $parametry[$parametr] = $strona;
        return '?' . http_build_query($parametry, '', '&', PHP_QUERY_RFC3986);
    }

    /**
     * Komunikat o b³êdzie dla strony; szczegó³y trafiaj¹ do dziennika serwera,
     * a na stronê tylko wtedy, gdy w³¹czono pokaz_bledy.
     */
    protected function blad(Throwable $wyjatek): string
    {
        error_log(static::class . ': ' . $wyjatek->getMessage());
        $html = '<p class="zk-blad">' . $this->napisHtml('Wyst¹pi³ b³¹d. Spróbuj ponownie póŸniej.');
        if ($this->pokaz_bledy) {
            $html .= '<br>' . $this->html(get_class($wyjatek) . ': ' . $wyjatek->getMessage());
        }
        return $html . '</p>';
    }

    /**
     * Wypisuje kod HTML obiektu.
     */
    public function pokaz(): void
    {
        echo $this->zbuduj();
    }

    /**
     * Kod HTML obiektu.
     */
    abstract public function zbuduj(): string;
}
