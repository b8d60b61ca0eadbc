"""A real FTP server on loopback for the tests and benchmarks of the FTP client.

Serves --root with two users: "wertan" with password "tajne", and "bezhasla", whom the server
logs in at USER (answered 230, no PASS wanted). Listens on a free port chosen by the system and
prints "PORT <number>" once it accepts connections. Ends when its standard input closes, so it
never outlives the process that started it.

Faults on demand, for the tests of failed uploads:
  --read-only DIR       DIR (relative to the root) may be listed and read, not written (STOR 550)
  --no-rename           RNFR is refused with 502
  --drop-stor-after N   the control and data connections are dropped once a STOR has received
                        N bytes
"""
import argparse
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer


class Handler(FTPHandler):
    auth_failed_timeout = 0
    no_rename = False

    def ftp_USER(self, line):
        if line == "bezhasla" and not self.authenticated:
            self.username = line
            self.handle_auth_success(self.authorizer.get_home_dir(line), "", "Zalogowano bez hasla.")
            return
        FTPHandler.ftp_USER(self, line)

    def ftp_RNFR(self, path):
        if Handler.no_rename:
            self.respond("502 Zmiana nazwy niedozwolona.")
            return
        FTPHandler.ftp_RNFR(self, path)


class DroppingDTPHandler(DTPHandler):
    drop_after = None

    def handle_read(self):
        DTPHandler.handle_read(self)
        if self.drop_after is not None and self.receive and self.tot_bytes_received >= self.drop_after:
            self.cmd_channel.close()
            self.close()

    handle_read_event = handle_read  # the base class calls its own handle_read through this name


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--read-only", action="append", default=[])
    parser.add_argument("--no-rename", action="store_true")
    parser.add_argument("--drop-stor-after", type=int)
    args = parser.parse_args()

    authorizer = DummyAuthorizer()
    authorizer.add_user("wertan", "tajne", args.root, perm="elradfmwMT")
    authorizer.add_user("bezhasla", "", args.root, perm="elradfmwMT")
    for folder in args.read_only:
        authorizer.override_perm("wertan", os.path.join(args.root, folder), "elr", recursive=True)
    Handler.authorizer = authorizer
    Handler.no_rename = args.no_rename
    if args.drop_stor_after is not None:
        DroppingDTPHandler.drop_after = args.drop_stor_after
        Handler.dtp_handler = DroppingDTPHandler
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
