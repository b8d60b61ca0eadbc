<?php
// Router of the built-in PHP web server that Wertan PHP starts (php -S host:port -t root router.php).
// PHP's server runs only .php pages by itself; this runs .php, .php3, .php4, .phtml and .inc pages
// as PHP and leaves every other file to the server, which sends it as it is.

function wertan_router_is_php_page($file)
{
    $extension = strtolower(pathinfo($file, PATHINFO_EXTENSION));
    return in_array($extension, array('php', 'php3', 'php4', 'phtml', 'inc'), true);
}

function wertan_router_inside_root($file, $root)
{
    return $file === $root || strncmp($file, $root . DIRECTORY_SEPARATOR, strlen($root) + 1) === 0;
}

// The file the request names: the server has found it when it exists (with any path info split
// off); otherwise SCRIPT_FILENAME names this router.
function wertan_router_target()
{
    $root = realpath($_SERVER['DOCUMENT_ROOT']);
    if ($root === false) {
        return null;
    }
    $found = isset($_SERVER['SCRIPT_FILENAME']) ? realpath($_SERVER['SCRIPT_FILENAME']) : false;
    if ($found !== false && $found !== __FILE__ && is_file($found) && wertan_router_inside_root($found, $root)) {
        return array('file' => $found, 'root' => $root);
    }
    // A folder: its index page, PHP pages included.
    $path = rawurldecode((string)parse_url($_SERVER['REQUEST_URI'], PHP_URL_PATH));
    $folder = realpath($root . $path);
    if ($folder === false || !is_dir($folder) || !wertan_router_inside_root($folder, $root)) {
        return null;
    }
    if (substr($path, -1) !== '/') {
        // Relative links in the index page need the folder's own address.
        $query = parse_url($_SERVER['REQUEST_URI'], PHP_URL_QUERY);
        header('Location: ' . $path . '/' . ($query !== null && $query !== false ? '?' . $query : ''), true, 301);
        return array('redirected' => true);
    }
    foreach (array('index.php', 'index.php3', 'index.php4', 'index.phtml', 'index.html', 'index.htm') as $name) {
        $index = $folder . DIRECTORY_SEPARATOR . $name;
        if (is_file($index)) {
            $_SERVER['SCRIPT_NAME'] = $path . $name;
            $_SERVER['PHP_SELF'] = $path . $name;
            return array('file' => $index, 'root' => $root);
        }
    }
    return null;
}

$wertan_router_target = wertan_router_target();
if ($wertan_router_target === null) {
    unset($wertan_router_target);
    return false; // the server answers: a file as it is, or "404 Not Found"
}
if (isset($wertan_router_target['redirected'])) {
    unset($wertan_router_target);
    return true;
}
if (!wertan_router_is_php_page($wertan_router_target['file'])) {
    if (realpath($_SERVER['SCRIPT_FILENAME']) === $wertan_router_target['file']) {
        unset($wertan_router_target);
        return false; // a file the server found: sent as it is
    }
    // An index page the server would not find by itself (index.htm).
    header('Content-Type: text/html');
    readfile($wertan_router_target['file']);
    unset($wertan_router_target);
    return true;
}
// The page runs in the global scope, in its own folder, as if the server had found it itself.
$_SERVER['SCRIPT_FILENAME'] = $wertan_router_target['file'];
chdir(dirname($wertan_router_target['file']));
unset($wertan_router_target);
require $_SERVER['SCRIPT_FILENAME'];
return true;
