"""A throw-away FTP server on 127.0.0.1 for the upload tests.

Listens on a free port and prints that port on the first line of standard output once it
accepts connections. Every connection and every command it receives goes to the log file, one
line each ("CONNECT <n>" and "<n> <command line>", passwords masked), written before the command
is answered, so a client that has had its reply finds the command in the log.

Modes: "normal"; "stall", where a data connection of an upload is never read from, so the
client's transfer makes no progress; "no-connect-back", where active-mode data connections are
acknowledged but never opened.
"""

import argparse
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--home", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--read-only", default="locked",
                        help="folder below home where the user may list but not store")
    parser.add_argument("--log", required=True)
    parser.add_argument("--mode", default="normal",
                        choices=["normal", "stall", "no-connect-back"])
    options = parser.parse_args()

    home = os.path.realpath(options.home)
    os.makedirs(os.path.join(home, options.read_only), exist_ok=True)

    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, home, perm="elradfmw")
    authorizer.override_perm(options.user, os.path.join(home, options.read_only), "elr",
                             recursive=True)

    log = open(options.log, "a", buffering=1, encoding="utf-8", errors="replace")
    sessions = [0]

    class StalledDTPHandler(DTPHandler):
        def readable(self):
            # Never taking the uploaded bytes makes the client's send buffer fill and stop.
            return False if self.receive else DTPHandler.readable(self)

    class LoggingHandler(FTPHandler):
        def on_connect(self):
            sessions[0] += 1
            self.session_number = sessions[0]
            log.write("CONNECT %d\n" % self.session_number)

        def pre_process_command(self, line, cmd, arg):
            shown = "PASS ******" if cmd == "PASS" else line
            log.write("%d %s\n" % (self.session_number, shown))
            FTPHandler.pre_process_command(self, line, cmd, arg)

        def ftp_PORT(self, line):
            if options.mode == "no-connect-back":
                self.respond("200 Active data connection established.")
            else:
                FTPHandler.ftp_PORT(self, line)

        def ftp_EPRT(self, line):
            if options.mode == "no-connect-back":
                self.respond("200 Active data connection established.")
            else:
                FTPHandler.ftp_EPRT(self, line)

    LoggingHandler.authorizer = authorizer
    # A refused login answers at once instead of after the default pause.
    LoggingHandler.auth_failed_timeout = 0.05
    if options.mode == "stall":
        LoggingHandler.dtp_handler = StalledDTPHandler

    server = FTPServer(("127.0.0.1", 0), LoggingHandler)
    print(server.address[1], flush=True)
    server.serve_forever(timeout=0.1, handle_exit=False)


if __name__ == "__main__":
    import logging

    logging.basicConfig(level=logging.CRITICAL)
    sys.exit(main())
