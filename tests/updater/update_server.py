#!/usr/bin/env python3
"""A small web server for the updater tests.

    update_server.py <root folder> <port file> <request log>

Serves the files below the root folder on 127.0.0.1 at a free port, which it
writes to the port file once it listens. Every request path is appended to
the request log. A file with a companion "<name>.cut" is announced whole but
only half of it is sent before the connection closes. "/__stop" ends the
server; so do five idle minutes, in case the tests that started it are gone.
"""
import http.server
import os
import sys
import threading
import time

IDLE_LIMIT_SECONDS = 300


def main():
    root, port_file, log_file = sys.argv[1:4]
    last_request = [time.monotonic()]

    class Handler(http.server.BaseHTTPRequestHandler):
        def log_message(self, *args):
            pass

        def do_GET(self):
            last_request[0] = time.monotonic()
            path = self.path.split("?", 1)[0]
            with open(log_file, "a", encoding="utf-8") as log:
                log.write(path + "\n")
            if path == "/__stop":
                self.send_response(200)
                self.send_header("Content-Length", "0")
                self.end_headers()
                threading.Thread(target=server.shutdown, daemon=True).start()
                return
            parts = [p for p in path.split("/") if p not in ("", ".", "..")]
            local = os.path.join(root, *parts)
            if not parts or not os.path.isfile(local):
                self.send_error(404)
                return
            with open(local, "rb") as f:
                data = f.read()
            cut = os.path.isfile(local + ".cut")
            self.send_response(200)
            self.send_header("Content-Type", "application/octet-stream")
            self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            self.wfile.write(data[: len(data) // 2] if cut else data)
            self.close_connection = True

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True

    def watch_idle():
        while True:
            time.sleep(5)
            if time.monotonic() - last_request[0] > IDLE_LIMIT_SECONDS:
                server.shutdown()
                return

    threading.Thread(target=watch_idle, daemon=True).start()
    partial = port_file + ".part"
    with open(partial, "w", encoding="ascii") as f:
        f.write(str(server.server_address[1]))
    os.replace(partial, port_file)
    server.serve_forever()
    server.server_close()


if __name__ == "__main__":
    main()
