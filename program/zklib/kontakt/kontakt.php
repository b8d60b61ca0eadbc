<?php
// #zkPHP
// Biblioteka klas Wertan PHP: formularz kontaktowy wysy³aj¹cy wiadomoœæ poczt¹.
// #zkfile(wspolne.php)
//
// Wiadomoœæ wysy³a funkcja mail() serwera (program sendmail albo serwer SMTP
// z ustawieñ PHP). Adres odwiedzaj¹cego trafia tylko do nag³ówka Reply-To,
// po sprawdzeniu; nadawc¹ jest zawsze adres z w³aœciwoœci $nadawca.
//
// Przyk³ad:
//   $kontakt = new ZkKontakt;
//   $kontakt->adresat = 'biuro@moja-firma.pl';
//   $kontakt->nadawca = 'strona@moja-firma.pl';
//   $kontakt->pokaz();
//
// Parametry klasy:
// #zkClassBegin
// #zkClassName(ZkKontakt)
// #zkPHPBegin
// #zkText(adres, na który id¹ wiadomoœci)
// #zkName(adresat)
// #zkString
// #zkStringText(webmaster@localhost)
// #zkStringLeng(254)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(adres nadawcy wiadomoœci)
// #zkName(nadawca)
// #zkString
// #zkStringText(formularz@localhost)
// #zkStringLeng(254)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(temat wiadomoœci)
// #zkName(temat)
// #zkString
// #zkStringText(wiadomoœæ ze strony)
// #zkStringLeng(100)
// #zkPHPEnd
// #zkPHPBegin
// #zkText(najd³u¿sza wiadomoœæ - znaków)
// #zkName(max_dlugosc)
// #zkInt
// #zkIntMinMax(10,20000)
// #zkIntValue(5000)
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

if (class_exists('ZkKontakt', false)) {
    return;
}

/**
 * Formularz kontaktowy: imiê, adres e-mail i treœæ, wysy³ane poczt¹ do adresata.
 */
class ZkKontakt extends ZkObiekt
{
    /** Adres, na który s¹ wysy³ane wiadomoœci. */
    public string $adresat = 'webmaster@localhost';

    /** Adres nadawcy (From) - najlepiej adres w domenie strony. */
    public string $nadawca = 'formularz@localhost';

    /** Temat wiadomoœci w kodowaniu strony; pusty tekst - "Wiadomoœæ ze strony". */
    public string $temat = '';

    /** Najwiêksza d³ugoœæ wiadomoœci w znakach. */
    public int $max_dlugosc = 5000;

    /** Najwiêksza d³ugoœæ imienia w znakach. */
    private const MAX_IMIE = 100;

    /** Pola odes³ane do formularza po nieudanej wysy³ce. */
    private array $wartosci = ['imie' => '', 'email' => '', 'tresc' => ''];

    public function zbuduj(): string
    {
        try {
            if ($this->wyslanoFormularz('zk_kontakt')) {
                [$wyslano, $komunikat] = $this->przyjmijWiadomosc();
                if ($wyslano) {
                    return '<div class="zk-kontakt">' . $komunikat . '</div>' . "\n";
                }
            } else {
                $komunikat = '';
            }
        } catch (Throwable $wyjatek) {
            return $this->blad($wyjatek);
        }
        return '<div class="zk-kontakt">' . "\n" . $komunikat . $this->formularz() . '</div>' . "\n";
    }

    /**
     * Wysy³a wiadomoœæ; zwraca wynik funkcji mail().
     * Imiê i treœæ musz¹ byæ ju¿ sprawdzone, a adres e-mail poprawny.
     */
    public function wyslij(string $imie, string $email, string $tresc): bool
    {
        $adresat = self::adresKonfiguracji($this->adresat, 'adresata');
        $nadawca = self::adresKonfiguracji($this->nadawca, 'nadawcy');
        if (filter_var($email, FILTER_VALIDATE_EMAIL) === false) {
            throw new InvalidArgumentException('Niepoprawny adres e-mail nadawcy wiadomoœci.');
        }
        $temat = trim(str_replace(["\r", "\n"], ' ', $this->temat));
        if ($temat === '') {
            $temat = $this->napis('Wiadomoœæ ze strony');
        }
        $cialo = $this->napis('Imiê i nazwisko: ') . $imie . "\n"
            . 'E-mail: ' . $email . "\n"
            . $this->napis('Wys³ano: ') . date('Y-m-d H:i:s') . "\n\n"
            . $tresc . "\n";
        $naglowki = [
            'From' => $this->slowaMime($this->napis('Formularz kontaktowy')) . ' <' . $nadawca . '>',
            'Reply-To' => $this->slowaMime($imie) . ' <' . $email . '>',
            'MIME-Version' => '1.0',
            'Content-Type' => 'text/plain; charset=' . $this->nazwaKodowania(),
            'Content-Transfer-Encoding' => 'quoted-printable',
        ];
        return mail(
            $adresat,
            $this->slowaMime($temat),
            quoted_printable_encode(str_replace("\n", "\r\n", $cialo)),
            $naglowki
        );
    }

    /**
     * Sprawdza wys³any formularz i wysy³a wiadomoœæ; zwraca [czy wys³ano, komunikat].
     */
    private function przyjmijWiadomosc(): array
    {
        $dziekujemy = '<p class="zk-info">' . $this->napisHtml('Dziêkujemy, wiadomoœæ zosta³a wys³ana.') . '</p>' . "\n";
        if ($this->wypelnionoPulapke()) {
            // Automat dostaje tê sam¹ odpowiedŸ co cz³owiek, ale nic nie jest wysy³ane.
            return [true, $dziekujemy];
        }
        $imie = $this->czystyTekst($this->pole('imie'));
        $email = $this->czystyTekst($this->pole('email'));
        $tresc = $this->czystyTekst($this->pole('tresc'), true);
        $bledy = [];
        if ($imie === null || $email === null || $tresc === null) {
            $bledy[] = 'Tekst zawiera niedozwolone znaki.';
        } else {
            if ($imie === '') {
                $bledy[] = 'Podaj imiê i nazwisko.';
            } elseif ($this->dlugosc($imie) > self::MAX_IMIE) {
                $bledy[] = 'Imiê i nazwisko s¹ za d³ugie (najwy¿ej ' . self::MAX_IMIE . ' znaków).';
            }
            if (filter_var($email, FILTER_VALIDATE_EMAIL) === false) {
                $bledy[] = 'Podaj poprawny adres e-mail.';
            }
            if ($tresc === '') {
                $bledy[] = 'Wpisz treœæ wiadomoœci.';
            } elseif ($this->dlugosc($tresc) > $this->max_dlugosc) {
                $bledy[] = 'Wiadomoœæ jest za d³uga (najwy¿ej ' . $this->max_dlugosc . ' znaków).';
            }
        }
        $this->wartosci = ['imie' => $imie ?? '', 'email' => $email ?? '', 'tresc' => $tresc ?? ''];
        if ($bledy !== []) {
            return [false, '<p class="zk-blad">' . implode('<br>', array_map([$this, 'napisHtml'], $bledy)) . '</p>' . "\n"];
        }
        if (!$this->wyslij($imie, $email, $tresc)) {
            error_log(static::class . ': funkcja mail() nie wys³a³a wiadomoœci do ' . $this->adresat);
            return [false, '<p class="zk-blad">'
                . $this->napisHtml('Nie uda³o siê wys³aæ wiadomoœci. Spróbuj ponownie póŸniej.') . '</p>' . "\n"];
        }
        return [true, $dziekujemy];
    }

    private function formularz(): string
    {
        return '<form class="zk-formularz" method="post" action="">' . "\n"
            . $this->ukrytePola('zk_kontakt') . "\n"
            . '<p><label>' . $this->napisHtml('Imiê i nazwisko:') . '<br>'
            . '<input type="text" name="imie" maxlength="' . self::MAX_IMIE . '" required value="'
            . $this->html($this->wartosci['imie']) . '"></label></p>' . "\n"
            . '<p><label>' . $this->napisHtml('Adres e-mail:') . '<br>'
            . '<input type="email" name="email" maxlength="254" required value="'
            . $this->html($this->wartosci['email']) . '"></label></p>' . "\n"
            . '<p><label>' . $this->napisHtml('Wiadomoœæ:') . '<br>'
            . '<textarea name="tresc" rows="8" cols="50" maxlength="' . $this->max_dlugosc . '" required>'
            . $this->html($this->wartosci['tresc']) . '</textarea></label></p>' . "\n"
            . '<p><button type="submit">' . $this->napisHtml('Wyœlij') . '</button></p>' . "\n"
            . '</form>' . "\n";
    }

    /**
     * Adres z ustawieñ obiektu; odrzuca teksty, które mog³yby dopisaæ nag³ówek albo adresata.
     */
    private static function adresKonfiguracji(string $adres, string $czyj): string
    {
        $adres = trim($adres);
        if (preg_match('/^[^@\s<>,;:"()\[\]\\\\]+@[^@\s<>,;:"()\[\]\\\\]+$/', $adres) !== 1) {
            throw new InvalidArgumentException('Niepoprawny adres ' . $czyj . ': ' . $adres);
        }
        return $adres;
    }

    /**
     * Tekst nag³ówka poczty zapisany s³owami MIME (RFC 2047), w kawa³kach,
     * które nie rozcinaj¹ znaków UTF-8.
     */
    private function slowaMime(string $tekst): string
    {
        $znaki = $this->kodowanieStrony() === 'utf-8' ? preg_split('//u', $tekst, -1, PREG_SPLIT_NO_EMPTY) : str_split($tekst);
        $kawalki = [''];
        foreach ($znaki as $znak) {
            if (strlen(end($kawalki) . $znak) > 30) {
                $kawalki[] = '';
            }
            $kawalki[count($kawalki) - 1] .= $znak;
        }
        $slowa = [];
        foreach ($kawalki as $kawalek) {
            $slowa[] = '=?' . $this->nazwaKodowania() . '?B?' . base64_encode($kawalek) . '?=';
        }
        return implode(' ', $slowa);
    }
}
