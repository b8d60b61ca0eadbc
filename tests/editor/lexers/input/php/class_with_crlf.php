<?php
class Koszyk extends Baza
{
    var $pozycje = array();

    function dodaj($id, $ile = 1)
    {
        if (isset($this->pozycje[$id])) {
            $this->pozycje[$id] += $ile;
        } else {
            $this->pozycje[$id] = $ile;
        }
        return true;
    }

    function usun($id)
    {
        unset($this->pozycje[$id]);
    }
}
?>
