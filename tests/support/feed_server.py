"""A local stand-in for an update feed, for the update checker's tests.

Prints the port it listens on (127.0.0.1 only), then serves:
/good  an appcast announcing a newer version, /current one announcing
nothing newer, /bad  text that is not XML, /huge  50 MiB, /slow  nothing
for 30 seconds.
"""
import http.server
import sys
import time

APPCAST = """<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">
<channel><title>Pacewise</title>
<item><title>Pacewise 0.0.9</title><sparkle:version>9</sparkle:version>
<sparkle:shortVersionString>0.0.9</sparkle:shortVersionString></item>
{newer}
</channel></rss>"""
NEWER = """<item><title>Pacewise 9.1</title>
<sparkle:releaseNotesLink>https://pacewise.example/releases/9.1.0</sparkle:releaseNotesLink>
<enclosure url="https://pacewise.example/pacewise-9.1.0.tar.gz" sparkle:version="910" sparkle:shortVersionString="9.1.0"/></item>"""


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        if self.path == "/slow":
            time.sleep(30)
            return
        body = {
            "/good": APPCAST.format(newer=NEWER).encode(),
            "/current": APPCAST.format(newer="").encode(),
            "/bad": b"<html>not a feed",
        }.get(self.path)
        if self.path == "/huge":
            self.send_response(200)
            self.send_header("Content-Length", str(50 * 1024 * 1024))
            self.end_headers()
            chunk = b"x" * (1024 * 1024)
            try:
                for _ in range(50):
                    self.wfile.write(chunk)
            except (BrokenPipeError, ConnectionResetError):
                pass
            return
        if body is None:
            self.send_error(404)
            return
        self.send_response(200)
        self.send_header("Content-Type", "application/rss+xml")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
