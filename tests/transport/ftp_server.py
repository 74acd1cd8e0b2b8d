"""A throwaway FTP server for the transport tests: one user whose home is a
folder of the test, on a port of 127.0.0.1, with explicit TLS (AUTH TLS)
when given a certificate. Run with Debian's /usr/bin/python3, which has
python3-pyftpdlib and python3-openssl."""

import argparse

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer


class EarlyHandshakeDTPHandler(TLS_DTPHandler):
    """pyftpdlib closes a data connection that sends bytes before a transfer
    command, as a client gone away; curl starts its TLS handshake there right
    after connecting."""

    def readable(self):
        return self._ssl_accepting or super().readable()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--home", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--certificate")
    parser.add_argument("--key")
    arguments = parser.parse_args()

    authorizer = DummyAuthorizer()
    # e, l, r: enter, list, read; a, d, f, m, w: append, delete, rename,
    # make folders, write; M: SITE CHMOD.
    authorizer.add_user(arguments.user, arguments.password, arguments.home, perm="elradfmwM")
    handler = FTPHandler
    if arguments.certificate:
        handler = TLS_FTPHandler
        handler.certfile = arguments.certificate
        handler.keyfile = arguments.key
        handler.tls_control_required = True
        handler.tls_data_required = True
        handler.dtp_handler = EarlyHandshakeDTPHandler
    handler.authorizer = authorizer
    handler.auth_failed_timeout = 0.1  # rather than 3 s, for the tests of a refused login
    server = FTPServer(("127.0.0.1", arguments.port), handler)
    server.serve_forever(timeout=0.2)


if __name__ == "__main__":
    main()
