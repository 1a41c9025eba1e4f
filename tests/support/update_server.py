#!/usr/bin/env python3
"""A scriptable HTTP and HTTPS server on 127.0.0.1 for the update tests.

    update_server.py --dir DIR [--pki PKI] [--heartbeat] [--max-seconds N]

It listens on two free ports, one plain and one TLS (certificate from
test_pki.py, made in PKI, by default DIR/pki, when not there yet), and then
writes DIR/ready.json:

    {"http": 40123, "https": 40124, "pid": 4711, "pki": "/abs/path/pki"}

(written whole and renamed into place: once it exists it is complete).

A test scripts the answers by writing DIR/routes.json, read again for every
request, so one server serves test after test. Keys are request paths
without the query; each value says how to answer:

    {"/scripts/get_vix_updates/get.html": {"body": "majvers_availible=2;minvers_availible=1"},
     "/err":   {"status": 500, "body": "oops"},
     "/slow":  {"delay": 30, "body": "late"},       seconds before anything is sent
     "/cut":   {"cut": "reset"},                    "reset" (RST) or "close" (FIN), no answer
     "/half":  {"cut": "after-headers", "body": "x"},  headers, then the connection closes
     "/u.exe": {"file": "/abs/update.exe"},         with Content-Length
     "/short": {"file": "/abs/update.exe", "truncate": 1000},
                                     announces the whole length, sends 1000 bytes, closes
     "/paced": {"file": "/abs/update.exe", "pace": 0.05},
                                     16 KiB pieces with a pause after each
     "/drip":  {"body": "majvers_availible=3", "pace": 3, "piece": 1},
                                     "piece" bytes at a time (default 16 KiB)
     "/go":    {"status": 302, "headers": {"Location": "http://127.0.0.1:{http}/x"}},
     "/tls":   {"only": "https", "body": "..."}}    404 on the other listener

"status" defaults to 200, "body" is text sent as UTF-8 (or "body_hex"), and
"{http}" and "{https}" in bodies and headers become the two ports. Unknown
paths get 404. Built in: /crl/root.crl and /crl/other-ca.crl answer the
test authorities' revocation lists (the certificates name them when the PKI
is made by this server), unless a route of that path says otherwise.

Every request is appended to DIR/requests.jsonl as one JSON object:
{"scheme", "method", "path" (with query), "headers"}.

The server ends when DIR/quit appears, after --max-seconds (default 600), or
with --heartbeat when DIR/alive has not been touched for 30 seconds: Wine
starts a Unix program detached, with no handle to wait on or end it, so a
test that dies without saying goodbye is noticed that way. Once ready, the
server's output goes to DIR/server.log, so that it holds no pipe of the test
runner open.
"""

import argparse
import http.server
import json
import os
import pathlib
import socket
import ssl
import struct
import sys
import threading
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import test_pki  # noqa: E402

PIECE = 16 * 1024
HEARTBEAT_SECONDS = 30


class State:
    def __init__(self, directory, pki):
        self.dir = directory
        self.pki = pki
        self.ports = {}
        self.log_lock = threading.Lock()

    def routes(self):
        try:
            return json.loads((self.dir / "routes.json").read_text(encoding="utf-8"))
        except FileNotFoundError:
            return {}

    def log(self, entry):
        line = json.dumps(entry, sort_keys=True) + "\n"
        with self.log_lock, open(self.dir / "requests.jsonl", "a", encoding="utf-8") as f:
            f.write(line)

    def fill(self, text):
        return text.replace("{http}", str(self.ports["http"])).replace(
            "{https}", str(self.ports["https"]))


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "VixTestServer"
    sys_version = ""

    def log_message(self, *args):
        pass

    def do_GET(self):
        self.answer(send_body=True)

    def do_POST(self):
        length = int(self.headers.get("Content-Length") or 0)
        self.rfile.read(length)
        self.answer(send_body=True)

    def do_HEAD(self):
        self.answer(send_body=False)

    def answer(self, send_body):
        state = self.server.state
        scheme = self.server.scheme
        state.log({"scheme": scheme, "method": self.command, "path": self.path,
                   "headers": dict(self.headers.items())})
        path = self.path.split("?", 1)[0]
        route = state.routes().get(path)
        if route is None and path in ("/crl/root.crl", "/crl/other-ca.crl"):
            return self.send(200, {"Content-Type": "application/pkix-crl"},
                             (state.pki / path[len("/crl/"):]).read_bytes(), send_body)
        if route is None or route.get("only", scheme) != scheme:
            return self.send(404, {}, b"not found", send_body)
        time.sleep(float(route.get("delay", 0)))
        cut = route.get("cut")
        if cut in ("reset", "close"):
            return self.drop(reset=cut == "reset")
        body = self.body_of(route)
        headers = {k: state.fill(v) for k, v in route.get("headers", {}).items()}
        headers.setdefault("Content-Type", "text/html" if "file" not in route
                           else "application/octet-stream")
        status = int(route.get("status", 200))
        if cut == "after-headers":
            self.send(status, headers, body, send_body=False)
            return self.drop(reset=False)
        if "truncate" in route:
            self.send(status, headers, body[: int(route["truncate"])], send_body,
                      length=len(body))
            return self.drop(reset=False)
        self.send(status, headers, body, send_body, pace=float(route.get("pace", 0)),
                  piece=int(route.get("piece", PIECE)))

    def body_of(self, route):
        if "file" in route:
            return pathlib.Path(route["file"]).read_bytes()
        if "body_hex" in route:
            return bytes.fromhex(route["body_hex"])
        return self.server.state.fill(route.get("body", "")).encode("utf-8")

    def send(self, status, headers, body, send_body, length=None, pace=0.0, piece=PIECE):
        self.send_response(status)
        for name, value in headers.items():
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body) if length is None else length))
        self.end_headers()
        if not send_body:
            return
        for start in range(0, len(body), piece):
            self.wfile.write(body[start:start + piece])
            if pace:
                self.wfile.flush()
                time.sleep(pace)
        self.wfile.flush()

    def drop(self, reset):
        """Ends the connection without (the rest of) an answer: a reset sends
        RST at once, a close sends FIN; neither says goodbye in TLS."""
        self.close_connection = True
        try:
            self.wfile.flush()
            if reset:
                self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER,
                                           struct.pack("ii", 1, 0))
                self.connection.close()
            else:
                self.connection.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = False

    def __init__(self, state, scheme, context=None):
        super().__init__(("127.0.0.1", 0), Handler)
        self.state = state
        self.scheme = scheme
        self.context = context

    def get_request(self):
        sock, address = super().get_request()
        if self.context:
            # The handshake runs in the request's thread, on first read, so
            # a client that never finishes it holds up nobody else.
            sock = self.context.wrap_socket(sock, server_side=True,
                                            do_handshake_on_connect=False)
        return sock, address

    def handle_error(self, request, client_address):
        pass  # clients that drop out (the tests' time-outs) are expected


def recently_touched(path, seconds):
    try:
        return time.time() - path.stat().st_mtime < seconds
    except FileNotFoundError:
        return False


def detach(log):
    """Points standard input, output and error away from whoever started us."""
    with open(os.devnull, "rb") as null, open(log, "ab") as out:
        os.dup2(null.fileno(), 0)
        os.dup2(out.fileno(), 1)
        os.dup2(out.fileno(), 2)


def serve(server):
    threading.Thread(target=server.serve_forever, daemon=True).start()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dir", required=True)
    parser.add_argument("--pki")
    parser.add_argument("--heartbeat", action="store_true")
    parser.add_argument("--max-seconds", type=float, default=600)
    args = parser.parse_args()

    directory = pathlib.Path(args.dir).resolve()
    directory.mkdir(parents=True, exist_ok=True)
    pki = pathlib.Path(args.pki).resolve() if args.pki else directory / "pki"
    state = State(directory, pki)

    plain = Server(state, "http")
    state.ports["http"] = plain.server_address[1]
    test_pki.make(pki, f"http://127.0.0.1:{state.ports['http']}/crl/root.crl")
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(pki / "server.pem", pki / "server.key")
    secure = Server(state, "https", context)
    state.ports["https"] = secure.server_address[1]
    serve(plain)
    serve(secure)

    ready = {"http": state.ports["http"], "https": state.ports["https"], "pid": os.getpid(),
             "pki": str(pki)}
    (directory / "ready.json.part").write_text(json.dumps(ready))
    os.replace(directory / "ready.json.part", directory / "ready.json")
    print(json.dumps(ready), flush=True)
    detach(directory / "server.log")

    deadline = time.monotonic() + args.max_seconds
    while time.monotonic() < deadline and not (directory / "quit").exists():
        if args.heartbeat and not recently_touched(directory / "alive", HEARTBEAT_SECONDS):
            break
        time.sleep(0.2)
    plain.server_close()
    secure.server_close()


if __name__ == "__main__":
    main()
