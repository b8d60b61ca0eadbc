#!/bin/sh
# Regenerates program/data/functions.dat, program/data/functions2.dat and program/pomoc/manual/
# from the installed PHP (arguments are passed on; see generate.php).
exec php "$(dirname "$0")/generate.php" "$@"
