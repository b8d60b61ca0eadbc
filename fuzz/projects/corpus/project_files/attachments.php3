<?php
// #zkfile(Menu.INC)
#ZKFILE(x.inc) (y)
#zkfile(open
?>
