#!/usr/bin/env python3
"""Loopback FTP server for the upload tests.

Listens on 127.0.0.1 on a free port, writes that port to --port-file, and
stops when --stop-file appears or after --lifetime seconds, whichever comes
first, removing the port file as it ends. Modes:
  normal       one account, files stored in --root
  refuse-size  as normal, but SIZE is answered with --size-reply
  hang-stor    as normal, but STOR never gets an answer
  drop-stor    as normal, but the connection is closed once --cut-after
               bytes of a stored file came in
  stall-stor   as normal, but the server stops reading a stored file after
               --cut-after bytes and never answers again
  silent       accepts connections and never says a word
"""
import argparse
import os
import socket
import sys
import time


def write_port(path, port):
    tmp = path + ".tmp"
    with open(tmp, "w") as f:
        f.write(str(port))
    os.replace(tmp, path)


def should_stop(args, deadline):
    return os.path.exists(args.stop_file) or time.monotonic() > deadline


def run_silent(args, deadline):
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    listener.settimeout(0.05)
    write_port(args.port_file, listener.getsockname()[1])
    held = []
    while not should_stop(args, deadline):
        try:
            conn, _ = listener.accept()
            held.append(conn)
        except socket.timeout:
            pass
    for conn in held:
        conn.close()
    listener.close()


def run_ftp(args, deadline):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.root, perm="elradfmwMT")

    class Handler(FTPHandler):
        auth_failed_timeout = 0.1  # no 3-second penalty after a refused login

    if args.mode == "refuse-size":
        def ftp_SIZE(self, path):
            self.respond(args.size_reply)
        Handler.ftp_SIZE = ftp_SIZE
    elif args.mode == "hang-stor":
        def ftp_STOR(self, file, mode="w"):
            pass
        Handler.ftp_STOR = ftp_STOR

    elif args.mode in ("drop-stor", "stall-stor"):
        from pyftpdlib.handlers import DTPHandler

        class CuttingDTP(DTPHandler):
            def handle_read(self):
                DTPHandler.handle_read(self)
                if args.mode == "drop-stor" and self.tot_bytes_received >= args.cut_after:
                    self.cmd_channel.close()

            handle_read_event = handle_read

            def readable(self):
                if args.mode == "stall-stor" and self.tot_bytes_received >= args.cut_after:
                    return False
                return DTPHandler.readable(self)

        Handler.dtp_handler = CuttingDTP

    Handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", 0), Handler)
    write_port(args.port_file, server.address[1])
    while not should_stop(args, deadline):
        server.ioloop.loop(timeout=0.05, blocking=False)
    server.close_all()


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--mode", default="normal",
                   choices=["normal", "refuse-size", "hang-stor", "drop-stor", "stall-stor", "silent"])
    p.add_argument("--root", default=".")
    p.add_argument("--user", default="station")
    p.add_argument("--password", default="secret")
    p.add_argument("--size-reply", default="550 SIZE refused.")
    p.add_argument("--cut-after", type=int, default=65536)
    p.add_argument("--port-file", required=True)
    p.add_argument("--stop-file", required=True)
    p.add_argument("--lifetime", type=float, default=60.0)
    args = p.parse_args()
    deadline = time.monotonic() + args.lifetime
    try:
        if args.mode == "silent":
            run_silent(args, deadline)
        else:
            run_ftp(args, deadline)
    finally:
        # Tells the test that the server is gone.
        if os.path.exists(args.port_file):
            os.remove(args.port_file)
    return 0


if __name__ == "__main__":
    sys.exit(main())
