<?php
// #zkPHP
// Biblioteka klas Wertan PHP: po≥πczenie z bazπ danych przez PDO.
// #zkfile(wspolne.php)
//
// Kaøde zapytanie jest przygotowane (prepare), a wartoúci sπ przekazywane
// osobno jako parametry, nigdy wklejane w tekst SQL.
//
// Przyk≥ad:
//   $baza = new ZkBaza;
//   $baza->dsn = 'mysql:host=localhost;dbname=sklep';
//   foreach ($baza->wiersze('SELECT nazwa FROM towary WHERE cena < ?', [100]) as $w) {
//       echo $baza->html($w['nazwa']), '<br>';
//   }
//
// Parametry klasy:
// #zkClassBegin
// #zkClassName(ZkBaza)
// #zkPHPBegin
// #zkText(ürÛd≥o danych - dsn)
// #zkName(dsn)
// #zkString
// #zkStringText(mysql:host=localhost;dbname=test)
// #zkStringLeng(255)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(uøytkownik bazy)
// #zkName(uzytkownik)
// #zkString
// #zkStringText(root)
// #zkStringLeng(64)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(has≥o)
// #zkName(haslo)
// #zkString
// #zkStringText()
// #zkStringLeng(255)
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
// #zkText(pokazywaÊ szczegÛ≥y b≥ÍdÛw)
// #zkName(pokaz_bledy)
// #zkItems
// #zkItem(false)
// #zkItem(true)
// #zkPHPEnd
// #zkClassEnd

require_once __DIR__ . '/wspolne.php';

if (class_exists('ZkBaza', false)) {
    return;
}

/**
 * Po≥πczenie z bazπ danych (MySQL, PostgreSQL albo SQLite) i zapytania przygotowane.
 */
class ZkBaza extends ZkObiekt
{
    /** èrÛd≥o danych PDO, np. 'mysql:host=localhost;dbname=test' albo 'sqlite:/sciezka/baza.db'. */
    public string $dsn = 'mysql:host=localhost;dbname=test';

    /** Uøytkownik bazy danych. */
    public string $uzytkownik = 'root';

    /** Has≥o uøytkownika bazy danych. */
    public string $haslo = '';

    /** @var array<string, PDO> Po≥πczenia otwarte na tej stronie, wspÛlne dla obiektÛw o tych samych danych. */
    private static array $polaczenia = [];

    /**
     * Po≥πczenie PDO; otwierane przy pierwszym uøyciu.
     */
    public function polaczenie(): PDO
    {
        $dsn = $this->dsnZKodowaniem();
        $klucz = hash('sha256', $dsn . "\0" . $this->uzytkownik . "\0" . $this->haslo);
        if (!isset(self::$polaczenia[$klucz])) {
            $pdo = new PDO($dsn, $this->uzytkownik, $this->haslo, [
                PDO::ATTR_ERRMODE => PDO::ERRMODE_EXCEPTION,
                PDO::ATTR_DEFAULT_FETCH_MODE => PDO::FETCH_ASSOC,
            ]);
            switch ($pdo->getAttribute(PDO::ATTR_DRIVER_NAME)) {
                case 'mysql':
                    // Prawdziwe zapytania przygotowane po stronie serwera.
                    $pdo->setAttribute(PDO::ATTR_EMULATE_PREPARES, false);
                    break;
                case 'pgsql':
                    $kodowania = ['windows-1250' => 'WIN1250', 'iso-8859-2' => 'LATIN2', 'utf-8' => 'UTF8'];
                    $pdo->exec("SET client_encoding TO '" . $kodowania[$this->kodowanieStrony()] . "'");
                    break;
            }
            self::$polaczenia[$klucz] = $pdo;
        }
        return self::$polaczenia[$klucz];
    }

    /**
     * DSN; po≥πczenie z MySQL bez podanego kodowania dostaje kodowanie strony.
     */
    private function dsnZKodowaniem(): string
    {
        $dsn = trim($this->dsn);
        if (stripos($dsn, 'mysql:') === 0 && stripos($dsn, 'charset=') === false) {
            $kodowania = ['windows-1250' => 'cp1250', 'iso-8859-2' => 'latin2', 'utf-8' => 'utf8mb4'];
            $dsn .= (substr($dsn, -1) === ';' ? '' : ';') . 'charset=' . $kodowania[$this->kodowanieStrony()];
        }
        return $dsn;
    }

    /**
     * Nazwa sterownika PDO: 'mysql', 'pgsql', 'sqlite' itd.
     */
    public function sterownik(): string
    {
        return $this->polaczenie()->getAttribute(PDO::ATTR_DRIVER_NAME);
    }

    /**
     * Wykonuje zapytanie przygotowane. Parametry: lista wartoúci dla znakÛw "?"
     * albo tablica nazwa => wartoúÊ dla parametrÛw ":nazwa".
     */
    public function zapytanie(string $sql, array $parametry = []): PDOStatement
    {
        $polecenie = $this->polaczenie()->prepare($sql);
        foreach ($parametry as $nazwa => $wartosc) {
            if (is_int($nazwa)) {
                $nazwa += 1;
            } elseif (!str_starts_with($nazwa, ':')) {
                $nazwa = ':' . $nazwa;
            }
            $polecenie->bindValue($nazwa, $wartosc, self::typParametru($wartosc));
        }
        $polecenie->execute();
        return $polecenie;
    }

    /**
     * Wszystkie wiersze wyniku jako tablice kolumna => wartoúÊ.
     */
    public function wiersze(string $sql, array $parametry = []): array
    {
        return $this->zapytanie($sql, $parametry)->fetchAll();
    }

    /**
     * Pierwszy wiersz wyniku albo null, gdy wynik jest pusty.
     */
    public function wiersz(string $sql, array $parametry = []): ?array
    {
        $wiersz = $this->zapytanie($sql, $parametry)->fetch();
        return $wiersz === false ? null : $wiersz;
    }

    /**
     * Pierwsza kolumna pierwszego wiersza wyniku albo null.
     */
    public function wartosc(string $sql, array $parametry = [])
    {
        $wartosc = $this->zapytanie($sql, $parametry)->fetchColumn();
        return $wartosc === false ? null : $wartosc;
    }

    /**
     * Wykonuje polecenie (INSERT, UPDATE, DELETE...) i zwraca liczbÍ zmienionych wierszy.
     */
    public function wykonaj(string $sql, array $parametry = []): int
    {
        return $this->zapytanie($sql, $parametry)->rowCount();
    }

    /**
     * Identyfikator ostatnio wstawionego wiersza.
     */
    public function ostatnieId(): string
    {
        return (string) $this->polaczenie()->lastInsertId();
    }

    /**
     * Nazwa tabeli albo kolumny sprawdzona i ujÍta w cudzys≥Ûw w≥aúciwy dla bazy.
     * Nazw nie da siÍ przekazaÊ jako parametru zapytania, dlatego dopuszczamy
     * tylko litery ASCII, cyfry i podkreúlenia.
     */
    public function nazwaSql(string $nazwa): string
    {
        self::sprawdzNazwe($nazwa, 'w zapytaniu');
        return $this->sterownik() === 'mysql' ? '`' . $nazwa . '`' : '"' . $nazwa . '"';
    }

    /**
     * Definicja kolumny klucza z samonumerowaniem dla CREATE TABLE.
     */
    protected function kolumnaId(string $nazwa = 'id'): string
    {
        $kolumna = $this->nazwaSql($nazwa);
        switch ($this->sterownik()) {
            case 'mysql':
                return $kolumna . ' INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY';
            case 'pgsql':
                return $kolumna . ' SERIAL PRIMARY KEY';
            case 'sqlite':
                return $kolumna . ' INTEGER PRIMARY KEY AUTOINCREMENT';
        }
        throw new RuntimeException('Nieobs≥ugiwany sterownik bazy danych: ' . $this->sterownik());
    }

    private static function typParametru($wartosc): int
    {
        if (is_int($wartosc)) {
            return PDO::PARAM_INT;
        }
        if (is_bool($wartosc)) {
            return PDO::PARAM_BOOL;
        }
        if ($wartosc === null) {
            return PDO::PARAM_NULL;
        }
        return PDO::PARAM_STR;
    }

    /**
     * Sama klasa po≥πczenia niczego nie wypisuje.
     */
    public function zbuduj(): string
    {
        return '';
    }
}
