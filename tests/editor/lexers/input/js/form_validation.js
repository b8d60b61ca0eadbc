/* Sprawdzanie formularza zamówienia
   przed wys³aniem. */
function sprawdzFormularz(form) {
    var ilosc = parseInt(form.ilosc.value);
    if (isNaN(ilosc) || ilosc <= 0) {
        alert("Podaj poprawn¹ iloœæ!");
        form.ilosc.focus();
        return false;
    }
    // Zaokr¹glenie ceny
    var cena = Math.round(ilosc * 12.5e0 * 100) / 100;
    document.getElementById('suma').innerHTML = cena + ' z³';
    window.status = "Razem: " + cena;
    for (var i = 0; i < form.elements.length; i++) {
        form.elements[i].disabled = true;
    }
    return true;
}
document.onClick = function () { self.close(); };
