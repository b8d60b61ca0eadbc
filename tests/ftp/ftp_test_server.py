"""A real FTP server on loopback for the tests and benchmarks of the FTP client.

Serves --root with two users: "wertan" with password "tajne", and "bezhasla", whom the server
logs in at USER (answered 230, no PASS wanted). Listens on a free port chosen by the system and
prints "PORT <number>" once it accepts connections. Ends when its standard input closes, so it
never outlives the process that started it.
"""
import argparse
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


class Handler(FTPHandler):
    auth_failed_timeout = 0

    def ftp_USER(self, line):
        if line == "bezhasla" and not self.authenticated:
            self.username = line
            self.handle_auth_success(self.authorizer.get_home_dir(line), "", "Zalogowano bez hasla.")
            return
        FTPHandler.ftp_USER(self, line)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--host", default="127.0.0.1")
    args = parser.parse_args()

    authorizer = DummyAuthorizer()
    authorizer.add_user("wertan", "tajne", args.root, perm="elradfmwMT")
    authorizer.add_user("bezhasla", "", args.root, perm="elradfmwMT")
    Handler.authorizer = authorizer
    server = FTPServer((args.host, 0), Handler)
    server.max_cons = 512

    def watch_stdin():
        sys.stdin.buffer.read()
        os._exit(0)

    threading.Thread(target=watch_stdin, daemon=True).start()
    print("PORT %d" % server.address[1], flush=True)
    server.serve_forever(timeout=0.5, handle_exit=False)


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.ERROR)
    main()
