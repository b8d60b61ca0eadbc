<?php
// #zkPHP
// Biblioteka klas Wertan PHP: licznik odwiedzin zapisywany w pliku.
// #zkfile(wspolne.php)
//
// Liczba odwiedzin jest w pliku tekstowym; zapis chroni blokada pliku, wiêc
// równoczesne odwiedziny nie gubi¹ siê. Serwer WWW musi móc pisaæ do tego pliku
// (albo do katalogu, w którym plik ma powstaæ).
// Gdy unikalne jest w³¹czone, odwiedzaj¹cy jest liczony raz na czas_ciasteczka
// godzin. Ciasteczko mo¿na wys³aæ tylko przed treœci¹ strony: wtedy wywo³aj
// zlicz() na pocz¹tku strony, a pokaz() tam, gdzie ma byæ licznik.
//
// Przyk³ad:
//   $licznik = new ZkLicznik;
//   $licznik->plik = 'dane/licznik.txt';
//   $licznik->pokaz();
//
// Parametry klasy:
// #zkClassBegin
// #zkClassName(ZkLicznik)
// #zkPHPBegin
// #zkText(plik licznika)
// #zkName(plik)
// #zkString
// #zkStringText(licznik.txt)
// #zkStringLeng(255)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(napis przed liczb¹)
// #zkName(etykieta)
// #zkString
// #zkStringText(odwiedzin: )
// #zkStringLeng(100)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(najmniej cyfr)
// #zkName(cyfry)
// #zkInt
// #zkIntMinMax(1,12)
// #zkIntValue(6)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(liczyæ odwiedzaj¹cego raz)
// #zkName(unikalne)
// #zkItems
// #zkItem(true)
// #zkItem(false)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(na ile godzin)
// #zkName(czas_ciasteczka)
// #zkInt
// #zkIntMinMax(1,8760)
// #zkIntValue(24)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(kodowanie strony)
// #zkName(kodowanie)
// #zkItems
// #zkItem('windows-1250')
// #zkItem('iso-8859-2')
// #zkItem('utf-8')
// #zkPHPEnd
// #zkPHPBegin
// #zkText(pokazywaæ szczegó³y b³êdów)
// #zkName(pokaz_bledy)
// #zkItems
// #zkItem(false)
// #zkItem(true)
// #zkPHPEnd
// #zkClassEnd

require_once __DIR__ . '/wspolne.php';

if (class_exists('ZkLicznik', false)) {
    return;
}

/**
 * Licznik odwiedzin strony.
 */
class ZkLicznik extends ZkObiekt
{
    /** Plik licznika; œcie¿ka wzglêdna liczy siê od katalogu tego pliku klasy. */
    public string $plik = 'licznik.txt';

    /** Napis przed liczb¹, w kodowaniu strony; pusty tekst - "Odwiedzin: ". */
    public string $etykieta = '';

    /** Najmniejsza liczba cyfr; brakuj¹ce cyfry uzupe³niaj¹ zera z przodu. */
    public int $cyfry = 6;

    /** Czy liczyæ odwiedzaj¹cego raz na czas_ciasteczka godzin. */
    public bool $unikalne = true;

    /** Na ile godzin zapamiêtaæ odwiedzaj¹cego. */
    public int $czas_ciasteczka = 24;

    /** Stan licznika po zliczeniu tej odwiedziny; null - jeszcze nie zliczono. */
    private ?int $stan = null;

    /**
     * Zlicza tê odwiedzinê (tylko raz na obiekt) i zwraca stan licznika.
     */
    public function zlicz(): int
    {
        if ($this->stan === null) {
            $ciasteczko = 'zk_licznik_' . substr(hash('sha256', $this->sciezka()), 0, 12);
            $liczyc = !$this->unikalne || !isset($_COOKIE[$ciasteczko]);
            $this->stan = $this->odczytajIZwieksz($liczyc);
            if ($this->unikalne && $liczyc && !headers_sent()) {
                setcookie($ciasteczko, '1', [
                    'expires' => time() + 3600 * max(1, $this->czas_ciasteczka),
                    'path' => '/',
                    'httponly' => true,
                    'samesite' => 'Lax',
                ]);
            }
        }
        return $this->stan;
    }

    public function zbuduj(): string
    {
        try {
            $stan = $this->zlicz();
        } catch (Throwable $wyjatek) {
            return $this->blad($wyjatek);
        }
        $etykieta = $this->etykieta !== '' ? $this->html($this->etykieta) : $this->napisHtml('Odwiedzin: ');
        return '<span class="zk-licznik">' . $etykieta
            . '<span class="zk-liczba">' . str_pad((string) $stan, max(1, $this->cyfry), '0', STR_PAD_LEFT) . '</span>'
            . '</span>';
    }

    /**
     * Pe³na œcie¿ka pliku licznika.
     */
    private function sciezka(): string
    {
        $plik = trim($this->plik);
        if ($plik === '') {
            throw new InvalidArgumentException('Nie podano pliku licznika.');
        }
        $bezwzgledna = $plik[0] === '/' || $plik[0] === '\\' || preg_match('/^[A-Za-z]:/', $plik) === 1;
        return $bezwzgledna ? $plik : __DIR__ . DIRECTORY_SEPARATOR . $plik;
    }

    /**
     * Czyta stan licznika i, gdy trzeba, zapisuje go powiêkszony o jeden - pod blokad¹ pliku.
     */
    private function odczytajIZwieksz(bool $zwiekszyc): int
    {
        $sciezka = $this->sciezka();
        $uchwyt = @fopen($sciezka, $zwiekszyc ? 'c+' : 'r');
        if ($uchwyt === false) {
            if (!$zwiekszyc && !file_exists($sciezka)) {
                return 0;
            }
            throw new RuntimeException('Nie mo¿na otworzyæ pliku licznika ' . $sciezka . ': '
                . (error_get_last()['message'] ?? ''));
        }
        try {
            if (!flock($uchwyt, $zwiekszyc ? LOCK_EX : LOCK_SH)) {
                throw new RuntimeException('Nie mo¿na zablokowaæ pliku licznika ' . $sciezka);
            }
            $tekst = trim((string) stream_get_contents($uchwyt));
            $stan = preg_match('/^[0-9]{1,18}$/', $tekst) === 1 ? (int) $tekst : 0;
            if ($zwiekszyc) {
                $stan++;
                if (!ftruncate($uchwyt, 0) || !rewind($uchwyt) || fwrite($uchwyt, (string) $stan) === false || !fflush($uchwyt)) {
                    throw new RuntimeException('Nie mo¿na zapisaæ pliku licznika ' . $sciezka);
                }
            }
            flock($uchwyt, LOCK_UN);
        } finally {
            fclose($uchwyt);
        }
        return $stan;
    }
}
