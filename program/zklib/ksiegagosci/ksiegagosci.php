<?php
// #zkPHP
// Biblioteka klas Wertan PHP: ksiêga goœci zapisywana w bazie danych.
// #zkfile(baza.php)
//
// Obiekt pokazuje formularz nowego wpisu i wpisy od najnowszego, po kilka na
// stronie. Tabelê wpisów tworzy sam (gdy utworz_tabele jest w³¹czone):
//   id, autor, tresc, dodano (data i czas wpisu).
//
// Przyk³ad:
//   $ksiega = new ZkKsiegaGosci;
//   $ksiega->dsn = 'mysql:host=localhost;dbname=strona';
//   $ksiega->pokaz();
//
// Parametry klasy:
// #zkClassBegin
// #zkClassName(ZkKsiegaGosci)
// #zkPHPBegin
// #zkText(Ÿród³o danych - dsn)
// #zkName(dsn)
// #zkString
// #zkStringText(mysql:host=localhost;dbname=test)
// #zkStringLeng(255)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(u¿ytkownik bazy)
// #zkName(uzytkownik)
// #zkString
// #zkStringText(root)
// #zkStringLeng(64)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(has³o)
// #zkName(haslo)
// #zkString
// #zkStringText()
// #zkStringLeng(255)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(tabela wpisów)
// #zkName(nazwa_tabeli)
// #zkString
// #zkStringText(ksiega_gosci)
// #zkStringLeng(64)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(tworzyæ tabelê, gdy jej brak)
// #zkName(utworz_tabele)
// #zkItems
// #zkItem(true)
// #zkItem(false)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(tytu³)
// #zkName(tytul)
// #zkString
// #zkStringText(ksiêga goœci)
// #zkStringLeng(100)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(wpisów na stronie)
// #zkName(na_stronie)
// #zkInt
// #zkIntMinMax(1,100)
// #zkIntValue(10)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(najd³u¿szy wpis - znaków)
// #zkName(max_dlugosc)
// #zkInt
// #zkIntMinMax(10,10000)
// #zkIntValue(1000)
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

require_once __DIR__ . '/baza.php';

if (class_exists('ZkKsiegaGosci', false)) {
    return;
}

/**
 * Ksiêga goœci: formularz wpisu i lista wpisów z bazy danych.
 */
class ZkKsiegaGosci extends ZkBaza
{
    /** Tabela wpisów. */
    public string $nazwa_tabeli = 'ksiega_gosci';

    /** Czy tworzyæ tabelê wpisów, gdy jej brak. */
    public bool $utworz_tabele = true;

    /** Tytu³ ksiêgi w kodowaniu strony; pusty tekst - tytu³ "Ksiêga goœci". */
    public string $tytul = '';

    /** Liczba wpisów na stronie. */
    public int $na_stronie = 10;

    /** Najwiêksza d³ugoœæ wpisu w znakach. */
    public int $max_dlugosc = 1000;

    /** Parametr adresu (GET), który niesie numer strony wpisów. */
    public string $parametr_strony = 'wpisy';

    /** Najwiêksza d³ugoœæ podpisu w znakach. */
    private const MAX_AUTOR = 100;

    /** Podpis i treœæ odes³ane do formularza po nieudanym wpisie. */
    private string $autor = '';
    private string $tresc = '';

    public function zbuduj(): string
    {
        try {
            if ($this->utworz_tabele) {
                $this->utworzTabele();
            }
            $komunikat = $this->wyslanoFormularz($this->znacznik()) ? $this->przyjmijWpis() : '';
            $wpisy = $this->wpisyHtml();
        } catch (Throwable $wyjatek) {
            return $this->blad($wyjatek);
        }
        return '<div class="zk-ksiega">' . "\n"
            . '<h2>' . ($this->tytul !== '' ? $this->html($this->tytul) : $this->napisHtml('Ksiêga goœci')) . '</h2>' . "\n"
            . $komunikat . $this->formularz() . $wpisy
            . '</div>' . "\n";
    }

    /**
     * Tworzy tabelê wpisów, jeœli jeszcze nie istnieje.
     */
    public function utworzTabele(): void
    {
        $tekst = $this->sterownik() === 'sqlite' ? 'TEXT' : 'VARCHAR(' . self::MAX_AUTOR . ')';
        $data = $this->sterownik() === 'sqlite' ? 'TEXT' : ($this->sterownik() === 'pgsql' ? 'TIMESTAMP' : 'DATETIME');
        $this->wykonaj('CREATE TABLE IF NOT EXISTS ' . $this->nazwaSql($this->nazwa_tabeli) . ' ('
            . $this->kolumnaId() . ', '
            . $this->nazwaSql('autor') . ' ' . $tekst . ' NOT NULL, '
            . $this->nazwaSql('tresc') . ' TEXT NOT NULL, '
            . $this->nazwaSql('dodano') . ' ' . $data . ' NOT NULL)');
    }

    /**
     * Dodaje wpis do ksiêgi; zwraca id nowego wpisu.
     */
    public function dodajWpis(string $autor, string $tresc): string
    {
        $this->wykonaj('INSERT INTO ' . $this->nazwaSql($this->nazwa_tabeli)
            . ' (' . $this->nazwaSql('autor') . ', ' . $this->nazwaSql('tresc') . ', ' . $this->nazwaSql('dodano') . ')'
            . ' VALUES (:autor, :tresc, :dodano)',
            ['autor' => $autor, 'tresc' => $tresc, 'dodano' => date('Y-m-d H:i:s')]);
        return $this->ostatnieId();
    }

    /**
     * Znacznik formularza: odró¿nia go od innych formularzy na tej samej stronie.
     */
    private function znacznik(): string
    {
        return 'zk_ksiega_' . $this->nazwa_tabeli;
    }

    /**
     * Sprawdza i zapisuje wys³any wpis; zwraca komunikat dla odwiedzaj¹cego.
     */
    private function przyjmijWpis(): string
    {
        if ($this->wypelnionoPulapke()) {
            // Automat dostaje tê sam¹ odpowiedŸ co cz³owiek, ale nic nie jest zapisywane.
            return '<p class="zk-info">' . $this->napisHtml('Dziêkujemy za wpis.') . '</p>' . "\n";
        }
        $autor = $this->czystyTekst($this->pole('autor'));
        $tresc = $this->czystyTekst($this->pole('tresc'), true);
        $bledy = [];
        if ($autor === null || $tresc === null) {
            $bledy[] = 'Tekst zawiera niedozwolone znaki.';
        } else {
            if ($autor === '') {
                $bledy[] = 'Podpisz wpis.';
            } elseif ($this->dlugosc($autor) > self::MAX_AUTOR) {
                $bledy[] = 'Podpis jest za d³ugi (najwy¿ej ' . self::MAX_AUTOR . ' znaków).';
            }
            if ($tresc === '') {
                $bledy[] = 'Wpisz treœæ wpisu.';
            } elseif ($this->dlugosc($tresc) > $this->max_dlugosc) {
                $bledy[] = 'Wpis jest za d³ugi (najwy¿ej ' . $this->max_dlugosc . ' znaków).';
            }
        }
        if ($bledy !== []) {
            $this->autor = $autor ?? '';
            $this->tresc = $tresc ?? '';
            return '<p class="zk-blad">' . implode('<br>', array_map([$this, 'napisHtml'], $bledy)) . '</p>' . "\n";
        }
        $this->dodajWpis($autor, $tresc);
        return '<p class="zk-info">' . $this->napisHtml('Dziêkujemy za wpis.') . '</p>' . "\n";
    }

    private function formularz(): string
    {
        return '<form class="zk-formularz" method="post" action="">' . "\n"
            . $this->ukrytePola($this->znacznik()) . "\n"
            . '<p><label>' . $this->napisHtml('Podpis:') . '<br>'
            . '<input type="text" name="autor" maxlength="' . self::MAX_AUTOR . '" required value="'
            . $this->html($this->autor) . '"></label></p>' . "\n"
            . '<p><label>' . $this->napisHtml('Treœæ wpisu:') . '<br>'
            . '<textarea name="tresc" rows="5" cols="50" maxlength="' . $this->max_dlugosc . '" required>'
            . $this->html($this->tresc) . '</textarea></label></p>' . "\n"
            . '<p><button type="submit">' . $this->napisHtml('Dodaj wpis') . '</button></p>' . "\n"
            . '</form>' . "\n";
    }

    private function wpisyHtml(): string
    {
        $tabela = $this->nazwaSql($this->nazwa_tabeli);
        $ile = (int) $this->wartosc('SELECT COUNT(*) FROM ' . $tabela);
        if ($ile === 0) {
            return '<p class="zk-info">' . $this->napisHtml('Ksiêga nie ma jeszcze wpisów. B¹dŸ pierwszy!') . '</p>' . "\n";
        }
        $naStronie = max(1, $this->na_stronie);
        $liczbaStron = (int) ceil($ile / $naStronie);
        $strona = $this->numerStrony($this->parametr_strony, $liczbaStron);
        $wpisy = $this->wiersze(
            'SELECT ' . $this->nazwaSql('autor') . ', ' . $this->nazwaSql('tresc') . ', ' . $this->nazwaSql('dodano')
            . ' FROM ' . $tabela . ' ORDER BY ' . $this->nazwaSql('id') . ' DESC LIMIT :ile OFFSET :od',
            ['ile' => $naStronie, 'od' => ($strona - 1) * $naStronie]
        );
        $html = '';
        foreach ($wpisy as $wpis) {
            $html .= '<div class="zk-wpis">' . "\n"
                . '<p class="zk-podpis"><strong>' . $this->html($wpis['autor']) . '</strong> '
                . '<span class="zk-data">' . $this->html($wpis['dodano']) . '</span></p>' . "\n"
                . '<p>' . nl2br($this->html($wpis['tresc']), false) . '</p>' . "\n"
                . '</div>' . "\n";
        }
        return $html . $this->stronicowanie($strona, $liczbaStron, $this->parametr_strony);
    }
}
