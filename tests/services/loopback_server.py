#!/usr/bin/env python3
"""Loopback HTTP and HTTPS server for the services tests.

Started by the test executable (under Wine) with a state folder. It serves answers
that the test sets up, records every request, receives crash and bug reports the way
the report server does (the form text reversed, the archive scrambled), and checks
archives with `unzip -t` and Python's zipfile. It ends on GET /_quit, when the lease
file in the state folder disappears, or after a quarter of an hour.

Control requests (plain HTTP or HTTPS alike):
  PUT  /_route/<path>?status=N&cut=K&delay=MS&piece=BYTES
                                       the answer to later requests of /<path>: the
                                       request body is the answer's body; with cut, only
                                       the first K bytes are sent, though the announced
                                       length is the whole body's; with delay, the body
                                       goes in pieces (16 KB unless given), each after
                                       a pause
  GET  /_log                           one line per request so far: METHOD PATH|AGENT
  POST /_checkzip                      body = an archive; answers the check's report
  GET  /_reports                       the reports received so far
  GET  /_quit                          ends the server
"""
import http.server
import os
import socketserver
import ssl
import struct
import subprocess
import sys
import threading
import time
import urllib.parse
import zipfile
import io

state = sys.argv[1]
lock = threading.Lock()
routes = {}
log = []
reports = []
servers = []


def unscramble(data):
    # The program's key: built from the archive block's size (see crash_report.cpp).
    size = len(data)
    key = ((size * 2654435761) ^ 0x5A3C96E1) & 0xFFFFFFFF
    kb = struct.pack("<I", key)
    out = bytearray(data)
    for i in range(len(out)):
        out[i] ^= kb[i % 4]
    return bytes(out)


def check_zip(data, name):
    """unzip -t and zipfile over an archive: a text report."""
    path = os.path.join(state, name)
    with open(path, "wb") as f:
        f.write(data)
    lines = []
    try:
        rc = subprocess.run(["unzip", "-t", path], stdout=subprocess.PIPE, stderr=subprocess.STDOUT).returncode
    except OSError:
        rc = 127
    lines.append("unzip=%d" % rc)
    try:
        with zipfile.ZipFile(io.BytesIO(data)) as z:
            bad = z.testzip()
            lines.append("zipfile=%s" % ("ok" if bad is None else "bad:" + bad))
            for info in z.infolist():
                lines.append("entry=%s|%d|%d|%d|%08x|%d" % (info.filename, info.compress_type, info.file_size,
                                                           info.compress_size, info.CRC, info.flag_bits))
                lines.append("head=%s|%s" % (info.filename, z.read(info)[:4].hex()))
    except Exception as e:  # a broken archive is a result, not a server failure
        lines.append("zipfile=error:%s" % str(e).replace("\n", " "))
    return "\n".join(lines) + "\n"


def parse_multipart(body):
    parts = {}
    for chunk in body.split(b"--AaBbCc"):
        if chunk.startswith(b"--") or not chunk.strip():
            continue
        head, _, content = chunk.partition(b"\r\n\r\n")
        if content.endswith(b"\r\n"):
            content = content[:-2]
        name = b""
        for token in head.split(b";"):
            token = token.strip()
            if token.startswith(b"name="):
                name = token[5:].strip(b'"')
        parts[name.decode("latin-1")] = content
    return parts


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def answer(self, status, body, content_type="text/plain", cut=None, delay=0, piece=16384):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        if cut is not None:
            self.send_header("Connection", "close")
        self.end_headers()
        if cut is not None:
            self.wfile.write(body[:cut])
            self.wfile.flush()
            self.close_connection = True
            return
        if delay:
            # In pieces with pauses, so that the reader finds no data waiting.
            for start in range(0, len(body), piece):
                time.sleep(delay / 1000.0)
                self.wfile.write(body[start:start + piece])
                self.wfile.flush()
            return
        self.wfile.write(body)

    def body(self):
        length = int(self.headers.get("Content-Length") or 0)
        data = b""
        while len(data) < length:
            piece = self.rfile.read(length - len(data))
            if not piece:
                break
            data += piece
        return data

    def record(self):
        with lock:
            log.append("%s %s|%s" % (self.command, self.path, self.headers.get("User-Agent", "")))

    def do_GET(self):
        url = urllib.parse.urlsplit(self.path)
        if url.path == "/_log":
            with lock:
                text = "".join(line + "\n" for line in log)
            return self.answer(200, text.encode("utf-8"))
        if url.path == "/_reports":
            with lock:
                text = "".join(reports)
            return self.answer(200, text.encode("utf-8"))
        if url.path == "/_quit":
            self.answer(200, b"bye")
            threading.Thread(target=stop_all, daemon=True).start()
            return
        self.record()
        with lock:
            route = routes.get(url.path)
        if route is None:
            return self.answer(404, b"not here")
        status, body, cut, delay, piece = route
        self.answer(status, body, "application/octet-stream", cut, delay, piece)

    def do_PUT(self):
        url = urllib.parse.urlsplit(self.path)
        data = self.body()
        if url.path.startswith("/_route/"):
            query = urllib.parse.parse_qs(url.query)
            status = int(query.get("status", ["200"])[0])
            cut = int(query["cut"][0]) if "cut" in query else None
            delay = int(query.get("delay", ["0"])[0])
            piece = int(query.get("piece", ["16384"])[0])
            with lock:
                routes[url.path[len("/_route"):]] = (status, data, cut, delay, piece)
            return self.answer(200, b"ok")
        if url.path == "/_clear":
            with lock:
                routes.clear()
                log.clear()
                reports.clear()
            return self.answer(200, b"ok")
        self.answer(404, b"")

    def do_POST(self):
        url = urllib.parse.urlsplit(self.path)
        data = self.body()
        if url.path == "/_checkzip":
            with lock:
                name = "check%d.zip" % len(log)
                log.append("CHECK")
            return self.answer(200, check_zip(data, name).encode("utf-8"))
        self.record()
        if url.path == "/bugrpt":
            parts = parse_multipart(data)
            lines = ["report content-type=%s length=%d\n" % (self.headers.get("Content-Type", ""), len(data))]
            for name, content in parts.items():
                if name == "file":
                    archive = unscramble(content)
                    with lock:
                        index = len(reports)
                    lines.append("archive-size=%d\n" % len(archive))
                    lines.append(check_zip(archive, "report%d.zip" % index))
                else:
                    # The form text comes reversed; line breaks are shown escaped.
                    text = content[::-1].decode("utf-8", "replace")
                    text = text.replace("\\", "\\\\").replace("\r", "\\r").replace("\n", "\\n")
                    lines.append("form=%s\n" % text)
            lines.append("end\n")
            with lock:
                reports.append("".join(lines))
            return self.answer(200, b"thanks")
        self.answer(404, b"")


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def handle_error(self, request, client_address):
        # A client that hangs up early (a cancelled download) is no server failure.
        pass


def stop_all():
    for s in servers:
        s.shutdown()


def make_certificate():
    cert = os.path.join(state, "cert.pem")
    key = os.path.join(state, "key.pem")
    if not os.path.exists(cert):
        subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key, "-out", cert,
                        "-days", "2", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    return cert, key


def watchdog():
    lease = os.path.join(state, "lease")
    deadline = time.time() + 900
    while time.time() < deadline:
        if not os.path.exists(lease):
            break
        time.sleep(0.5)
    stop_all()


def main():
    plain = Server(("127.0.0.1", 0), Handler)
    secure = Server(("127.0.0.1", 0), Handler)
    cert, key = make_certificate()
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    secure.socket = context.wrap_socket(secure.socket, server_side=True)
    servers.extend([plain, secure])
    threads = [threading.Thread(target=s.serve_forever, daemon=True) for s in servers]
    for t in threads:
        t.start()
    threading.Thread(target=watchdog, daemon=True).start()
    ports = os.path.join(state, "ports")
    with open(ports + ".tmp", "w") as f:
        f.write("%d %d\n" % (plain.server_address[1], secure.server_address[1]))
    os.rename(ports + ".tmp", ports)
    for t in threads:
        t.join()


if __name__ == "__main__":
    main()
